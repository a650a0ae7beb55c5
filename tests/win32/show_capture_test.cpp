#include <gtest/gtest.h>

#include <windows.h>

#include "host/Handles.h"
#include "show/ScreenCapture.h"
#include "show/ShowTitle.h"
#include "show/Win32WindowList.h"

namespace {

// A plain top-level window painted in one colour.
class ColourWindow {
public:
    ColourWindow(const wchar_t* title, COLORREF colour, RECT at) : brush_(CreateSolidBrush(colour))
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ShowCaptureTestWindow";
        wc.hbrBackground = brush_.get();
        UnregisterClassW(wc.lpszClassName, wc.hInstance);
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, title, WS_POPUP | WS_VISIBLE, at.left, at.top,
                                at.right - at.left, at.bottom - at.top, nullptr, nullptr, wc.hInstance, nullptr);
        UpdateWindow(hwnd_);
        Pump(300);
    }
    ~ColourWindow()
    {
        DestroyWindow(hwnd_);
        UnregisterClassW(L"ShowCaptureTestWindow", GetModuleHandleW(nullptr));
    }
    HWND hwnd() const { return hwnd_; }

    static void Pump(DWORD ms)
    {
        const DWORD until = GetTickCount() + ms;
        do {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            Sleep(10);
        } while (static_cast<int>(until - GetTickCount()) > 0);
    }

private:
    UniqueBrush brush_;
    HWND hwnd_ = nullptr;
};

COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    UniqueMemDc dc(CreateCompatibleDC(nullptr));
    Selected in(dc.get(), bitmap);
    return GetPixel(dc.get(), x, y);
}

} // namespace

TEST(ShowWindowListing, ListsTitledTopLevelWindowsEndingInZero)
{
    ColourWindow window(L"Slide Show - Listing Test.ppt", RGB(10, 20, 30), {0, 0, 50, 50});
    Win32WindowList list;
    std::vector<std::wstring> titles{L"left over"};
    std::vector<std::intptr_t> handles{1234};
    list.ListWindows(titles, handles);

    ASSERT_EQ(titles.size(), handles.size());
    ASSERT_GE(handles.size(), 2u);
    EXPECT_EQ(handles.back(), 0);
    EXPECT_TRUE(titles.back().empty());
    for (std::size_t i = 0; i + 1 < handles.size(); ++i) {
        EXPECT_NE(handles[i], 0);
        EXPECT_FALSE(titles[i].empty());
    }
    const int found = show::FindShowWindow(titles, handles, L"LISTING TEST.PPT");
    ASSERT_GE(found, 0);
    EXPECT_EQ(handles[found], reinterpret_cast<std::intptr_t>(window.hwnd()));
}

TEST(ShowScreenCapture, ScreenReachesClipboardAndComesBackAsOwnedCopy)
{
    ColourWindow window(L"capture", RGB(0, 200, 100), {0, 0, 200, 120});
    ASSERT_TRUE(capture::ClearClipboard(window.hwnd()));
    EXPECT_FALSE(capture::ClipboardHasBitmap());

    ASSERT_TRUE(capture::PutScreenOnClipboard(window.hwnd()));
    EXPECT_TRUE(capture::ClipboardHasBitmap());

    UniqueBitmap copy = capture::ClipboardBitmap(window.hwnd());
    ASSERT_TRUE(copy);
    BITMAP info{};
    ASSERT_TRUE(GetObjectW(copy.get(), sizeof info, &info));
    EXPECT_EQ(info.bmWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.bmHeight, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(PixelOf(copy.get(), 100, 60), RGB(0, 200, 100));

    // The copy is ours: emptying the clipboard leaves it intact.
    ASSERT_TRUE(capture::ClearClipboard(window.hwnd()));
    EXPECT_EQ(PixelOf(copy.get(), 10, 10), RGB(0, 200, 100));
    EXPECT_FALSE(capture::ClipboardBitmap(window.hwnd()));
}
