#pragma once
// One binding of a window to its C++ object, for every window class of ours: the class is
// registered on first use, `this` is bound at WM_NCCREATE (kept in GWLP_USERDATA) and let go at
// WM_NCDESTROY, and every message in between reaches the object's handler.
#include <windows.h>

namespace host {

// What a window class of ours registers with.
struct WindowClass {
    const wchar_t* name;
    UINT style = CS_DBLCLKS;
    HBRUSH background = nullptr;
    bool programIcon = false; // the executable's icon 1, for top-level windows
};

class BoundWindow {
public:
    BoundWindow() = default;
    BoundWindow(const BoundWindow&) = delete;
    BoundWindow& operator=(const BoundWindow&) = delete;
    virtual ~BoundWindow() = default;

    // The object bound to a window of ours; nullptr for any other window.
    static BoundWindow* From(HWND hwnd);

protected:
    // Creates a window of the class whose messages reach this object. Returns the window, or
    // nullptr when it could not be created.
    HWND CreateBound(const WindowClass& windowClass, DWORD exStyle, const wchar_t* text, DWORD style,
                     const RECT& pixels, HWND parent, HMENU menuOrId = nullptr);
    // Stops messages from reaching this object (for a destructor that destroys the window).
    static void Unbind(HWND hwnd);

    // The window exists from here on; messages of its creation follow.
    virtual void OnBound(HWND hwnd) = 0;
    virtual LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The window is gone; no message reaches this object any more.
    virtual void OnUnbound() = 0;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace host
