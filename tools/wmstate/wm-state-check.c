/* Checks the window-state helper on the display it runs on: a top-level window that is mapped
 * becomes "normal", withdrawn becomes "withdrawn" again, and mapped again "normal"; a window that
 * asks not to be managed (override-redirect) gets no state. Exits 0 when all hold. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdio.h>
#include <time.h>

static Atom wm_state;

/* -1 when the window has no WM_STATE. */
static long state_of(Display *display, Window window)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = NULL;
    long state = -1;
    if (XGetWindowProperty(display, window, wm_state, 0, 2, False, wm_state, &type, &format, &count, &after,
                           &data) == Success && data && format == 32 && count >= 1)
        state = ((long *)data)[0];
    if (data) XFree(data);
    return state;
}

static long wait_for_state(Display *display, Window window, long wanted, int ms)
{
    struct timespec pause = {0, 10 * 1000 * 1000};
    long state = state_of(display, window);
    for (int waited = 0; state != wanted && waited < ms; waited += 10) {
        nanosleep(&pause, NULL);
        state = state_of(display, window);
    }
    return state;
}

static Window make_window(Display *display, Bool override_redirect)
{
    XSetWindowAttributes attributes = {0};
    attributes.override_redirect = override_redirect;
    return XCreateWindow(display, DefaultRootWindow(display), 10, 10, 100, 80, 0, CopyFromParent, InputOutput,
                         CopyFromParent, CWOverrideRedirect, &attributes);
}

static int check(const char *what, long state, long wanted)
{
    if (state == wanted) return 0;
    fprintf(stderr, "%s: WM_STATE is %ld, expected %ld\n", what, state, wanted);
    return 1;
}

int main(void)
{
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    wm_state = XInternAtom(display, "WM_STATE", False);
    const int screen = DefaultScreen(display);
    int failures = 0;

    Window window = make_window(display, False);
    XMapWindow(display, window);
    XFlush(display);
    failures += check("mapped", wait_for_state(display, window, NormalState, 2000), NormalState);
    XWithdrawWindow(display, window, screen);
    XFlush(display);
    failures += check("withdrawn", wait_for_state(display, window, WithdrawnState, 2000), WithdrawnState);
    XMapWindow(display, window);
    XFlush(display);
    failures += check("mapped again", wait_for_state(display, window, NormalState, 2000), NormalState);

    Window unmanaged = make_window(display, True);
    XMapWindow(display, unmanaged);
    /* A managed window mapped after it shows that the helper has seen both. */
    Window later = make_window(display, False);
    XMapWindow(display, later);
    XFlush(display);
    failures += check("mapped after the override-redirect one", wait_for_state(display, later, NormalState, 2000),
                      NormalState);
    failures += check("override-redirect", state_of(display, unmanaged), -1);

    XCloseDisplay(display);
    return failures ? 1 : 0;
}
