#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "ButtonWin32Kit.h"

using namespace buttontest;

namespace {
std::vector<COLORREF> AllPixels(HWND control, int w, int h)
{
    Snapshot shot(control);
    std::vector<COLORREF> px;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) px.push_back(shot.At(x, y));
    return px;
}

// Saves the screen area of a window as a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::wstring& path)
{
    RECT r{};
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    WindowDc screen(nullptr);
    UniqueMemDc dc(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), w, h));
    {
        Selected into(dc.get(), bitmap.get());
        BitBlt(dc.get(), 0, 0, w, h, screen.get(), r.left, r.top, SRCCOPY);
    }
    BITMAPINFO info = Dib24Header(w, h);
    std::string bytes(static_cast<std::size_t>(PixelBlock::Stride(w)) * h, '\0');
    if (!GetDIBits(dc.get(), bitmap.get(), 0, h, bytes.data(), &info, DIB_RGB_COLORS)) return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + bytes.size());
    std::string out(reinterpret_cast<const char*>(&file), sizeof file);
    out.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));
    out += bytes;
    return testsupport::WriteBytes(path, out);
}
} // namespace

TEST(ButtonGdiLeak, TwoHundredThousandPaintsLeaveNothingBehind)
{
    HostWindow host(200, 200, 200, 100);
    auto button = MakeButton(host.hwnd(), 1, L"Go", 10, 10, 48, 12);
    button->SetButtonType(2);
    button->SetPictureNormal(Disc());
    const std::vector<COLORREF> up = AllPixels(button->hwnd(), 48, 12);
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);

    for (int i = 0; i < 200000; ++i) {
        button->DrawButton(i % 2 ? StatePressed : StateUp, true);
        if (i % 5000 == 0) Pump();
    }
    button->DrawButton(StateUp, true);

    const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (before != 0) {
        EXPECT_LE(after, before + 2) << "GDI objects before " << before << ", after " << after;
    }
    EXPECT_EQ(AllPixels(button->hwnd(), 48, 12), up);
    UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    UniquePen pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    WindowDc screen(nullptr);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), 64, 64));
    EXPECT_TRUE(brush && pen && bitmap);
}

TEST(ButtonGallery, EveryLookInOneWindow)
{
    HostWindow host(100, 100, 560, 140);
    std::vector<std::unique_ptr<ZelButtonOXP>> buttons;
    const auto disc = Disc();
    auto add = [&](const std::wstring& caption, int column, int row) -> ZelButtonOXP& {
        buttons.push_back(MakeButton(host.hwnd(), static_cast<int>(buttons.size()) + 1, caption, 10 + column * 108,
                                     10 + row * 40, 100, 27));
        return *buttons.back();
    };
    for (int row = 0; row < 2; ++row) {
        const int type = row == 0 ? 9 : 2;
        const wchar_t* names[] = {L"Normal", L"Hover", L"Default", L"Pressed", L"Disabled"};
        for (int column = 0; column < 5; ++column) {
            ZelButtonOXP& b = add(std::wstring(L"  ") + names[column], column, row);
            b.SetButtonType(type);
            b.SetPictureNormal(disc);
        }
    }
    ZelButtonOXP& system = add(L"System", 0, 2);
    system.SetColorScheme(1);
    ZelButtonOXP& grey = add(L"Grey", 1, 2);
    grey.SetColorScheme(3);
    grey.SetPictureNormal(disc);
    grey.SetUseGreyscale(true);
    ZelButtonOXP& soft = add(L"Soft", 2, 2);
    soft.SetSoftBevel(true);
    ZelButtonOXP& checked = add(L"Checked", 3, 2);
    checked.SetCheckBoxBehaviour(true);
    checked.SetValue(true);
    ZelButtonOXP& centred = add(L"&Access", 4, 2);
    centred.SetPictureNormal(disc);
    centred.SetPicturePosition(4);

    for (int row = 0; row < 2; ++row) {
        buttons[row * 5 + 2]->SetDefaultButton(true);
        buttons[row * 5 + 3]->DrawButton(StatePressed, true);
        buttons[row * 5 + 4]->SetEnabled(false);
    }
    // The real pointer rests on the hover button of the first row.
    HWND hover = buttons[1]->hwnd();
    const POINT p = ScreenPoint(hover, 50, 13);
    SetCursorPos(p.x, p.y);
    SendMessageW(hover, WM_MOUSEMOVE, 0, MAKELPARAM(50, 13));
    Pump();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Pump();

    EXPECT_EQ(Snapshot(hover).At(1, 12), RGB(255, 0, 0));
    EXPECT_EQ(Snapshot(buttons[2]->hwnd()).At(1, 12), RGB(140, 174, 231));
    EXPECT_EQ(ScreenPixel(buttons[4]->hwnd(), 50, 3), RGB(231, 231, 224));

    const std::wstring folder = testsupport::BuildFolder() + L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring file = folder + L"\\button_gallery.bmp";
    ASSERT_TRUE(SaveScreenshot(host.hwnd(), file));
    EXPECT_GT(testsupport::ReadBytes(file).size(), 560u * 140u * 3u);
    SetCursorPos(5, 5);
}
