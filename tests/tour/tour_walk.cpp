// The walk `make tour` photographs: every window of Vistora on the demo presentations, one
// screenshot (BMP) each into the build's tour folder. Not a test: tools/tour.sh runs it and
// turns the pictures into PNGs and a contact sheet.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ShowRoadKit.h"
#include "SwfTestMovies.h"

using namespace e2e;
using testsupport::WaitFor;
using testsupport::WriteBytes;

namespace {

// Main window buttons, show bar buttons and the other windows' controls, by the ids they carry.
constexpr int MainExit = 0, MainStart = 1, MainAbout = 2, MainOwnLanguage = 3, MainEnglish = 4, MainGuide = 7;
constexpr int BarExit = 1, BarPen = 2, BarNotes = 3, BarMedia = 4;
constexpr int AboutExitId = 1;
constexpr int PenBackId = 100;
constexpr int EditExitId = 301;
constexpr int FlashExitId = 401;

const std::wstring Shots = testsupport::BuildFolder() + L"\\tour";
const std::wstring Demo = testsupport::BuildFolder() + L"\\demo";
const std::wstring Talk = L"Team Kickoff.ppt";

void Pause(int ms) { WaitFor([] { return false; }, ms); }

void Shot(const std::wstring& name)
{
    Pause(700);
    SaveScreen(name, Shots);
}

void Drag(const std::vector<POINT>& path)
{
    VistoraApp::MoveTo(path.front().x, path.front().y);
    VistoraApp::LeftDown();
    for (std::size_t i = 1; i < path.size(); ++i) {
        const POINT a = path[i - 1], b = path[i];
        for (int step = 1; step <= 6; ++step)
            VistoraApp::MoveTo(a.x + (b.x - a.x) * step / 6, a.y + (b.y - a.y) * step / 6);
    }
    VistoraApp::LeftUp();
}

// A visible, screen-sized form of the process other than the one given: a player.
HWND FullScreenForm(DWORD pid, HWND except)
{
    struct Search {
        DWORD pid;
        HWND except;
        HWND found = nullptr;
    } search{pid, except};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            RECT r{};
            GetWindowRect(hwnd, &r);
            if (owner != s.pid || hwnd == s.except || !IsWindowVisible(hwnd) ||
                r.bottom - r.top < GetSystemMetrics(SM_CYSCREEN))
                return TRUE;
            s.found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class Tour : public ::testing::Test {
protected:
    Tour() : app_(true, false, L"vistora-tour") {}

    void SetUp() override
    {
        ForgetSettings();
        CreateDirectoryW(Shots.c_str(), nullptr);
        // Special programs beside the program, for the picker to list; only the movie and the
        // clip are played.
        const swftest::Bytes movie = swftest::Gradients().Plain();
        ASSERT_TRUE(WriteBytes(app_.File(L"Intro.swf"), std::string(movie.begin(), movie.end())));
        ASSERT_TRUE(WriteBytes(app_.File(L"Applause.wav"), "RIFF"));
        ASSERT_TRUE(WriteBytes(app_.File(L"_Countdown.exe"), "MZ"));
#ifdef TOUR_VIDEO_PLAYER
        ASSERT_TRUE(CopyFileW((testsupport::BuildFolder() + L"\\clips\\mpeg1.mpg").c_str(),
                              app_.File(L"Opening clip.mpg").c_str(), FALSE));
#endif
        std::string opt = "ENG\r\n";
        for (wchar_t c : Demo) opt += static_cast<char>(c);
        ASSERT_TRUE(WriteBytes(app_.File(L"Vistora.opt"), opt + "\r\n"));
        VistoraApp::MoveTo(900, 700);
        ASSERT_NE(app_.StartAndWait(), nullptr);
    }

    // Opens the picker from the bar and selects an entry; nullptr when either fails.
    HWND Pick(HWND bar, const std::wstring& entry)
    {
        BarPress(bar, BarMedia);
        HWND picker = nullptr;
        if (!WaitFor([&] { return (picker = FindPicker(app_.Pid())) != nullptr; }, 5000)) return nullptr;
        HWND list = GetDlgItem(picker, PickerListId);
        const auto index = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(entry.c_str()));
        if (index < 0) return nullptr;
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        return picker;
    }

    // After another window has been active the bar no longer moves into view under Xvfb, so its
    // buttons are pressed by message.
    static void BarPress(HWND bar, int index) { PostMessageW(ChildById(bar, BarButtonId + index), BM_CLICK, 0, 0); }

    VistoraApp app_;
};

} // namespace

