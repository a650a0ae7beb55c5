#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "MessageCount.h"
#include "WindowPixels.h"
#include "WineTestSupport.h"
#include "host/Controls.h"
#include "host/Form.h"
#include "host/MessageLoop.h"
#include "host/Screen.h"
#include "host/Twips.h"

namespace {

class RecordingForm : public host::Form {
public:
    RecordingForm() : host::Form(host::FormStyle{WS_POPUP | WS_THICKFRAME, WS_EX_TOOLWINDOW, L"Recording"}) {}
    std::vector<std::string> events;
    bool cancelUnload = false;

protected:
    void Form_Load() override { events.push_back("load"); }
    void Form_QueryUnload(bool& cancel) override
    {
        events.push_back("query");
        cancel = cancelUnload;
    }
    void Form_Unload() override { events.push_back("unload"); }
    void Form_KeyDown(int& keyCode, int) override { events.push_back("key" + std::to_string(keyCode)); }
};

} // namespace

TEST(HostForm, GeometryInTwipsRoundTripsThroughPixels)
{
    const int dpi = screen::Dpi();
    const double perPixel = twips::PerPixel(dpi);
    RecordingForm form;
    form.Load();
    form.Move(30 * perPixel, 45 * perPixel, 400 * perPixel, 300 * perPixel);
    EXPECT_DOUBLE_EQ(form.Left(), 30 * perPixel);
    EXPECT_DOUBLE_EQ(form.Top(), 45 * perPixel);
    EXPECT_DOUBLE_EQ(form.Width(), 400 * perPixel);
    EXPECT_DOUBLE_EQ(form.Height(), 300 * perPixel);
    RECT client;
    GetClientRect(form.hwnd(), &client);
    EXPECT_DOUBLE_EQ(form.ScaleWidth(), client.right * perPixel);
    EXPECT_LT(form.ScaleWidth(), form.Width()) << "the frame is outside the client area";

    // A child placed in twips lands on the pixel the twips name, relative to its parent.
    host::PictureBox box(form.hwnd(), RGB(0, 0, 192));
    box.Move(10 * perPixel, 20 * perPixel, 50 * perPixel, 25 * perPixel);
    RECT r;
    GetWindowRect(box.hwnd(), &r);
    MapWindowPoints(HWND_DESKTOP, form.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 50);
    EXPECT_DOUBLE_EQ(box.Width(), 50 * perPixel);

    // Given the place it has, the box is left alone; any other place reaches the window.
    const MessageCount changes(box.hwnd(), WM_WINDOWPOSCHANGING);
    box.Move(10 * perPixel, 20 * perPixel, 50 * perPixel, 25 * perPixel);
    box.SetTop(box.Top());
    box.SetWidth(box.Width());
    EXPECT_EQ(changes.count(), 0);
    box.SetLeft(12 * perPixel);
    box.SetHeight(30 * perPixel);
    EXPECT_EQ(changes.count(), 2);
    GetWindowRect(box.hwnd(), &r);
    MapWindowPoints(HWND_DESKTOP, form.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 12);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.bottom - r.top, 30);
}

