#include "host/BoundWindow.h"

#include <set>
#include <string>

namespace host {

namespace {
// Whether the window has a frame, a caption or scroll bars around its client area.
bool HasNonClientArea(HWND hwnd)
{
    RECT window{};
    RECT client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

void RegisterOnce(const WindowClass& windowClass, WNDPROC procedure)
{
    static std::set<std::wstring> registered;
    if (!registered.insert(windowClass.name).second) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = windowClass.style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = windowClass.background;
    if (windowClass.programIcon) wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.lpszClassName = windowClass.name;
    RegisterClassExW(&wc);
}
} // namespace

HWND BoundWindow::CreateBound(const WindowClass& windowClass, DWORD exStyle, const wchar_t* text, DWORD style,
                              const RECT& pixels, HWND parent, HMENU menuOrId)
{
    RegisterOnce(windowClass, &BoundWindow::Procedure);
    return CreateWindowExW(exStyle, windowClass.name, text, style, pixels.left, pixels.top,
                           pixels.right - pixels.left, pixels.bottom - pixels.top, parent, menuOrId,
                           GetModuleHandleW(nullptr), this);
}

BoundWindow* BoundWindow::From(HWND hwnd)
{
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&BoundWindow::Procedure))
        return nullptr;
    return reinterpret_cast<BoundWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void BoundWindow::Unbind(HWND hwnd)
{
    if (hwnd && IsWindow(hwnd)) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
}

LRESULT CALLBACK BoundWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<BoundWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) self->OnBound(hwnd);
    }
    auto* self = reinterpret_cast<BoundWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->OnUnbound();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // Around the client area of a window without a frame there is nothing to paint, but the
    // default handling still takes a device context of the whole window for it: under Wine a new
    // one for every window, at several round trips to the server each.
    if (message == WM_NCPAINT && !HasNonClientArea(hwnd)) return 0;
    return self->HandleMessage(hwnd, message, wParam, lParam);
}

} // namespace host