TEST_F(Tour, EveryWindow)
{
    ASSERT_EQ(app_.RowCount(), 4) << "the demo presentations";
    int row = 0;
    while (row < app_.RowCount() && app_.Cell(row, 0) != Talk) ++row;
    ASSERT_LT(row, app_.RowCount());
    const RECT r = app_.RowRect(row);
    VistoraApp::ClickAt(r.left + 40, (r.top + r.bottom) / 2);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(app_.Button(MainStart)) != 0; }, 3000));
    VistoraApp::MoveTo(r.left + 40, r.bottom + 120);
    Shot(L"01-main-english");

    VistoraApp::Click(app_.Button(MainOwnLanguage));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(app_.Button(MainEnglish)) != 0; }, 3000));
    VistoraApp::MoveTo(r.left + 40, r.bottom + 120);
    Shot(L"02-main-own-language");
    VistoraApp::Click(app_.Button(MainEnglish));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(app_.Button(MainOwnLanguage)) != 0; }, 3000));

    // Without the probe's answer the machine counts as off line: the About box.
    VistoraApp::Click(app_.Button(MainAbout));
    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (about = FindWindowW(L"VistoraForm", L"About Vistora")) && IsWindowVisible(about); },
                        5000));
    Shot(L"03-about");
    VistoraApp::Click(GetDlgItem(about, AboutExitId));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(about); }, 5000));

    // The show, with the bar in view at the top edge.
    VistoraApp::Click(app_.Button(MainStart));
    HWND bar = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (bar = Bar(app_)) != nullptr; }, 5000));
    ASSERT_TRUE(WaitFor([&] { return ShowWindowOf(L"TEAM KICKOFF.PPT") != nullptr; }, 10000));
    Pause(1500);
    VistoraApp::MoveTo(640, 2);
    ASSERT_TRUE(WaitFor([&] { return Top(bar) == 0; }, 3000));
    VistoraApp::MoveTo(640, 12);
    Shot(L"04-show-bar");

    // The pen: a few strokes in red, then in blue, with the toolbar in view.
    VistoraApp::Click(ChildById(bar, BarButtonId + BarPen));
    HWND overlay = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (overlay = Overlay(app_)) != nullptr; }, 8000));
    Pause(600);
    Drag({{420, 420}, {560, 360}, {700, 400}, {760, 520}, {640, 600}, {480, 560}, {430, 440}});
    Drag({{820, 620}, {1000, 760}});
    Drag({{1000, 760}, {960, 700}});
    Drag({{1000, 760}, {930, 750}});
    const std::vector<HWND> swatches = Statics(overlay);
    ASSERT_GE(swatches.size(), 16u);
    VistoraApp::MoveTo(640, 2);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(GetParent(swatches[9])) != 0; }, 3000));
    VistoraApp::Click(swatches[9]);
    Drag({{380, 700}, {760, 700}});
    Drag({{380, 716}, {760, 716}});
    VistoraApp::MoveTo(640, 2);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(GetParent(swatches[9])) != 0; }, 3000));
    VistoraApp::MoveTo(300, 14);
    Shot(L"05-pen");
    VistoraApp::Click(ChildById(overlay, PenBackId));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(overlay); }, 8000));

    // Speaker notes beside the presentation.
    BarPress(bar, BarNotes);
    HWND editor = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (editor = FindEditor(app_.Pid())) != nullptr; }, 5000));
    VistoraApp::MoveTo(900, 950);
    Shot(L"06-notes");
    BarPress(bar, BarNotes);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(editor); }, 5000));

    // The picker, and the flash movie it plays.
    HWND picker = Pick(bar, L"Intro.swf");
    ASSERT_NE(picker, nullptr);
    Shot(L"07-picker");
    PostMessageW(ChildById(picker, PickerButtonId + 1), BM_CLICK, 0, 0);
    HWND flash = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (flash = FullScreenForm(app_.Pid(), nullptr)) != nullptr &&
                                     ChildById(flash, FlashExitId) != nullptr; },
                        8000));
    VistoraApp::MoveTo(640, 2);
    Pause(1200);
    Shot(L"08-flash");
    PostMessageW(ChildById(flash, FlashExitId), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(flash); }, 8000));
    ASSERT_TRUE(WaitFor([&] { return FindPicker(app_.Pid()) == nullptr; }, 5000));

#ifdef TOUR_VIDEO_PLAYER
    picker = Pick(bar, L"Opening clip.mpg");
    ASSERT_NE(picker, nullptr);
    PostMessageW(ChildById(picker, PickerButtonId + 1), BM_CLICK, 0, 0);
    HWND video = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (video = FullScreenForm(app_.Pid(), nullptr)) != nullptr; }, 8000));
    Pause(1500);
    Shot(L"09-video");
    // Its Exit button carries the exit caption, whatever its id.
    HWND exit = FindWindowExW(video, nullptr, nullptr, L"  Exit");
    for (HWND strip = GetWindow(video, GW_CHILD); !exit && strip; strip = GetWindow(strip, GW_HWNDNEXT))
        exit = FindWindowExW(strip, nullptr, nullptr, L"  Exit");
    ASSERT_NE(exit, nullptr);
    PostMessageW(exit, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(video); }, 8000));
    ASSERT_TRUE(WaitFor([&] { return FindPicker(app_.Pid()) == nullptr; }, 5000));
#else
    std::printf("tour: the video player is not in this build; its screenshot is left out\n");
#endif

    // The end of the show brings the main window back; then the guide document.
    BarPress(bar, BarExit);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(app_.Main()) && !Bar(app_); }, 10000));
    VistoraApp::Click(app_.Button(MainGuide));
    ASSERT_TRUE(WaitFor([&] { return (editor = FindEditor(app_.Pid())) != nullptr; }, 5000));
    VistoraApp::MoveTo(900, 980);
    Shot(L"10-guide");
    PostMessageW(ChildById(editor, EditExitId), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(editor); }, 5000));

    VistoraApp::Click(app_.Button(MainExit));
    EXPECT_TRUE(app_.WaitForExit(10000));
}
