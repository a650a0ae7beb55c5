/* The one answer of a window manager that Wine waits for, for a bare X server such as the test
 * display. Wine waits up to two seconds for WM_STATE to leave "withdrawn" before it hides a
 * window it has handed to a window manager, and without one every such hide takes the full two
 * seconds. This client sets WM_STATE on each top-level window as it is mapped and unmapped, and
 * does nothing else: no frame, no move, no focus, no stacking. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdio.h>

static Atom wm_state;

/* A window may be gone before its state is set; that is no error here. */
static int ignore_error(Display *display, XErrorEvent *error)
{
    (void)display;
    (void)error;
    return 0;
}

static void set_state(Display *display, Window window, long state)
{
    long value[2] = {state, None};
    XChangeProperty(display, window, wm_state, wm_state, 32, PropModeReplace, (unsigned char *)value, 2);
}

int main(void)
{
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "wm-state: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(ignore_error);
    wm_state = XInternAtom(display, "WM_STATE", False);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    /* Whoever started this waits for the line: windows mapped before it would go unanswered. */
    XSync(display, False);
    printf("ready\n");
    fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect)
            set_state(display, event.xmap.window, NormalState);
        else if (event.type == UnmapNotify && event.xunmap.event == root)
            set_state(display, event.xunmap.window, WithdrawnState);
        else
            continue;
        XFlush(display);
    }
}
