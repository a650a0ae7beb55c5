#pragma once
// A system control's window procedure replaced by one of ours, with the object that handles its
// messages kept in the control's GWLP_USERDATA (the system's control classes leave that slot to
// the program). Subclassing through comctl32 keeps its data in a window property instead, which
// under Wine costs a round trip to the server on every message the control receives.
#include <windows.h>

namespace host {

class WindowHook {
public:
    WindowHook() = default;
    WindowHook(const WindowHook&) = delete;
    WindowHook& operator=(const WindowHook&) = delete;
    // The owner goes first: the control gets its own procedure back.
    ~WindowHook() { Remove(); }

    // Sends hwnd's messages to proc, which finds owner through Owner and hands on what it
    // doesn't take through PassOn. Nothing happens for no window.
    void Install(HWND hwnd, WNDPROC proc, void* owner)
    {
        if (!hwnd) return;
        hwnd_ = hwnd;
        proc_ = proc;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    }

    // The owner of a hooked window, from inside its procedure; nullptr once the window is gone.
    template <class Owner>
    static Owner* OwnerOf(HWND hwnd)
    {
        return reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }

    // The owner of a window hooked with proc; nullptr for any other window.
    template <class Owner>
    static Owner* OwnerOf(HWND hwnd, WNDPROC proc)
    {
        if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(proc)) return nullptr;
        return OwnerOf<Owner>(hwnd);
    }

    // The control's own handling of a message; the last message lets go of the owner.
    LRESULT PassOn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) const
    {
        const WNDPROC original = original_;
        if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return CallWindowProcW(original, hwnd, msg, wParam, lParam);
    }

private:
    void Remove()
    {
        if (!hwnd_ || !IsWindow(hwnd_) || GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(proc_))
            return;
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    }

    HWND hwnd_ = nullptr;
    WNDPROC proc_ = nullptr;
    WNDPROC original_ = nullptr;
};

} // namespace host
