#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "ButtonWin32Kit.h"
#include "ShowTestTexts.h"
#include "app/Shared.h"
#include "host/MessageLoop.h"
#include "host/Screen.h"
#include "show/frmPen.h"

namespace {

constexpr COLORREF PenRed = RGB(255, 0, 0);

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// A press, moves and a release on the picture, in its own client pixels.
void Drag(HWND image, std::initializer_list<POINT> points)
{
    auto it = points.begin();
    SendMessageW(image, WM_LBUTTONDOWN, MK_LBUTTON, At(it->x, it->y));
    for (++it; it != points.end(); ++it) SendMessageW(image, WM_MOUSEMOVE, MK_LBUTTON, At(it->x, it->y));
    SendMessageW(image, WM_LBUTTONUP, 0, At((points.end() - 1)->x, (points.end() - 1)->y));
}

int RedRows(const PenSurface& surface, int x, int fromY, int toY, COLORREF colour = PenRed)
{
    int count = 0;
    for (int y = fromY; y <= toY; ++y) count += surface.PixelAt(x, y) == colour;
    return count;
}

class PenOverlayWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NumberTheTexts();
        shared.TooltipSwitch = L"YES";
        shared.BarHideLimit = 28;
        // A known picture on the clipboard: white, with a green square at its corner.
        HDC screen = GetDC(nullptr);
        HBITMAP picture = CreateCompatibleBitmap(screen, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        HDC dc = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, picture);
        RECT all{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        RECT square{0, 0, 60, 60};
        HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
        FillRect(dc, &square, green);
        DeleteObject(green);
        SelectObject(dc, old);
        DeleteDC(dc);
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        SetClipboardData(CF_BITMAP, picture);
        CloseClipboard();
    }
};

} // namespace

TEST_F(PenOverlayWindowTest, LoadCoversTheScreenWithThePictureAndLaysOutTheToolbar)
{
    frmPen pen;
    pen.Load();
    ASSERT_TRUE(pen.Loaded());
    EXPECT_EQ(pen.PenColor, 12);
    EXPECT_EQ(pen.PenWidth, 3);
    EXPECT_EQ(pen.ToolbarShown, 0);
    EXPECT_EQ(shared.BarHideLimit, 25);
    RECT r{};
    GetWindowRect(pen.hwnd(), &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_FALSE(GetWindowLongPtrW(pen.hwnd(), GWL_STYLE) & (WS_CAPTION | WS_BORDER));

    const double pixel = screen::ToTwips(1);
    EXPECT_NEAR(pen.Image1->Left(), -30, pixel);
    EXPECT_NEAR(pen.Image1->Top(), -30, pixel);
    EXPECT_NEAR(pen.Picture1->Left(), 40, pixel);
    EXPECT_NEAR(pen.Picture1->Width(), pen.ScaleWidth() - 120, pixel);
    EXPECT_TRUE(pen.Picture1->Visible());
    EXPECT_NEAR(pen.Col(0).Left(), 20, pixel);
    EXPECT_NEAR(pen.Col(15).Left(), 20 + 15 * 375, pixel);
    EXPECT_NEAR(pen.LDraw(1).Left(), 20 + 16 * 375 + 30, pixel);
    EXPECT_NEAR(pen.LDraw(3).Left(), 20 + 16 * 375 + 30 + 2 * 405, pixel);
    EXPECT_EQ(pen.LDraw(2).Caption(), L"2");
    EXPECT_NEAR(pen.cmd(0).Left(), pen.ScaleWidth() - 1575 - 180, pixel);
    EXPECT_EQ(pen.cmd(0).Caption(), L"  C7");
    EXPECT_EQ(pen.cmd(0).ToolTipText(), L"T40");
    EXPECT_EQ(pen.LDraw(1).ToolTipText(), L"T38");
    EXPECT_EQ(pen.Col(1).ToolTipText(), L"T39");
    EXPECT_TRUE(pen.Col(0).ToolTipText().empty());

    // The capture sits two pixels up and left: its green corner ends at 57, not 59.
    ASSERT_NE(pen.Surface(), nullptr);
    EXPECT_EQ(pen.Surface()->PixelAt(10, 10), RGB(0, 255, 0));
    EXPECT_EQ(pen.Surface()->PixelAt(57, 57), RGB(0, 255, 0));
    EXPECT_NE(pen.Surface()->PixelAt(58, 58), RGB(0, 255, 0));
}

TEST_F(PenOverlayWindowTest, BackButtonShowsItsOwnPictureLeftOfItsCaption)
{
    frmPen pen;
    pen.Load();
    ZelButtonOXP& back = pen.cmd(0);
    ASSERT_NE(back.PictureNormal(), nullptr);
    const buttontest::Snapshot shot(back.hwnd());
    RECT r{};
    GetClientRect(back.hwnd(), &r);
    // The arrow's green (faded at rest), and the caption's black text to the right of it.
    int greenCount = 0, greenRight = -1, textLeft = r.right;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) {
            const COLORREF c = shot.At(x, y);
            if (GetGValue(c) - GetRValue(c) > 50 && GetGValue(c) - GetBValue(c) > 50) {
                ++greenCount;
                greenRight = std::max(greenRight, x);
            }
            if (c == RGB(0, 0, 0)) textLeft = std::min(textLeft, x);
        }
    EXPECT_GE(greenCount, 40);
    EXPECT_LT(textLeft, r.right) << "the caption is drawn";
    EXPECT_GT(textLeft, greenRight) << "the caption follows the picture";
}

