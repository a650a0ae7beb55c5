#include <gtest/gtest.h>

#include <windows.h>

#include <ole2.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include "ClipPictures.h"
#include "ShowTestTexts.h"
#include "WineTestSupport.h"
#include "app/Shared.h"
#include "host/Form.h"
#include "host/MediaPlayer.h"
#include "host/MessageLoop.h"
#include "host/Screen.h"
#include "special/Players.h"
#include "special/VideoLayout.h"
#include "special/frmVideo.h"

using clips::Blue;
using clips::Red;
using host::PlayState;
using testsupport::ScreenPixel;
using testsupport::WaitFor;

namespace {

constexpr std::int64_t UnitsPerSecond = 10'000'000;
constexpr COLORREF Black = RGB(0, 0, 0);
// Control ids of the player window: its button 0 and the player control.
constexpr int IdExit = 300;
constexpr int IdPlayer = 320;

RECT ScreenRect(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

SIZE SizeOf(HWND hwnd)
{
    const RECT r = ScreenRect(hwnd);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// The picture's own window inside the player control; nullptr while nothing is open.
HWND PictureWindow(const host::MediaPlayer& player) { return GetWindow(player.hwnd(), GW_CHILD); }

bool ShowsClip(HWND picture)
{
    return picture && WaitFor([&] { return clips::ShowsHalves(ScreenRect(picture), Red, Blue); }, 3000);
}

std::string Seen(HWND picture) { return picture ? clips::Describe(ScreenRect(picture)) : "no picture"; }

// Played on until past the given time, then at the end halted on the first picture again.
bool PlaysToTheEndAndRewinds(const host::MediaPlayer& player)
{
    return WaitFor([&] { return player.Position() > UnitsPerSecond; }, 5000) &&
           WaitFor([&] { return player.State() == PlayState::Paused && player.Position() == 0; }, 8000);
}

// The decoders want COM on the thread, as the program's start gives it.
class ComOnThisThread : public ::testing::Test {
protected:
    static void SetUpTestSuite() { OleInitialize(nullptr); }
    static void TearDownTestSuite() { OleUninitialize(); }
};

// One plain window for the suite: a shown window takes Wine two seconds to hide where no window
// manager answers.
class MediaPlayerControl : public ComOnThisThread {
protected:
    static void SetUpTestSuite()
    {
        ComOnThisThread::SetUpTestSuite();
        host::FormStyle style;
        style.style = WS_POPUP;
        style.exStyle = WS_EX_TOPMOST;
        style.backColor = RGB(128, 128, 128);
        form_ = std::make_unique<host::Form>(style);
        form_->Load();
        form_->Move(0, 0, screen::ToTwips(1000), screen::ToTwips(700));
        form_->Show();
    }
    static void TearDownTestSuite()
    {
        form_.reset();
        ComOnThisThread::TearDownTestSuite();
    }
    static HWND Parent() { return form_->hwnd(); }

    static inline std::unique_ptr<host::Form> form_;
};

void PlaceInPixels(host::MediaPlayer& player, int left, int top, int width, int height)
{
    player.Move(screen::ToTwips(left), screen::ToTwips(top), screen::ToTwips(width), screen::ToTwips(height));
}

} // namespace

TEST_F(MediaPlayerControl, TakesThePicturesSizeAtEachDisplaySizeAndOpensFileAfterFile)
{
    host::MediaPlayer player(Parent());
    PlaceInPixels(player, 30, 30, 100, 80);
    player.SetFileName(clips::Path(L"mpeg4.avi"));
    EXPECT_TRUE(player.IsOpen());
    EXPECT_EQ(player.State(), PlayState::Running) << "AutoStart is on by default";
    EXPECT_EQ(SizeOf(player.hwnd()).cx, 100) << "without AutoSize the control keeps its size";
    player.SetAutoSize(true);
    EXPECT_EQ(SizeOf(player.hwnd()).cx, 320);
    EXPECT_EQ(SizeOf(player.hwnd()).cy, 240);
    EXPECT_NEAR(player.Width(), screen::ToTwips(320), 1);
    EXPECT_TRUE(ShowsClip(PictureWindow(player))) << Seen(PictureWindow(player));

    player.SetDisplaySize(video::DisplayDoubleSize);
    EXPECT_EQ(SizeOf(player.hwnd()).cx, 640);
    EXPECT_EQ(SizeOf(player.hwnd()).cy, 480);
    EXPECT_EQ(ScreenRect(PictureWindow(player)).left, ScreenRect(player.hwnd()).left);
    EXPECT_EQ(SizeOf(PictureWindow(player)).cx, 640);
    EXPECT_TRUE(ShowsClip(PictureWindow(player))) << Seen(PictureWindow(player));

    // Fitted to a wide control: the control keeps its size, the picture its proportions,
    // centred on black.
    player.SetDisplaySize(video::DisplayFitToControl);
    PlaceInPixels(player, 30, 30, 600, 200);
    EXPECT_EQ(SizeOf(player.hwnd()).cx, 600);
    const RECT control = ScreenRect(player.hwnd());
    const RECT picture = ScreenRect(PictureWindow(player));
    EXPECT_EQ(picture.top, control.top);
    EXPECT_EQ(picture.bottom - picture.top, 200);
    EXPECT_NEAR(picture.left - control.left, (600 - 267) / 2, 1);
    EXPECT_NEAR(picture.right - picture.left, 267, 1);
    EXPECT_TRUE(ShowsClip(PictureWindow(player))) << Seen(PictureWindow(player));
    EXPECT_EQ(ScreenPixel(control.left + 40, control.top + 100), Black);
    EXPECT_EQ(ScreenPixel(control.right - 40, control.top + 100), Black);

    player.SetDisplaySize(video::DisplayOwnSize);
    EXPECT_EQ(SizeOf(player.hwnd()).cx, 320);

    // Without AutoStart the next file waits on its first picture for Play.
    player.SetAutoStart(false);
    player.SetFileName(clips::Path(L"mjpeg.avi"));
    host::SleepPumping(300);
    EXPECT_EQ(player.State(), PlayState::Paused);
    EXPECT_EQ(player.Position(), 0);
    EXPECT_TRUE(ShowsClip(PictureWindow(player))) << Seen(PictureWindow(player));
    player.Play();
    EXPECT_TRUE(WaitFor([&] { return player.Position() > UnitsPerSecond / 5; }, 3000));

    // A file it cannot play takes the picture away and leaves the control black, of the size
    // the last picture gave it.
    player.SetFileName(clips::Path(L"random.avi"));
    EXPECT_EQ(player.FileName(), clips::Path(L"random.avi"));
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(PictureWindow(player), nullptr);
    player.Play();
    EXPECT_EQ(player.State(), PlayState::Stopped);
    EXPECT_EQ(SizeOf(player.hwnd()).cx, 320);
    host::SleepPumping(100);
    const RECT emptied = ScreenRect(player.hwnd());
    EXPECT_EQ(ScreenPixel(emptied.left + 160, emptied.top + 120), Black);
}

TEST_F(MediaPlayerControl, ReleasesEverythingAlsoWhenItsParentGoesFirst)
{
    testsupport::ScratchFolder folder(L"media-player");
    const std::wstring clip = folder / L"clip.avi";
    ASSERT_TRUE(CopyFileW(clips::Path(L"mjpeg.avi").c_str(), clip.c_str(), FALSE));
    auto cycle = [&](int round) {
        host::MediaPlayer player(Parent(), round);
        player.SetAutoSize(true);
        player.SetFileName(round % 3 ? clip : clips::Path(L"random.avi"));
        player.SetFileName(clip);
        host::SleepPumping(20);
    };
    cycle(0); // the first graph loads the decoders, which stay
    DWORD handlesBefore = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesBefore);
    const DWORD gdiBefore = testsupport::GdiObjectCount();
    for (int round = 1; round < 13; ++round) cycle(round);

    // A parent window destroyed under a playing control takes the picture's window with the
    // graph; the control's later calls do nothing.
    {
        host::FormStyle style;
        style.style = WS_POPUP;
        auto form = std::make_unique<host::Form>(style);
        form->Load();
        host::MediaPlayer orphan(form->hwnd());
        orphan.SetFileName(clip);
        form.reset();
        EXPECT_FALSE(orphan.IsOpen());
        orphan.SetFileName(clip);
        orphan.Play();
        orphan.SetDisplaySize(video::DisplayDoubleSize);
        EXPECT_EQ(orphan.State(), PlayState::Stopped);
    }
    host::SleepPumping(500);

    DWORD handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
    EXPECT_LE(handlesAfter, handlesBefore + 10) << "handles before " << handlesBefore;
    EXPECT_LE(testsupport::GdiObjectCount(), gdiBefore + 2);
    EXPECT_EQ(GetWindow(Parent(), GW_CHILD), nullptr) << "no control window left";
    UniqueFile file(CreateFileW(clip.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(file) << "the clip is closed";
}

namespace {

// The video player as the picker opens it, but shown without a modal loop so that the test can
// drive it.
class VideoWindow : public ComOnThisThread {
protected:
    void SetUp() override
    {
        NumberTheTexts();
        shared.TooltipSwitch = L"YES";
        shared.BarHideLimit = 28;
        shared.HoverIndex = 5;
        // Between the top rows and the hide limit: the bar stays as it is.
        SetCursorPos(640, 12);
    }
    void TearDown() override
    {
        if (video) video->Unload();
        video.reset();
        host::ReleasePending();
    }

    frmVideo& Open(const std::wstring& file)
    {
        shared.MediaFile = file;
        video = std::make_unique<frmVideo>();
        video->Load();
        video->Show();
        host::SleepPumping(200);
        return *video;
    }

    HWND Picture() const { return PictureWindow(*video->MediaPlayer1); }
    SIZE PlayerPixels() const { return SizeOf(video->MediaPlayer1->hwnd()); }

    // The frame stands around the player as GO_Resize puts it.
    void ExpectFramedPlayer(int width, int height) const
    {
        const frmVideo& v = *video;
        const double pixel = screen::ToTwips(1);
        EXPECT_EQ(PlayerPixels().cx, width);
        EXPECT_EQ(PlayerPixels().cy, height);
        const video::PlayerFrame frame = video::FrameAroundPlayer(v.ScaleWidth(), v.ScaleHeight(),
                                                                  screen::ToTwips(width), screen::ToTwips(height));
        EXPECT_NEAR(v.MediaPlayer1->Left(), 40, pixel);
        EXPECT_NEAR(v.MediaPlayer1->Top(), 40, pixel);
        EXPECT_NEAR(v.Pic->Left(), frame.Pic.Left, pixel);
        EXPECT_NEAR(v.Pic->Top(), frame.Pic.Top, pixel);
        EXPECT_NEAR(v.Pic->Width(), frame.Pic.Width, pixel);
        EXPECT_NEAR(v.Pic->Height(), frame.Pic.Height, pixel);
        EXPECT_NEAR(v.Menu->Width(), v.ScaleWidth(), pixel);
    }

    bool MenuBecomes(bool visible, int withinMs = 1200)
    {
        return WaitFor([&] { return video->Menu->Visible() == visible; }, withinMs);
    }

    std::unique_ptr<frmVideo> video;
};

// The visible player window of this process: a form in the task bar.
HWND FindPlayerWindow()
{
    return testsupport::FindProcessWindow(GetCurrentProcessId(), L"VistoraForm",
                                          [](HWND w) { return (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0; });
}

} // namespace

TEST_F(VideoWindow, LoadsFullScreenOnTopWithItsBarAndThePictureFramedAtEachSize)
{
    frmVideo& v = Open(clips::Path(L"mpeg4.avi"));
    const HWND w = v.hwnd();
    const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(w, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_THICKFRAME) << "sizeable";
    EXPECT_FALSE(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) << "no title bar";
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW) << "in the task bar";
    EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(testsupport::WindowText(w), L"");
    EXPECT_EQ(v.BackColor(), RGB(0, 0, 64));
    const RECT r = ScreenRect(w);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(v.ButtonCount, 8);
    EXPECT_EQ(shared.HoverIndex, 0);
    EXPECT_EQ(v.FullWindow, 0);
    EXPECT_FALSE(v.Timer1.Enabled());

    const double pixel = screen::ToTwips(1);
    EXPECT_EQ(v.Menu->BackColor(), RGB(0, 0, 192));
    EXPECT_EQ(v.Pic->BackColor(), RGB(0, 0, 64));
    EXPECT_EQ(v.Menu->Left(), 0);
    EXPECT_EQ(v.Menu->Top(), 0);
    EXPECT_NEAR(v.Menu->Height(), 470, pixel);
    EXPECT_EQ(GetWindow(v.Menu->hwnd(), GW_HWNDPREV), nullptr) << "the bar lies over the frame";
    const video::ButtonRow row = video::LayoutButtons(v.ScaleWidth());
    for (int i = 0; i < 8; ++i) {
        ZelButtonOXP& button = v.cmd(i);
        EXPECT_EQ(GetParent(button.hwnd()), v.Menu->hwnd()) << i;
        EXPECT_EQ(button.Caption(), L"  C" + std::to_wstring(42 + i)) << i;
        EXPECT_EQ(button.ToolTipText(), L"T" + std::to_wstring(42 + i)) << i;
        EXPECT_NE(button.PictureNormal(), nullptr) << i;
        EXPECT_NEAR(button.Left(), row.Left[static_cast<std::size_t>(i)], pixel) << i;
        EXPECT_NEAR(button.Width(), row.Width, pixel) << i;
    }

    EXPECT_EQ(v.MediaPlayer1->FileName(), clips::Path(L"mpeg4.avi"));
    EXPECT_TRUE(v.MediaPlayer1->AutoSize());
    EXPECT_TRUE(v.MediaPlayer1->AutoStart());
    EXPECT_TRUE(v.MediaPlayer1->AutoRewind());
    EXPECT_EQ(GetParent(v.MediaPlayer1->hwnd()), v.Pic->hwnd());
    ExpectFramedPlayer(320, 240);
    EXPECT_EQ(v.MediaPlayer1->State(), PlayState::Running);
    EXPECT_TRUE(ShowsClip(Picture())) << Seen(Picture());
    // The frame's ground shows between its edge and the player.
    const RECT frame = ScreenRect(v.Pic->hwnd());
    EXPECT_EQ(ScreenPixel(frame.left + 1, frame.top + 1), RGB(0, 0, 64));

    // Double and own size frame the picture again.
    v.cmd_Click(3);
    ExpectFramedPlayer(640, 480);
    EXPECT_EQ(SizeOf(Picture()).cx, 640);
    EXPECT_TRUE(ShowsClip(Picture())) << Seen(Picture());
    v.cmd_Click(4);
    ExpectFramedPlayer(320, 240);
}

TEST_F(VideoWindow, FullWindowFillsAndItsBarFollowsThePointer)
{
    frmVideo& v = Open(clips::Path(L"mpeg4.avi"));
    const double pixel = screen::ToTwips(1);
    v.cmd_Click(5);
    EXPECT_EQ(v.FullWindow, 1);
    EXPECT_TRUE(v.Timer1.Enabled());
    EXPECT_FALSE(v.Menu->Visible());
    EXPECT_EQ(v.MediaPlayer1->DisplaySize(), video::DisplayFitToControl);
    EXPECT_EQ(v.Pic->Left(), 0);
    EXPECT_EQ(v.Pic->Top(), 0);
    EXPECT_NEAR(v.Pic->Width(), v.ScaleWidth(), pixel);
    EXPECT_NEAR(v.Pic->Height(), v.ScaleHeight(), pixel);
    EXPECT_NEAR(v.MediaPlayer1->Left(), 20, pixel);
    EXPECT_EQ(v.MediaPlayer1->Top(), 0);
    EXPECT_NEAR(v.MediaPlayer1->Width(), v.ScaleWidth() - 110, pixel);
    EXPECT_NEAR(v.MediaPlayer1->Height(), v.ScaleHeight() - 60, pixel);
    // The picture fills the player's height or width with its proportions kept, centred.
    const SIZE player = PlayerPixels();
    const video::PlayerArea fitted =
        video::ArrangePlayer({320, 240}, video::DisplayFitToControl, true, {player.cx, player.cy});
    const RECT picture = ScreenRect(Picture());
    const RECT control = ScreenRect(v.MediaPlayer1->hwnd());
    EXPECT_EQ(picture.left - control.left, fitted.Picture.Left);
    EXPECT_EQ(picture.top - control.top, fitted.Picture.Top);
    EXPECT_EQ(picture.right - picture.left, fitted.Picture.Width);
    EXPECT_TRUE(ShowsClip(Picture())) << Seen(Picture());

    // The top rows bring the bar back, the band down to the limit keeps it, below it goes.
    SetCursorPos(640, 2);
    EXPECT_TRUE(MenuBecomes(true));
    SetCursorPos(640, 20);
    EXPECT_FALSE(MenuBecomes(false, 1100));
    SetCursorPos(640, 28);
    EXPECT_FALSE(MenuBecomes(false, 1100));
    SetCursorPos(640, 29);
    EXPECT_TRUE(MenuBecomes(false));
    SetCursorPos(640, 20);
    EXPECT_FALSE(MenuBecomes(true, 1100));
    shared.BarHideLimit = 25;
    SetCursorPos(640, 2);
    EXPECT_TRUE(MenuBecomes(true));
    SetCursorPos(640, 26);
    EXPECT_TRUE(MenuBecomes(false));

    // Double size in the full-window mode frames the doubled picture and keeps the auto-hide.
    SetCursorPos(640, 2);
    ASSERT_TRUE(MenuBecomes(true));
    v.cmd_Click(3);
    ExpectFramedPlayer(640, 480);
    EXPECT_EQ(v.FullWindow, 1);
    EXPECT_TRUE(v.Timer1.Enabled());
    SetCursorPos(640, 12);
    // Off again: the picture at its own size, the timer stopped, the bar as it was.
    v.cmd_Click(5);
    EXPECT_EQ(v.FullWindow, 0);
    EXPECT_FALSE(v.Timer1.Enabled());
    ExpectFramedPlayer(320, 240);
    EXPECT_TRUE(v.Menu->Visible());
    SetCursorPos(640, 100);
    EXPECT_FALSE(MenuBecomes(false, 1100)) << "no auto-hide outside the full-window mode";
}

TEST_F(VideoWindow, TheEndOfTheClipLeavesTheWindowOnTheFirstPicture)
{
    frmVideo& v = Open(clips::Path(L"rewind.avi"));
    ASSERT_TRUE(PlaysToTheEndAndRewinds(*v.MediaPlayer1));
    host::SleepPumping(300);
    EXPECT_TRUE(v.Visible());
    EXPECT_EQ(v.MediaPlayer1->State(), PlayState::Paused);
    EXPECT_TRUE(ShowsClip(Picture())) << Seen(Picture());
}

TEST_F(VideoWindow, StopHaltsPlayResumesAndEitherExitHaltsAndHides)
{
    for (int exit : {0, 7}) {
        SCOPED_TRACE(exit);
        frmVideo& v = Open(clips::Path(L"mpeg1.mpg"));
        host::MediaPlayer& player = *v.MediaPlayer1;
        ASSERT_TRUE(WaitFor([&] { return player.Position() > UnitsPerSecond / 5; }, 3000));
        v.cmd_Click(1);
        EXPECT_EQ(player.State(), PlayState::Paused);
        const std::int64_t halted = player.Position();
        host::SleepPumping(300);
        EXPECT_EQ(player.Position(), halted);
        v.cmd_Click(2);
        EXPECT_EQ(player.State(), PlayState::Running);
        EXPECT_TRUE(WaitFor([&] { return player.Position() > halted; }, 2000)) << "resumes where it halted";

        v.cmd_Click(exit);
        EXPECT_FALSE(v.Visible());
        EXPECT_TRUE(v.Loaded());
        EXPECT_EQ(player.State(), PlayState::Paused);
        const std::int64_t left = player.Position();
        host::SleepPumping(300);
        EXPECT_EQ(player.Position(), left);
        TearDown();
    }
}

TEST_F(VideoWindow, AnUnreadableFileLeavesAnEmptyBlackPlayerAndAWindowThatWorks)
{
    testsupport::ScratchFolder folder(L"video-window");
    for (const std::wstring& bad : {clips::Path(L"random.avi"), folder / L"missing.mpg"}) {
        SCOPED_TRACE(testing::PrintToString(bad));
        frmVideo& v = Open(bad);
        EXPECT_FALSE(v.MediaPlayer1->IsOpen());
        EXPECT_EQ(Picture(), nullptr);
        const SIZE designed = PlayerPixels();
        EXPECT_GT(designed.cx, 0);
        ExpectFramedPlayer(designed.cx, designed.cy);
        const RECT r = ScreenRect(v.MediaPlayer1->hwnd());
        EXPECT_EQ(ScreenPixel((r.left + r.right) / 2, (r.top + r.bottom) / 2), Black);
        for (int index : {2, 3, 4, 5, 5, 1}) v.cmd_Click(index);
        EXPECT_TRUE(v.Visible());
        // Nothing gives the empty player a size of its own: it keeps the full window's.
        ExpectFramedPlayer(PlayerPixels().cx, PlayerPixels().cy);
        v.cmd_Click(0);
        EXPECT_FALSE(v.Visible());
        TearDown();
    }
}

TEST_F(VideoWindow, VolumeLeavesTheTopLayerAndAClickOnTheBarBringsItBack)
{
    frmVideo& v = Open(clips::Path(L"sound.avi"));
    ASSERT_TRUE(WaitFor([&] { return v.MediaPlayer1->Position() > UnitsPerSecond / 5; }, 3000));
    const std::set<DWORD> before = testsupport::ProcessesStartedBy(GetCurrentProcessId());
    const std::set<HWND> windowsBefore = testsupport::VisibleTopLevelWindows();
    v.cmd_Click(6);
    EXPECT_EQ(v.MediaPlayer1->State(), PlayState::Paused);
    EXPECT_FALSE(GetWindowLongPtrW(v.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    // The sound settings open in a process of their own.
    std::set<DWORD> started;
    WaitFor(
        [&] {
            for (DWORD id : testsupport::ProcessesStartedBy(GetCurrentProcessId()))
                if (!before.count(id)) started.insert(id);
            return !started.empty();
        },
        5000);
    EXPECT_FALSE(started.empty()) << "the sound settings were opened";
    for (DWORD id : started) testsupport::EndProcessTree(id);
    host::SleepPumping(500);
    for (HWND opened : testsupport::VisibleTopLevelWindows())
        if (!windowsBefore.count(opened)) PostMessageW(opened, WM_CLOSE, 0, 0);

    // A click on the bar beside the buttons.
    const HWND menu = v.Menu->hwnd();
    RECT client{};
    GetClientRect(menu, &client);
    const LPARAM at = MAKELPARAM(client.right - 2, client.bottom / 2);
    PostMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(menu, WM_LBUTTONUP, 0, at);
    host::SleepPumping(100);
    EXPECT_TRUE(GetWindowLongPtrW(v.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(v.MediaPlayer1->State(), PlayState::Paused) << "playback resumes only with Play";
}

TEST_F(VideoWindow, PlayVideoShowsThePlayerModallyAndUnloadsItWhenItHides)
{
    shared.MediaFile = clips::Path(L"mpeg1.mpeg");
    HWND seen = nullptr;
    bool pictureShown = false;
    std::thread exiter([&] {
        if (!WaitFor([&] { return (seen = FindPlayerWindow()) != nullptr; }, 10000)) return;
        const HWND control = testsupport::ChildById(seen, IdPlayer);
        pictureShown = control && ShowsClip(GetWindow(control, GW_CHILD));
        PostMessageW(testsupport::ChildById(seen, IdExit), BM_CLICK, 0, 0);
    });
    special::PlayVideo();
    exiter.join();
    ASSERT_NE(seen, nullptr);
    EXPECT_FALSE(IsWindow(seen)) << "unloaded once it hid";
    EXPECT_TRUE(pictureShown) << "the clip plays while the player is shown modally";
}

TEST_F(VideoWindow, UnloadingHaltsFirstAndLeavesNothingBehind)
{
    // Sees the player's state when the window's own unload begins.
    struct Watched : frmVideo {
        PlayState atUnload = PlayState::Running;
        void Form_Unload() override
        {
            atUnload = MediaPlayer1->State();
            frmVideo::Form_Unload();
        }
    };
    testsupport::ScratchFolder folder(L"video-window");
    const std::wstring clip = folder / L"clip.avi";
    ASSERT_TRUE(CopyFileW(clips::Path(L"mjpeg.avi").c_str(), clip.c_str(), FALSE));
    Open(clip);
    TearDown();
    const DWORD gdiBefore = testsupport::GdiObjectCount();
    for (int round = 0; round < 6; ++round) {
        shared.MediaFile = round % 3 ? clip : clips::Path(L"random.avi");
        Watched watched;
        watched.Load();
        watched.Show();
        host::SleepPumping(150);
        watched.cmd_Click(3 + round % 3);
        EXPECT_TRUE(watched.Unload());
        if (round % 3) {
            EXPECT_EQ(watched.atUnload, PlayState::Paused) << round;
        }
    }
    host::ReleasePending();
    EXPECT_LE(testsupport::GdiObjectCount(), gdiBefore + 2);
    EXPECT_EQ(FindPlayerWindow(), nullptr) << "no window left";
    UniqueFile file(CreateFileW(clip.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(file) << "the clip is closed";
}