TEST(HostPictureBox, ClickNeedsPressAndReleaseOverTheBoxAndEventsNameTheirButton)
{
    RecordingForm form;
    form.Load();
    host::PictureBox box(form.hwnd(), RGB(0, 0, 192));
    SetWindowPos(box.hwnd(), nullptr, 10, 10, 40, 20, SWP_NOZORDER | SWP_NOACTIVATE);
    int clicks = 0;
    std::vector<int> downs, ups;
    box.Click = [&] { ++clicks; };
    box.MouseDown = [&](int button, int, double, double) { downs.push_back(button); };
    box.MouseUp = [&](int button, int, double, double) { ups.push_back(button); };
    auto send = [&](UINT msg, WPARAM keys, int x, int y) { SendMessageW(box.hwnd(), msg, keys, MAKELPARAM(x, y)); };

    send(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    send(WM_LBUTTONUP, 0, 39, 19);
    EXPECT_EQ(clicks, 1) << "press and release over the box";

    // Slid off before the release (the box holds the mouse, so the release still reaches it).
    for (POINT off : {POINT{40, 5}, POINT{-1, 5}, POINT{5, 20}, POINT{5, -30}}) {
        send(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
        send(WM_LBUTTONUP, 0, off.x, off.y);
    }
    EXPECT_EQ(clicks, 1) << "no click after sliding off";
    // Nor does a release without a press of its own click.
    send(WM_LBUTTONUP, 0, 5, 5);
    EXPECT_EQ(clicks, 1);

    // A press names its own button, whatever else is held.
    downs.clear();
    ups.clear();
    send(WM_RBUTTONDOWN, MK_RBUTTON, 5, 5);
    send(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 5, 5);
    send(WM_MBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_MBUTTON, 5, 5);
    send(WM_LBUTTONUP, MK_RBUTTON | MK_MBUTTON, 5, 5);
    send(WM_MBUTTONUP, MK_RBUTTON, 5, 5);
    send(WM_RBUTTONUP, 0, 5, 5);
    EXPECT_EQ(downs, (std::vector<int>{2, 1, 4}));
    EXPECT_EQ(ups, (std::vector<int>{1, 4, 2}));
    EXPECT_EQ(clicks, 2);
}

// A box paints its frame as the system paints one, and a box without a frame still paints all of
// its window.
TEST(HostPictureBox, FrameIsPaintedAsTheSystemPaintsItAndOnlyWhereThereIsOne)
{
    RecordingForm form;
    form.Load();
    SetWindowPos(form.hwnd(), nullptr, 0, 0, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(form.hwnd(), SW_SHOWNA);

    // A static control leaves its frame to the system.
    const DWORD framed = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL;
    HWND plain = CreateWindowExW(0, L"STATIC", L"", framed, 120, 10, 80, 60, form.hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(plain, nullptr);
    host::PictureBox box(form.hwnd(), RGB(0, 0, 192));
    SetWindowLongPtrW(box.hwnd(), GWL_STYLE, framed);
    SetWindowPos(box.hwnd(), nullptr, 10, 10, 80, 60, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    host::PictureBox frameless(form.hwnd(), RGB(0, 0, 192));
    SetWindowPos(frameless.hwnd(), nullptr, 10, 100, 40, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND hwnd : {plain, box.hwnd(), frameless.hwnd()})
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);

    // The pixels around the client area, which is where the two windows differ.
    auto frame = [](HWND hwnd) {
        RECT place{}, client{};
        GetWindowRect(hwnd, &place);
        GetClientRect(hwnd, &client);
        MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        OffsetRect(&client, -place.left, -place.top);
        const std::vector<DWORD> all = WindowPixels(hwnd);
        std::vector<DWORD> outside;
        const int width = place.right - place.left;
        for (int i = 0; i < static_cast<int>(all.size()); ++i)
            if (!PtInRect(&client, POINT{i % width, i / width})) outside.push_back(all[static_cast<std::size_t>(i)]);
        return outside;
    };
    const std::vector<DWORD> expected = frame(plain);
    ASSERT_FALSE(expected.empty());
    EXPECT_NE(std::count(expected.begin(), expected.end(), expected.front()),
              static_cast<std::ptrdiff_t>(expected.size()))
        << "a border and a scroll bar are more than one colour";
    EXPECT_EQ(frame(box.hwnd()), expected);

    const std::vector<DWORD> whole = WindowPixels(frameless.hwnd());
    ASSERT_EQ(whole.size(), 40u * 30u);
    EXPECT_EQ(std::count(whole.begin(), whole.end(), DWORD{0x0000C0}), static_cast<std::ptrdiff_t>(whole.size()));
    DestroyWindow(plain);
}

// The boxes share a device context: what one box's painter sets in it does not reach what the
// others give, such as the colours a button of the container colour scheme reads from its box.
TEST(HostPictureBox, WhatAPainterSetsGoesWithItsPaint)
{
    RecordingForm form;
    form.Load();
    SetWindowPos(form.hwnd(), nullptr, 0, 0, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(form.hwnd(), SW_SHOWNA);
    host::PictureBox painted(form.hwnd(), RGB(0, 0, 192));
    host::PictureBox other(form.hwnd(), RGB(0, 192, 0));
    SetWindowPos(painted.hwnd(), nullptr, 10, 10, 40, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(other.hwnd(), nullptr, 60, 10, 40, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    painted.Paint = [](HDC dc, const RECT&) {
        SetBkColor(dc, RGB(200, 0, 0));
        SetTextColor(dc, RGB(0, 200, 0));
        SetBkMode(dc, TRANSPARENT);
    };
    for (HWND hwnd : {other.hwnd(), painted.hwnd()})
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    for (HWND hwnd : {other.hwnd(), painted.hwnd()}) {
        const WindowDc dc(hwnd);
        EXPECT_EQ(GetBkColor(dc.get()), RGB(255, 255, 255));
        EXPECT_EQ(GetTextColor(dc.get()), RGB(0, 0, 0));
        EXPECT_EQ(GetBkMode(dc.get()), OPAQUE);
    }
    const std::vector<DWORD> green = WindowPixels(other.hwnd());
    EXPECT_EQ(std::count(green.begin(), green.end(), DWORD{0x00C000}), static_cast<std::ptrdiff_t>(green.size()));
}

TEST(HostLabel, ClickColoursAndEitherEndOfItsLife)
{
    RecordingForm form;
    form.Load();
    auto label = std::make_unique<host::Label>(form.hwnd(), L"Folder:");
    ASSERT_NE(label->hwnd(), nullptr);
    int clicks = 0;
    label->Click = [&] { ++clicks; };
    SendMessageW(label->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(clicks, 0) << "the release clicks, not the press";
    SendMessageW(label->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(label->Caption(), L"Folder:") << "the static still answers its own messages";

    // The parent colours a label as the label says; another static is left to the system.
    label->SetColors(RGB(200, 10, 20), RGB(1, 2, 3));
    HDC dc = GetDC(label->hwnd());
    EXPECT_NE(host::ControlColor(dc, label->hwnd()), nullptr);
    EXPECT_EQ(GetTextColor(dc), RGB(200, 10, 20));
    EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
    HWND plain = CreateWindowExW(0, L"STATIC", L"plain", WS_CHILD, 0, 0, 10, 10, form.hwnd(), nullptr, nullptr, nullptr);
    EXPECT_EQ(host::ControlColor(dc, plain), nullptr);
    ReleaseDC(label->hwnd(), dc);

    // The object gone first: the window is a plain static again and clicks nobody.
    HWND window = label->hwnd();
    label.reset();
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(clicks, 1);
    dc = GetDC(window);
    EXPECT_EQ(host::ControlColor(dc, window), nullptr);
    ReleaseDC(window, dc);

    // The window gone first: the object lets go quietly.
    auto second = std::make_unique<host::Label>(form.hwnd(), L"Drive:");
    DestroyWindow(second->hwnd());
    second.reset();
    DestroyWindow(plain);
}

TEST(HostForm, LoadRunsOnceAndUnloadCanBeCancelled)
{
    RecordingForm form;
    form.Load();
    form.Load();
    EXPECT_EQ(form.events, (std::vector<std::string>{"load"}));
    form.cancelUnload = true;
    EXPECT_FALSE(form.Unload());
    EXPECT_TRUE(form.Loaded());
    form.cancelUnload = false;
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(form.events, (std::vector<std::string>{"load", "query", "query", "unload"}));
    // The close box takes the same road.
    RecordingForm other;
    other.Load();
    SendMessageW(other.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(other.Loaded());
}

TEST(HostForm, KeyDownReachesTheFormOnlyWhenItHasTheFocus)
{
    RecordingForm form;
    form.Move(0, 0, 3000, 2000);
    form.Show();
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, form.hwnd(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(form.hwnd());
    auto press = [](WORD key) {
        INPUT input[2]{};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = key;
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
        host::SleepPumping(100);
    };

    SetFocus(form.hwnd());
    ASSERT_EQ(GetFocus(), form.hwnd());
    press(VK_ESCAPE);
    ASSERT_FALSE(form.events.empty());
    EXPECT_EQ(form.events.back(), "key27");

    // A control with the focus takes the key itself.
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    form.events.clear();
    press('A');
    EXPECT_EQ(testsupport::WindowText(edit), L"a");
    EXPECT_TRUE(form.events.empty());
}

TEST(HostForm, ModalLoopReturnsWhenHiddenAndRestoresTheOtherWindows)
{
    RecordingForm owner;
    owner.Show();
    RecordingForm modal;
    bool ownerDisabledDuringModal = false;
    host::Timer closer;
    closer.SetInterval(50);
    closer.Tick = [&] {
        ownerDisabledDuringModal = !IsWindowEnabled(owner.hwnd());
        closer.SetEnabled(false);
        modal.Hide();
    };
    closer.SetEnabled(true);
    modal.ShowModal();
    EXPECT_TRUE(ownerDisabledDuringModal);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    EXPECT_TRUE(modal.Loaded()) << "hiding ends the modal loop without unloading";

    // Unloading from inside the loop ends it as well.
    closer.Tick = [&] {
        closer.SetEnabled(false);
        modal.Unload();
    };
    closer.SetEnabled(true);
    modal.ShowModal();
    EXPECT_FALSE(modal.Loaded());
}

TEST(HostTimer, HandlerThatPumpsIsNotReentered)
{
    host::Timer timer;
    int depth = 0, deepest = 0, ticks = 0;
    timer.SetInterval(5);
    timer.Tick = [&] {
        ++depth;
        ++ticks;
        deepest = std::max(deepest, depth);
        host::SleepPumping(60);
        --depth;
    };
    timer.SetEnabled(true);
    host::SleepPumping(400);
    timer.SetEnabled(false);
    EXPECT_GE(ticks, 2);
    EXPECT_EQ(deepest, 1);
}

TEST(HostTimer, IntervalZeroOrDisabledNeverFiresAndSelfDeletionIsSafe)
{
    int ticks = 0;
    host::Timer idle;
    idle.Tick = [&] { ++ticks; };
    idle.SetEnabled(true);
    idle.SetInterval(0);
    host::SleepPumping(100);
    EXPECT_EQ(ticks, 0);

    auto once = std::make_unique<host::Timer>();
    once->SetInterval(10);
    once->Tick = [&] {
        ++ticks;
        once.reset();
    };
    once->SetEnabled(true);
    host::SleepPumping(150);
    EXPECT_EQ(ticks, 1);
}

TEST(HostMessageLoop, SleepPumpingLetsMessagesThroughAndWaits)
{
    RecordingForm form;
    form.Load();
    PostMessageW(form.hwnd(), WM_KEYDOWN, 'A', 0);
    ULONGLONG start = GetTickCount64();
    host::SleepPumping(200);
    EXPECT_GE(GetTickCount64() - start, 190u);
    EXPECT_EQ(form.events.back(), "key65");
}

TEST(HostMessageLoop, ReleaseLaterWaitsForTheOuterLoop)
{
    auto alive = std::make_shared<int>(1);
    std::weak_ptr<int> watch = alive;
    {
        host::NestedLoopScope insideAHandler;
        host::ReleaseLater(std::move(alive));
        host::ReleasePending();
        EXPECT_FALSE(watch.expired());
    }
    host::ReleasePending();
    EXPECT_TRUE(watch.expired());
}
