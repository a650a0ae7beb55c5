#include "show/ScreenCapture.h"

namespace capture {

namespace {

// OpenClipboard fails while another program has it open; such holds are short.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner)
    {
        for (int attempt = 0; attempt < 20 && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_) Sleep(10);
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard()
    {
        if (open_) CloseClipboard();
    }
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

UniqueBitmap CopyBitmap(HDC source, int width, int height)
{
    WindowDc screen(nullptr);
    if (!screen || width <= 0 || height <= 0) return {};
    UniqueBitmap copy(CreateCompatibleBitmap(screen.get(), width, height));
    UniqueMemDc target(CreateCompatibleDC(screen.get()));
    if (!copy || !target) return {};
    Selected into(target.get(), copy.get());
    if (!BitBlt(target.get(), 0, 0, width, height, source, 0, 0, SRCCOPY | CAPTUREBLT)) return {};
    return copy;
}

} // namespace

bool ClearClipboard(HWND owner)
{
    OpenedClipboard clipboard(owner);
    return clipboard && EmptyClipboard();
}

void PressPrintScreen()
{
    keybd_event(VK_SNAPSHOT, 0, 0, 0);
    keybd_event(VK_SNAPSHOT, 0, KEYEVENTF_KEYUP, 0);
}

bool ClipboardHasBitmap() { return IsClipboardFormatAvailable(CF_BITMAP) || IsClipboardFormatAvailable(CF_DIB); }

UniqueBitmap CopyScreen()
{
    WindowDc screen(nullptr);
    if (!screen) return {};
    return CopyBitmap(screen.get(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

bool PutScreenOnClipboard(HWND owner)
{
    UniqueBitmap picture = CopyScreen();
    if (!picture) return false;
    OpenedClipboard clipboard(owner);
    if (!clipboard || !EmptyClipboard()) return false;
    if (!SetClipboardData(CF_BITMAP, picture.get())) return false;
    picture.release(); // the clipboard owns it now
    return true;
}

UniqueBitmap ClipboardBitmap(HWND owner)
{
    OpenedClipboard clipboard(owner);
    if (!clipboard) return {};
    auto held = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAP info{};
    if (!held || !GetObjectW(held, sizeof info, &info)) return {};
    WindowDc screen(nullptr);
    UniqueMemDc source(CreateCompatibleDC(screen.get()));
    if (!source) return {};
    Selected from(source.get(), held);
    return CopyBitmap(source.get(), info.bmWidth, info.bmHeight);
}

} // namespace capture
