#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <thread>

#include "ButtonWin32Kit.h"
#include "base/Rounding.h"
#include "controls/ButtonColor.h"
#include "controls/ButtonPainter.h"

using namespace buttontest;

namespace {
constexpr COLORREF Border = RGB(0, 60, 115);
constexpr COLORREF Corner = RGB(16, 77, 123);
constexpr COLORREF HoverRed = RGB(255, 0, 0);
constexpr COLORREF FocusBlue = RGB(140, 174, 231);
constexpr COLORREF PlainLeft = RGB(250, 250, 249);
constexpr COLORREF UpRow3 = RGB(252, 252, 252);
constexpr COLORREF PressedRow3 = RGB(201, 201, 189);
constexpr COLORREF DisabledFace = RGB(231, 231, 224);

// A host window with one 60 x 25 button of the program's design at (10, 10), captioned "OK".
struct Stage {
    HostWindow host{200, 200, 200, 100};
    std::unique_ptr<ZelButtonOXP> button = MakeButton(host.hwnd(), 1, L"OK", 10, 10, 60, 25);
    HWND hwnd() const { return button->hwnd(); }
    void PointAt(int x, int y)
    {
        const POINT p = ScreenPoint(hwnd(), x, y);
        SetCursorPos(p.x, p.y);
    }
    void PointAway() { SetCursorPos(5, 5); }
    void Send(UINT message, WPARAM keys, int x, int y) { SendMessageW(hwnd(), message, keys, MAKELPARAM(x, y)); }
};
} // namespace

TEST(ButtonGdiLooks, NormalLookReadBackFromTheWindowAndTheScreen)
{
    Stage s;
    Snapshot shot(s.hwnd());
    EXPECT_EQ(shot.At(0, 10), Border);
    EXPECT_EQ(shot.At(30, 24), Border);
    EXPECT_EQ(shot.At(1, 1), Corner);
    EXPECT_EQ(shot.At(58, 23), Corner);
    EXPECT_EQ(shot.At(1, 12), PlainLeft);
    EXPECT_EQ(shot.At(30, 3), UpRow3);
    EXPECT_EQ(shot.At(5, 21), RGB(234, 234, 228));
    EXPECT_EQ(shot.At(30, 23), RGB(207, 207, 192));
    EXPECT_EQ(shot.At(58, 12), RGB(219, 219, 208));
    // The paint reached the screen without waiting for WM_PAINT.
    EXPECT_EQ(ScreenPixel(s.hwnd(), 30, 3), UpRow3);
    EXPECT_EQ(ScreenPixel(s.hwnd(), 0, 10), Border);
    // The caption is the window text and some of its pixels are dark text.
    EXPECT_EQ(testsupport::WindowText(s.hwnd()), L"OK");
    int dark = 0;
    for (int y = 5; y < 20; ++y)
        for (int x = 20; x < 40; ++x) dark += GetRValue(shot.At(x, y)) < 100;
    EXPECT_GT(dark, 5);
}

TEST(ButtonGdiLooks, ButtonOfAHiddenWindowShowsItsLastLookOnceShown)
{
    HostWindow host(200, 200, 200, 100);
    const UniqueWindow panel(CreateWindowExW(0, L"ButtonTestHost", L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 200, 100,
                                             host.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr));
    auto button = MakeButton(panel.get(), 1, L"OK", 10, 10, 60, 25);
    button->SetCaption(L"Go");
    button->SetEnabled(false);
    ShowWindow(panel.get(), SW_SHOWNA);
    Pump();
    Snapshot shot(button->hwnd());
    EXPECT_NE(shot.At(30, 3), UpRow3) << "the disabled look";
    int differing = 0;
    for (int y = 0; y < 25; y += 2)
        for (int x = 0; x < 60; x += 2) differing += ScreenPixel(button->hwnd(), x, y) != shot.At(x, y);
    EXPECT_EQ(differing, 0);
}

