#pragma once
// A system control's window procedure replaced by one of ours, with the object that handles its
// messages kept in the control's GWLP_USERDATA (the system's control classes leave that slot to
// the program). Subclassing through comctl32 keeps its data in a window property instead, which
// under Wine costs a round trip to the server on every message the control receives.
#include <windows.h>

namespace host {

// Hooks hwnd: its messages reach proc, which finds owner through HookOwner and passes them on
// to the procedure returned here. Returns nullptr (and hooks nothing) for no window.
inline WNDPROC HookWindow(HWND hwnd, WNDPROC proc, void* owner)
{
    if (!hwnd) return nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

// The owner of a window hooked with proc; nullptr for any other window, and once let go.
template <class Owner>
Owner* HookOwner(HWND hwnd, WNDPROC proc)
{
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(proc)) return nullptr;
    return reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// The owner lets go: the window gets its own procedure back if it still runs proc.
inline void UnhookWindow(HWND hwnd, WNDPROC proc, WNDPROC original)
{
    if (!hwnd || !original || !IsWindow(hwnd) ||
        GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(proc))
        return;
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
}

} // namespace host