TEST_F(PenOverlayWindowTest, LeftDragDrawsInTheChosenColourAndWidth)
{
    frmPen pen;
    pen.Load();
    const HWND image = pen.Image1->hwnd();
    const PenSurface& surface = *pen.Surface();

    // PenRed and 3 pixels wide by default; the picture's point is used as the window's point.
    Drag(image, {{100, 300}, {200, 300}, {300, 300}});
    EXPECT_EQ(RedRows(surface, 250, 290, 310), 3);
    EXPECT_EQ(pen.PenDown(), 0);

    pen.Col_Click(0);
    Drag(image, {{100, 400}, {300, 400}});
    EXPECT_EQ(RedRows(surface, 200, 390, 410, RGB(0, 0, 0)), 3);

    pen.Col_Click(12);
    pen.LDraw_Click(1);
    EXPECT_EQ(pen.PenWidth, 2);
    Drag(image, {{100, 500}, {300, 500}});
    EXPECT_EQ(RedRows(surface, 200, 490, 510), 2);

    // A left press while the right button is held draws all the same.
    SendMessageW(image, WM_RBUTTONDOWN, MK_RBUTTON, At(100, 550));
    SendMessageW(image, WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, At(100, 550));
    SendMessageW(image, WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, At(300, 550));
    SendMessageW(image, WM_LBUTTONUP, MK_RBUTTON, At(300, 550));
    SendMessageW(image, WM_RBUTTONUP, 0, At(300, 550));
    EXPECT_EQ(RedRows(surface, 200, 540, 560), 2);

    // A right press draws nothing, whichever buttons it finds held; nor do moves without a press.
    SendMessageW(image, WM_RBUTTONDOWN, MK_RBUTTON | MK_LBUTTON, At(100, 600));
    SendMessageW(image, WM_MOUSEMOVE, MK_RBUTTON, At(300, 600));
    SendMessageW(image, WM_RBUTTONUP, 0, At(300, 600));
    SendMessageW(image, WM_MOUSEMOVE, 0, At(100, 650));
    SendMessageW(image, WM_MOUSEMOVE, 0, At(300, 650));
    EXPECT_EQ(RedRows(surface, 200, 590, 660), 0);
}

TEST_F(PenOverlayWindowTest, MovesInTheTopBandDrawNothingButThePressLeavesADot)
{
    frmPen pen;
    pen.Load();
    const HWND image = pen.Image1->hwnd();
    const PenSurface& surface = *pen.Surface();
    // 200 twips is about 13 pixels: a stroke along y = 8 leaves only its starting dot.
    Drag(image, {{100, 8}, {200, 8}, {300, 8}});
    EXPECT_EQ(surface.PixelAt(100, 8), PenRed);
    EXPECT_NE(surface.PixelAt(200, 8), PenRed);
    // Leaving the band continues with a straight line from the last drawn point.
    Drag(image, {{400, 8}, {450, 8}, {400, 100}});
    EXPECT_EQ(surface.PixelAt(400, 60), PenRed);
    EXPECT_NE(surface.PixelAt(450, 8), PenRed);
}

TEST_F(PenOverlayWindowTest, StrokesSurviveTheToolbarHidingOverThem)
{
    frmPen pen;
    pen.Load();
    pen.Show();
    SetCursorPos(500, 600);
    const HWND image = pen.Image1->hwnd();
    // A stroke under the toolbar; the toolbar hides within about a second.
    Drag(image, {{100, 20}, {100, 40}});
    const double start = GetTickCount();
    while (pen.Picture1->Visible() && GetTickCount() - start < 2500) host::SleepPumping(50);
    EXPECT_FALSE(pen.Picture1->Visible());
    host::SleepPumping(100);
    HDC dc = GetDC(pen.hwnd());
    EXPECT_EQ(GetPixel(dc, 100, 30), PenRed) << "window pixel under the former toolbar";
    ReleaseDC(pen.hwnd(), dc);

    // Back hides the overlay and stops its timer.
    pen.cmd_Click(0);
    EXPECT_FALSE(pen.Visible());
    EXPECT_FALSE(pen.Timer1.Enabled());
}
