#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ShowRoadKit.h"

using e2e::VistoraApp;
using namespace e2e;
using testsupport::ScreenPixel;
using testsupport::WaitFor;
using testsupport::WindowText;
using testsupport::WriteBytes;

namespace {

constexpr int BackButtonId = 100;
constexpr COLORREF PenRed = RGB(255, 0, 0);
constexpr COLORREF PenBlack = RGB(0, 0, 0);

int RowsOf(int x, int fromY, int toY, COLORREF colour)
{
    int count = 0;
    for (int y = fromY; y <= toY; ++y) count += ScreenPixel(x, y) == colour;
    return count;
}

void Drag(int x0, int y0, int x1, int y1)
{
    VistoraApp::MoveTo(x0, y0);
    VistoraApp::LeftDown();
    for (int step = 1; step <= 8; ++step) VistoraApp::MoveTo(x0 + (x1 - x0) * step / 8, y0 + (y1 - y0) * step / 8);
    VistoraApp::LeftUp();
    Sleep(200);
}

// The road of one show, in the usual program folder.
class ShowRoad : public e2e::ShowRoadTest {};

} // namespace

TEST_F(ShowRoad, BarFollowsThePointerAndEndsWithTheShow)
{
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    VistoraApp::MoveTo(640, 2);
    ASSERT_TRUE(WaitFor([&] { return Top(bar) == 0; }, 1500));
    RECT r{};
    GetWindowRect(bar, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    VistoraApp::MoveTo(640, 28);
    SaveScreen(L"bar_over_show");

    const int hiddenTop = -40;
    testsupport::WaitFor([] { return false; }, 1000);
    EXPECT_EQ(Top(bar), 0) << "Y 28 keeps the bar";
    VistoraApp::MoveTo(640, 29);
    EXPECT_TRUE(WaitFor([&] { return Top(bar) == hiddenTop; }, 1000)) << "Y 29 hides it at the next tick";
    VistoraApp::MoveTo(640, 4);
    testsupport::WaitFor([] { return false; }, 1000);
    EXPECT_EQ(Top(bar), hiddenTop) << "Y 4 does not bring it back";
    VistoraApp::MoveTo(640, 3);
    EXPECT_TRUE(WaitFor([&] { return Top(bar) == 0; }, 1000)) << "Y 3 does";

    // Esc in the show ends it; the bar follows within about half a second.
    HWND show = ShowWindowOf(Name);
    PostMessageW(show, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(show); }, 3000));
    const DWORD gone = GetTickCount();
    EXPECT_TRUE(MainIsBack());
    EXPECT_LT(GetTickCount() - gone, 1200u);
}

TEST_F(ShowRoad, ExitClosesTheShowButNeitherClosesNorCountsADecoy)
{
    static int decoyCloses;
    decoyCloses = 0;
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        if (msg == WM_CLOSE) {
            ++decoyCloses;
            return 0;
        }
        return DefWindowProcW(hwnd, msg, w, l);
    };
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ShowRoadDecoy";
    RegisterClassW(&wc);
    HWND decoy = CreateWindowExW(0, wc.lpszClassName, L"My Talk.ppt - decoy", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700,
                                 500, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);

    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    HWND show = ShowWindowOf(Name);
    ClickBarButton(bar, 1);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(show); }, 3000)) << "Exit closes the show";
    EXPECT_TRUE(MainIsBack());
    EXPECT_EQ(decoyCloses, 0);

    // With the decoy still there, the end of a show still ends the bar.
    VistoraApp::MoveTo(640, 600);
    bar = StartShow();
    ASSERT_NE(bar, nullptr);
    show = ShowWindowOf(Name);
    PostMessageW(show, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(show); }, 3000));
    EXPECT_TRUE(MainIsBack());
    EXPECT_EQ(decoyCloses, 0);
    EXPECT_TRUE(IsWindow(decoy));
    DestroyWindow(decoy);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

