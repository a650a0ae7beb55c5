#include <gtest/gtest.h>

#include <windows.h>

#include "ClipPictures.h"
#include "ShowRoadKit.h"

using namespace e2e;
using testsupport::WaitFor;

namespace {

// The player window's buttons have this control id plus their index; its player control has
// its own.
constexpr int PlayerButtonId = 300;
constexpr int PlayerControlId = 320;
constexpr int FullWindowButton = 5;

RECT ScreenRect(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// Vistora's video player: a visible form of the process that stands in the task bar.
HWND FindPlayer(DWORD pid)
{
    return testsupport::FindProcessWindow(
        pid, L"VistoraForm", [](HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0; });
}

// The decoded picture of a player window: the player control's own child.
HWND PictureOf(HWND player) { return GetWindow(ChildById(player, PlayerControlId), GW_CHILD); }

bool ShowsTheClip(HWND player)
{
    return WaitFor([&] { return clips::ShowsHalves(ScreenRect(PictureOf(player)), clips::Red, clips::Blue); }, 5000);
}

// The road of one show with a clip among the special programs.
class VideoRoad : public ShowRoadTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CopyFileW(clips::Path(L"mpeg4.avi").c_str(), app_.File(L"Clip.avi").c_str(), FALSE));
        ShowRoadTest::SetUp();
    }
};

} // namespace

TEST_F(VideoRoad, PlaysOverTheShowAndItsExitReturnsToThePickersCallerAndTheBar)
{
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    HWND picker = OpenPicker(bar);
    ASSERT_NE(picker, nullptr);
    Pick(picker, L"Clip.avi");
    HWND player = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (player = FindPlayer(app_.Pid())) != nullptr; }, 10000));
    EXPECT_EQ(FindPicker(app_.Pid()), nullptr) << "the picker hides while the player plays";
    EXPECT_TRUE(GetWindowLongPtrW(player, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(ShowsTheClip(player)) << clips::Describe(ScreenRect(PictureOf(player)));
    EXPECT_NE(ShowWindowOf(Name), nullptr) << "the show runs on under the player";
    SaveScreen(L"video_over_show");

    PostMessageW(ChildById(player, PlayerButtonId + FullWindowButton), BM_CLICK, 0, 0);
    auto pictureHeight = [&] {
        const RECT r = ScreenRect(PictureOf(player));
        return r.bottom - r.top;
    };
    EXPECT_TRUE(WaitFor([&] { return pictureHeight() > GetSystemMetrics(SM_CYSCREEN) * 3 / 4; }, 3000))
        << "the picture fills the window";
    EXPECT_TRUE(ShowsTheClip(player)) << clips::Describe(ScreenRect(PictureOf(player)));
    SaveScreen(L"video_full_window");

    // Exit: the player goes, then the picker, and the bar carries on over the show.
    PostMessageW(ChildById(player, PlayerButtonId + 0), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(player); }, 5000)) << "unloaded once it hid";
    EXPECT_TRUE(PickerGone());
    EXPECT_EQ(Bar(app_), bar);
    EXPECT_NE(ShowWindowOf(Name), nullptr) << "the show goes on";
    VistoraApp::MoveTo(640, 2);
    EXPECT_TRUE(WaitFor([&] { return Top(bar) == 0; }, 3000)) << "the bar's auto-hide runs again";
    VistoraApp::MoveTo(640, 600);
    HWND again = OpenPicker(bar);
    ASSERT_NE(again, nullptr) << "the bar opens the picker again";
    VistoraApp::Click(ChildById(again, PickerButtonId + 0));
    EXPECT_TRUE(PickerGone());
    EXPECT_TRUE(app_.Running());
}
