#pragma once
// One move-only owner per handle, and scoped helpers that restore what they replaced.
#include <windows.h>

#include <utility>

// Invalid is the handle value that means "none": null for most handles, INVALID_HANDLE_VALUE
// (MinusOne) for files and find handles.
template <typename H, auto Close, bool MinusOne = false>
class UniqueHandle {
public:
    static H Invalid()
    {
        if constexpr (MinusOne)
            return reinterpret_cast<H>(static_cast<INT_PTR>(-1));
        else
            return H{};
    }

    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) reset(std::exchange(other.h_, Invalid()));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != Invalid() && h_ != H{}; }
    H release() { return std::exchange(h_, Invalid()); }
    // For a function that hands back a new handle through a pointer: closes what is held first.
    H* put()
    {
        reset();
        return &h_;
    }
    void reset(H h = Invalid())
    {
        if (h_ != Invalid() && h_ != H{}) Close(h_);
        h_ = h;
    }

private:
    H h_ = Invalid();
};

namespace handles_detail {
inline void CloseKernel(HANDLE h) { CloseHandle(h); }
inline void CloseGdi(HGDIOBJ h) { DeleteObject(h); }
inline void CloseDc(HDC h) { DeleteDC(h); }
inline void CloseIcon(HICON h) { DestroyIcon(h); }
inline void CloseKey(HKEY h) { RegCloseKey(h); }
inline void CloseFind(HANDLE h) { FindClose(h); }
inline void CloseWindow(HWND h) { DestroyWindow(h); }
} // namespace handles_detail

using UniqueKernelHandle = UniqueHandle<HANDLE, handles_detail::CloseKernel>;
using UniqueFile = UniqueHandle<HANDLE, handles_detail::CloseKernel, true>;
using UniqueFind = UniqueHandle<HANDLE, handles_detail::CloseFind, true>;
using UniqueGdi = UniqueHandle<HGDIOBJ, handles_detail::CloseGdi>;
using UniqueBitmap = UniqueHandle<HBITMAP, handles_detail::CloseGdi>;
using UniqueBrush = UniqueHandle<HBRUSH, handles_detail::CloseGdi>;
using UniquePen = UniqueHandle<HPEN, handles_detail::CloseGdi>;
using UniqueFont = UniqueHandle<HFONT, handles_detail::CloseGdi>;
using UniqueRegion = UniqueHandle<HRGN, handles_detail::CloseGdi>;
using UniqueMemDc = UniqueHandle<HDC, handles_detail::CloseDc>;
using UniqueIcon = UniqueHandle<HICON, handles_detail::CloseIcon>;
using UniqueKey = UniqueHandle<HKEY, handles_detail::CloseKey>;
using UniqueWindow = UniqueHandle<HWND, handles_detail::CloseWindow>;

// GetDC/ReleaseDC for the life of a scope.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc()
    {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint/EndPaint for the life of a scope.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(hwnd_, &ps_); }
    HDC get() const { return dc_; }
    const RECT& area() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// SelectObject that puts the previous object back when the scope ends.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected()
    {
        if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};