TEST(ButtonGdiLooks, WindowRegionFollowsEverySize)
{
    Stage s;
    auto regionBox = [&] {
        RECT box{};
        return GetWindowRgnBox(s.hwnd(), &box) == ERROR ? RECT{-1, -1, -1, -1} : box;
    };
    auto same = [](RECT a, RECT b) { return EqualRect(&a, &b) != 0; };
    EXPECT_TRUE(same(regionBox(), RECT{0, 0, 60, 25}));
    SetWindowPos(s.hwnd(), nullptr, 0, 0, 70, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(same(regionBox(), RECT{0, 0, 70, 30}));
    // A move keeps the size and the region; back to the first size takes the first region.
    SetWindowPos(s.hwnd(), nullptr, 20, 20, 70, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(same(regionBox(), RECT{0, 0, 70, 30}));
    SetWindowPos(s.hwnd(), nullptr, 0, 0, 60, 25, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(same(regionBox(), RECT{0, 0, 60, 25}));
    // Through no area at all to a size of its own.
    for (SIZE size : {SIZE{60, 25}, SIZE{50, 20}}) {
        SetWindowPos(s.hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(s.hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_TRUE(same(regionBox(), RECT{0, 0, size.cx, size.cy})) << size.cx;
    }
}

TEST(ButtonGdiLooks, HoverFocusPressedAndDisabled)
{
    Stage s;
    s.PointAt(30, 12);
    s.Send(WM_MOUSEMOVE, 0, 30, 12);
    {
        Snapshot shot(s.hwnd());
        EXPECT_EQ(shot.At(1, 12), HoverRed);
        EXPECT_EQ(shot.At(30, 23), RGB(231, 150, 0));
        EXPECT_EQ(shot.At(30, 1), RGB(255, 243, 206));
        EXPECT_EQ(shot.At(30, 2), RGB(255, 219, 140));
        EXPECT_EQ(shot.At(2, 12), RGB(255, 203, 107));
    }
    s.PointAway();
    ASSERT_TRUE(testsupport::WaitFor([&] { return Snapshot(s.hwnd()).At(1, 12) == PlainLeft; }, 2000, 5));

    SetFocus(s.hwnd());
    {
        Snapshot shot(s.hwnd());
        EXPECT_EQ(shot.At(1, 12), FocusBlue);
        EXPECT_EQ(shot.At(30, 23), RGB(107, 130, 239));
        EXPECT_EQ(shot.At(30, 1), RGB(206, 231, 255));
    }
    SetFocus(s.host.hwnd());
    EXPECT_EQ(Snapshot(s.hwnd()).At(1, 12), PlainLeft);

    s.button->DrawButton(StatePressed, true);
    {
        Snapshot shot(s.hwnd());
        EXPECT_EQ(shot.At(30, 3), PressedRow3);
        EXPECT_EQ(shot.At(30, 1), RGB(191, 191, 178));
        EXPECT_EQ(shot.At(2, 12), RGB(201, 201, 189));
        EXPECT_EQ(shot.At(0, 12), Border);
    }

    s.button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(s.hwnd()));
    {
        Snapshot shot(s.hwnd());
        EXPECT_EQ(shot.At(30, 3), DisabledFace);
        EXPECT_EQ(shot.At(0, 12), RGB(171, 171, 144));
        EXPECT_EQ(shot.At(1, 1), RGB(183, 183, 160));
    }
    // Disabling the window from outside is the same as clearing Enabled, and back.
    EnableWindow(s.hwnd(), TRUE);
    EXPECT_TRUE(s.button->Enabled());
    EXPECT_EQ(Snapshot(s.hwnd()).At(30, 3), UpRow3);
}

TEST(ButtonGdiLooks, PictureComposited)
{
    Stage s;
    s.button->SetCaption(L"");
    s.button->SetButtonType(2);
    s.button->SetPictureNormal(Disc());
    // 16 x 16 centred in 60 x 25: at (22, 4). Its transparent corner shows the face, its
    // outline and fill show their own colours.
    Snapshot shot(s.hwnd());
    EXPECT_EQ(shot.At(22, 4), RGB(251, 251, 250)); // row 4 of the gradient
    EXPECT_EQ(shot.At(22 + 5, 4 + 1), RGB(0x20, 0x30, 0x20));
    EXPECT_EQ(shot.At(22 + 8, 4 + 8), RGB(0x30, 0xA0, 0x40));
    // Greyscale in the up look.
    s.button->SetUseGreyscale(true);
    Snapshot grey(s.hwnd());
    const COLORREF g = grey.At(22 + 8, 4 + 8);
    EXPECT_EQ(GetRValue(g), GetGValue(g));
    EXPECT_EQ(GetRValue(g), RoundHalfEven(RoundHalfEven(0x30 * 0.3) + 0xA0 * 0.59 + 0x40 * 0.11));
    EXPECT_EQ(grey.At(22, 4), RGB(251, 251, 250));
}

TEST(ButtonGdiInteraction, HoverOnceAndMouseOutAtTheNextTick)
{
    Stage s;
    EventLog log(*s.button);
    s.PointAt(20, 12);
    s.Send(WM_MOUSEMOVE, 0, 20, 12);
    s.Send(WM_MOUSEMOVE, 0, 21, 12);
    s.Send(WM_MOUSEMOVE, 0, 22, 12);
    Pump();
    EXPECT_EQ(log.Count("MouseOver"), 1);
    EXPECT_GE(log.Moves, 3);
    // Resting on the control: the timer ticks but nothing changes.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    Pump();
    EXPECT_EQ(log.Count("MouseOut"), 0);
    EXPECT_EQ(Snapshot(s.hwnd()).At(1, 12), HoverRed);

    s.PointAway();
    ASSERT_TRUE(testsupport::WaitFor([&] { return log.Count("MouseOut") == 1; }, 2000, 5));
    EXPECT_EQ(Snapshot(s.hwnd()).At(1, 12), PlainLeft);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    Pump();
    EXPECT_EQ(log.Count("MouseOut"), 1); // the timer stopped
}

// The pointer rests while the windows change under it: the hover still ends.
TEST(ButtonGdiInteraction, HoverEndsWhenTheControlMovesOrIsCoveredUnderARestingPointer)
{
    Stage s;
    EventLog log(*s.button);
    auto hoverAt = [&](int x) {
        s.PointAt(x, 12);
        s.Send(WM_MOUSEMOVE, 0, x, 12);
        Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        Pump();
    };
    hoverAt(20);
    ASSERT_EQ(log.Count("MouseOver"), 1);
    ASSERT_EQ(log.Count("MouseOut"), 0);
    SetWindowPos(s.host.hwnd(), nullptr, 200, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(testsupport::WaitFor([&] { return log.Count("MouseOut") == 1; }, 2000, 5)) << "moved away";

    hoverAt(30);
    ASSERT_EQ(log.Count("MouseOver"), 2);
    ASSERT_EQ(log.Count("MouseOut"), 1);
    RECT r;
    GetWindowRect(s.hwnd(), &r);
    HostWindow cover(r.left, r.top, r.right - r.left, r.bottom - r.top);
    SetWindowPos(cover.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(testsupport::WaitFor([&] { return log.Count("MouseOut") == 2; }, 2000, 5)) << "covered";
    EXPECT_EQ(Snapshot(s.hwnd()).At(1, 12), PlainLeft);
}

TEST(ButtonGdiInteraction, RightButtonPaintsNothingAndDoesNotClick)
{
    Stage s;
    EventLog log(*s.button);
    s.PointAt(30, 12);
    s.Send(WM_MOUSEMOVE, 0, 30, 12);
    Pump();
    log.Entries.clear();
    const COLORREF before = Snapshot(s.hwnd()).At(1, 12);
    s.Send(WM_RBUTTONDOWN, MK_RBUTTON, 30, 12);
    EXPECT_EQ(Snapshot(s.hwnd()).At(1, 12), before);
    EXPECT_EQ(Snapshot(s.hwnd()).At(30, 3), UpRow3);
    s.Send(WM_RBUTTONUP, 0, 30, 12);
    Pump();
    EXPECT_EQ(Snapshot(s.hwnd()).At(1, 12), before);
    EXPECT_EQ(log.Entries, (EventLog::List{"MouseDown(2,0,30,12)", "MouseUp(2,0,30,12)"}));

    // The middle button shows the pressed look until it is released.
    s.Send(WM_MBUTTONDOWN, MK_MBUTTON | MK_SHIFT, 30, 12);
    EXPECT_EQ(Snapshot(s.hwnd()).At(30, 3), PressedRow3);
    s.Send(WM_MBUTTONUP, MK_SHIFT, 30, 12);
    EXPECT_EQ(Snapshot(s.hwnd()).At(30, 3), UpRow3);
    EXPECT_EQ(log.Count("Click"), 0);
    EXPECT_EQ(log.Entries[2], "MouseDown(4,1,30,12)");
}

TEST(ButtonGdiInteraction, ClickDragOutAndBackAndDoubleClick)
{
    Stage s;
    EventLog log(*s.button);
    s.PointAt(30, 12);
    s.Send(WM_LBUTTONDOWN, MK_LBUTTON, 30, 12);
    EXPECT_EQ(GetCapture(), s.hwnd());
    EXPECT_EQ(Snapshot(s.hwnd()).At(30, 3), PressedRow3);

    // Dragged out: the up look; dragged back: pressed again.
    s.PointAway();
    s.Send(WM_MOUSEMOVE, MK_LBUTTON, -100, -100);
    EXPECT_EQ(Snapshot(s.hwnd()).At(30, 3), UpRow3);
    s.PointAt(31, 12);
    s.Send(WM_MOUSEMOVE, MK_LBUTTON, 31, 12);
    EXPECT_EQ(Snapshot(s.hwnd()).At(30, 3), PressedRow3);
    s.Send(WM_LBUTTONUP, 0, 31, 12);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(log.Entries, (EventLog::List{"MouseDown(1,0,30,12)", "MouseUp(1,0,31,12)", "Click"}));
    EXPECT_EQ(Snapshot(s.hwnd()).At(30, 3), UpRow3);

    // Released outside: no click.
    log.Entries.clear();
    s.Send(WM_LBUTTONDOWN, MK_LBUTTON, 30, 12);
    s.Send(WM_LBUTTONUP, 0, 300, 12);
    EXPECT_EQ(log.Count("Click"), 0);

    // The host's double-click sequence: press, release, double click, release.
    log.Entries.clear();
    s.Send(WM_LBUTTONDOWN, MK_LBUTTON, 30, 12);
    s.Send(WM_LBUTTONUP, 0, 30, 12);
    s.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, 30, 12);
    EXPECT_EQ(Snapshot(s.hwnd()).At(30, 3), PressedRow3);
    EXPECT_EQ(GetCapture(), s.hwnd());
    s.Send(WM_LBUTTONUP, 0, 30, 12);
    EXPECT_EQ(log.Entries, (EventLog::List{"MouseDown(1,0,30,12)", "MouseUp(1,0,30,12)", "Click",
                                           "MouseDown(1,0,0,0)", "MouseUp(1,0,30,12)"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(ButtonGdiInteraction, CheckBoxTogglesWithoutNotifyingTheHost)
{
    Stage s;
    s.button->SetCheckBoxBehaviour(true);
    int changes = 0;
    s.button->Changed = [&] { ++changes; };
    EventLog log(*s.button);
    s.PointAt(30, 12);
    for (int i = 0; i < 2; ++i) {
        s.Send(WM_LBUTTONDOWN, MK_LBUTTON, 30, 12);
        s.Send(WM_LBUTTONUP, 0, 30, 12);
        EXPECT_EQ(s.button->Value(), i == 0);
        EXPECT_EQ(Snapshot(s.hwnd()).At(30, 3), i == 0 ? PressedRow3 : UpRow3);
    }
    // An access key (BM_CLICK from the dialog manager) toggles as well.
    SendMessageW(s.hwnd(), BM_CLICK, 0, 0);
    EXPECT_TRUE(s.button->Value());
    EXPECT_EQ(log.Count("Click"), 3);
    EXPECT_EQ(changes, 0);
    s.button->SetValue(false);
    EXPECT_EQ(changes, 1);
}

TEST(ButtonGdiInteraction, DisabledButtonStillEndsItsHover)
{
    Stage s;
    EventLog log(*s.button);
    s.PointAt(30, 12);
    s.Send(WM_MOUSEMOVE, 0, 30, 12);
    ASSERT_EQ(log.Count("MouseOver"), 1);
    s.button->SetEnabled(false);
    SendMessageW(s.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(log.Count("Click"), 0);
    s.PointAway();
    ASSERT_TRUE(testsupport::WaitFor([&] { return log.Count("MouseOut") == 1; }, 2000, 5));
    EXPECT_EQ(Snapshot(s.hwnd()).At(30, 3), DisabledFace);
}

TEST(ButtonGdiLooks, PlainDeviceContextAndRetainedSurfaceAgree)
{
    // The same look with a picture, once through BitBlt and GetDIBits on an ordinary memory DC,
    // once through the retained surface's own pixel access.
    Stage s;
    s.button->SetButtonType(3);
    s.button->SetPictureNormal(Disc());
    s.button->SetEnabled(false);
    const ButtonState& state = s.button->State();
    RetainedSurface surface;
    surface.Resize(60, 25);
    PaintLook(state, surface.canvas(), StatePressed, false);

    WindowDc screen(nullptr);
    UniqueMemDc dc(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), 60, 25));
    Selected into(dc.get(), bitmap.get());
    SetBkMode(dc.get(), TRANSPARENT); // as the retained surface draws its text
    GdiCanvas plain(dc.get());
    PaintLook(state, plain, StatePressed, false);

    int differences = 0, pictured = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 60; ++x) {
            differences += GetPixel(surface.dc(), x, y) != GetPixel(dc.get(), x, y);
            pictured += GetPixel(dc.get(), x, y) != RGB(231, 231, 224) && x > 2 && x < 57 && y > 2 && y < 22;
        }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(pictured, 50); // the greyscale disc is there
}