TEST_F(ShowRoad, EscapeOnTheBarEndsTheBarAndLeavesTheShowRunning)
{
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    PostMessageW(bar, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(MainIsBack());
    testsupport::WaitFor([] { return false; }, 800);
    EXPECT_NE(ShowWindowOf(Name), nullptr);
}

TEST_F(ShowRoad, SpecialOpensTheConfiguredDocumentAndTheShowGoesOn)
{
    // The shipped configuration names Checklist.Txt; its type opens with a program that notes
    // what it was given.
    e2e::ClassOverride text(L".txt", e2e::PeerProgram(L"peer_browser.exe"));
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(IsWindowEnabled(ChildById(bar, BarButtonId + 5)));
    ClickBarButton(bar, 5);
    std::string log;
    EXPECT_TRUE(WaitFor([&] { return (log = testsupport::ReadBytes(PeerLog())).find('\n') != std::string::npos; }, 10000));
    std::string lowerLog = log;
    std::transform(lowerLog.begin(), lowerLog.end(), lowerLog.begin(), [](char c) { return static_cast<char>(tolower(c)); });
    std::string expected;
    for (wchar_t c : app_.File(L"Checklist.Txt")) expected += static_cast<char>(towlower(c));
    EXPECT_NE(lowerLog.find(expected), std::string::npos) << log;
    EXPECT_NE(ShowWindowOf(Name), nullptr) << "the show goes on";
    EXPECT_NE(Bar(app_), nullptr) << "and so does the bar";
}

TEST_F(ShowRoad, PhotoFreezesTheScreenForThePen)
{
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    ClickBarButton(bar, 2);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(bar) || Top(bar) < 0; }, 1000)) << "the bar goes away";
    HWND overlay = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (overlay = Overlay(app_)) != nullptr; }, 5000));
    testsupport::WaitFor([] { return false; }, 500);

    // Strokes land two pixels right of and below the pointer: the picture's own point is used.
    Drag(200, 300, 400, 300);
    EXPECT_EQ(RowsOf(300, 290, 312, PenRed), 3) << "red, 3 pixels wide";
    EXPECT_EQ(ScreenPixel(300, 302), PenRed);

    // The toolbar: bring it back at the top edge, then pick black and width "1".
    VistoraApp::MoveTo(640, 2);
    const std::vector<HWND> statics = Statics(overlay);
    ASSERT_EQ(statics.size(), 19u);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(GetParent(statics[0])) != 0; }, 2000));
    VistoraApp::Click(statics[0]);
    Drag(250, 300, 350, 300);
    EXPECT_EQ(RowsOf(300, 290, 312, PenRed), 0) << "swatch 0 draws black over the red stroke";
    EXPECT_EQ(ScreenPixel(300, 302), PenBlack);
    EXPECT_EQ(RowsOf(220, 290, 312, PenRed), 3);

    VistoraApp::MoveTo(640, 2);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(GetParent(statics[16])) != 0; }, 2000));
    EXPECT_EQ(WindowText(statics[16]), L"1");
    VistoraApp::Click(statics[16]);
    VistoraApp::Click(statics[12]);
    Drag(200, 500, 400, 500);
    EXPECT_EQ(RowsOf(300, 490, 512, PenRed), 2) << "width \"1\" draws 2 pixels";
    VistoraApp::MoveTo(640, 600);
    testsupport::WaitFor([] { return false; }, 1200);
    SaveScreen(L"overlay_with_strokes");

    // Back: the overlay goes, the bar stays out of view until the top edge, and hides below 25.
    VistoraApp::MoveTo(640, 2);
    HWND back = ChildById(overlay, BackButtonId);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(GetParent(back)) != 0; }, 2000));
    SaveScreen(L"overlay_toolbar");
    VistoraApp::Click(back);
    // The bar unloads the overlay once it has hidden (hiding a full-screen window can take a
    // moment where no window manager answers).
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(overlay); }, 5000));
    EXPECT_FALSE(IsWindowVisible(bar));
    VistoraApp::MoveTo(640, 600);
    VistoraApp::MoveTo(640, 2);
    HWND back2 = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (back2 = Bar(app_)) != nullptr && Top(back2) == 0; }, 4000));
    VistoraApp::MoveTo(640, 26);
    EXPECT_TRUE(WaitFor([&] { return Top(back2) < 0; }, 1500))
        << "the limit is 25 after the pen";
    EXPECT_NE(ShowWindowOf(Name), nullptr);
}
