#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "WineTestSupport.h"
#include "ShowTestTexts.h"
#include "app/Shared.h"
#include "host/MessageLoop.h"
#include "host/Screen.h"
#include "notes/NotesEditor.h"
#include "notes/frmEdit.h"
#include "show/BarLayout.h"
#include "show/frmPen.h"
#include "show/frmShow.h"

using testsupport::WaitFor;

namespace {

// The window list as the test wants it; titles only, handles made up.
class ScriptedWindows : public WindowList {
public:
    std::shared_ptr<std::vector<std::wstring>> Titles = std::make_shared<std::vector<std::wstring>>();
    void ListWindows(std::vector<std::wstring>& titles, std::vector<std::intptr_t>& handles) override
    {
        titles = *Titles;
        titles.emplace_back();
        handles.assign(titles.size(), 0);
        for (std::size_t i = 0; i + 1 < titles.size(); ++i) handles[i] = static_cast<std::intptr_t>(1000 + i);
    }
};

std::wstring SelfPath()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

class ShowBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NumberTheTexts();
        shared.CaptionPad = L"  ";
        shared.TooltipSwitch.clear();
        shared.SpecialProgram.clear();
        shared.ShowFileName = L"TALK.PPT";
        shared.ShowFile = L"C:\\Talks\\TALK.PPT";
        // A real program that starts and ends at once: the show's window comes from the script.
        shared.ShowCommand = L"\"" + SelfPath() + L"\" --gtest_list_tests /s ";
        shared.ProcessHandle.reset();
        shared.SoundPlaying = 0;
        shared.PickerOpen = 0;
        SetCursorPos(400, 500);
    }
    void TearDown() override
    {
        if (frmShow* bar = show::CurrentShowBar()) bar->GO_Exit();
        host::ReleasePending();
    }

    frmShow& Open()
    {
        auto windows = std::make_unique<ScriptedWindows>();
        titles = windows->Titles;
        return show::OpenShowBar(
            [this](const std::wstring& text) {
                ++returns;
                statusText = text;
            },
            std::move(windows));
    }

    std::shared_ptr<std::vector<std::wstring>> titles;
    int returns = 0;
    std::wstring statusText;
};

RECT ScreenRect(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

} // namespace

TEST_F(ShowBarTest, LoadsAsTopmostScreenWideBarWithLaidOutButtons)
{
    shared.TooltipSwitch = L"yes"; // anything but "YES" sets no tooltips
    frmShow& bar = Open();
    ASSERT_TRUE(bar.Loaded());
    EXPECT_TRUE(bar.Visible());
    const LONG_PTR ex = GetWindowLongPtrW(bar.hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW) << "not in the task bar";
    EXPECT_NE(GetWindowLongPtrW(bar.hwnd(), GWL_STYLE) & WS_CAPTION, WS_CAPTION) << "no title bar";
    const RECT r = ScreenRect(bar.hwnd());
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    // A thin frame, 2 pixels a side.
    RECT client{};
    GetClientRect(bar.hwnd(), &client);
    EXPECT_EQ(r.right - r.left - client.right, 4);
    EXPECT_EQ(r.bottom - r.top - client.bottom, 4);
    EXPECT_EQ(bar.BarButtonCount, 7);
    EXPECT_EQ(bar.BarShown, 1);
    EXPECT_EQ(shared.BarHideLimit, 28);
    EXPECT_FALSE(bar.ShowSeen());

    const show::BarLayout layout = show::LayoutBar(bar.ScaleWidth(), 7);
    const double pixel = screen::ToTwips(1);
    for (int index = 1; index <= 7; ++index) {
        EXPECT_NEAR(bar.cmd(index).Left(), layout.LeftTwips[index], pixel) << index;
        EXPECT_NEAR(bar.cmd(index).Width(), layout.ButtonWidthTwips, pixel) << index;
        EXPECT_TRUE(bar.cmd(index).ToolTipText().empty()) << index;
    }
    EXPECT_NEAR(bar.cmd(6).Height(), 405, pixel);
    EXPECT_NEAR(bar.cmd(1).Height(), 400, pixel);
    EXPECT_EQ(bar.cmd(1).Caption(), L"  C1");
    EXPECT_EQ(bar.cmd(6).Caption(), L"  C1");
    EXPECT_EQ(bar.cmd(7).Caption(), L"  C15");
    EXPECT_EQ(bar.cmd(5).Caption(), L"  C20");
    EXPECT_EQ(bar.cmd(3).Caption(), L"  C12");
    EXPECT_EQ(bar.cmd(4).Caption(), L"  C14");
    EXPECT_EQ(bar.cmd(2).Caption(), L"  C8");
    EXPECT_FALSE(bar.cmd(5).Enabled()) << "no special program";
    EXPECT_TRUE(bar.cmd(2).Enabled());
    EXPECT_EQ(GetFocus(), bar.cmd(6).hwnd());
}

TEST_F(ShowBarTest, OnAScreen1024PixelsWideTheInnerWidthIs15300Twips)
{
    ASSERT_EQ(screen::Dpi(), 96) << "the worked example counts 15 twips a pixel";
    frmShow& bar = Open();
    // The bar as it would stand on a 1024-pixel screen: 15360 twips wide.
    bar.Move(0, 0, 15360, bar.Height());
    EXPECT_DOUBLE_EQ(bar.ScaleWidth(), 15300);
    const show::BarLayout layout = show::LayoutBar(bar.ScaleWidth(), 7);
    EXPECT_EQ(layout.ButtonWidthTwips, 2186);
    EXPECT_EQ(layout.LeftTwips[1], 13041) << "the right-hand Exit";
}

TEST_F(ShowBarTest, TooltipsAndSpecialButtonFollowTheOptions)
{
    shared.TooltipSwitch = L"YES";
    shared.SpecialProgram = SelfPath();
    frmShow& bar = Open();
    EXPECT_TRUE(bar.cmd(5).Enabled());
    EXPECT_EQ(bar.cmd(6).ToolTipText(), L"T1");
    EXPECT_EQ(bar.cmd(1).ToolTipText(), L"T1");
    EXPECT_EQ(bar.cmd(7).ToolTipText(), L"T15");
    EXPECT_EQ(bar.cmd(2).ToolTipText(), L"T8");
}

TEST_F(ShowBarTest, StartsTheShowOnceThenWatchesItsWindowAndEndsWhenItGoes)
{
    frmShow& bar = Open();
    ASSERT_TRUE(WaitFor([&] { return bar.ShowTaskId() != 0; }, 3000));
    const auto firstTask = bar.ShowTaskId();
    EXPECT_TRUE(WaitFor([&] { return bar.Timer3.Enabled() && bar.Timer1.Enabled(); }, 3000));
    EXPECT_FALSE(bar.Timer2.Enabled());

    // No show window yet: the bar waits, however long.
    titles->assign({L"TALK.PPT is not the show (name first)"});
    host::SleepPumping(1200);
    EXPECT_FALSE(bar.ShowSeen());
    EXPECT_EQ(returns, 0);

    titles->assign({L"Desktop", L"Slide Show - talk.ppt"});
    ASSERT_TRUE(WaitFor([&] { return bar.ShowSeen(); }, 2000));
    EXPECT_EQ(bar.ShowTaskId(), firstTask) << "Timer2 runs once";

    titles->assign({L"Desktop"});
    ASSERT_TRUE(WaitFor([&] { return returns == 1; }, 2000));
    EXPECT_EQ(statusText, L"");
    EXPECT_FALSE(bar.Loaded());
    EXPECT_EQ(show::CurrentShowBar(), nullptr);
}

TEST_F(ShowBarTest, ShowThatCannotStartEndsTheBarWithAReason)
{
    for (const std::wstring& command : {std::wstring(L""), std::wstring(L"C:\\Missing\\NOSHOW.EXE /s ")}) {
        returns = 0;
        shared.ShowCommand = command;
        frmShow& bar = Open();
        ASSERT_TRUE(WaitFor([&] { return returns == 1; }, 3000)) << std::string(command.begin(), command.end());
        EXPECT_EQ(statusText, L"T22");
        EXPECT_FALSE(bar.Loaded());
        host::ReleasePending();
    }
}

TEST_F(ShowBarTest, EscapeOnTheBarEndsItButNotOnAButton)
{
    frmShow& bar = Open();
    SendMessageW(bar.cmd(6).hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    host::SleepPumping(100);
    EXPECT_TRUE(bar.Loaded());
    SendMessageW(bar.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(bar.Loaded());
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(statusText, L"");
}

TEST_F(ShowBarTest, AnyClickEndsThePickedProgramOnceAndGuideOpensThenClosesTheNotes)
{
    frmShow& bar = Open();
    std::wstring commandLine = L"\"" + SelfPath() + L"\" --gtest_list_tests";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                               nullptr, &si, &pi));
    CloseHandle(pi.hThread);
    HANDLE watch = nullptr;
    DuplicateHandle(GetCurrentProcess(), pi.hProcess, GetCurrentProcess(), &watch, 0, FALSE, DUPLICATE_SAME_ACCESS);
    shared.ProcessHandle.reset(pi.hProcess);

    shared.NotesOpen = 0;
    shared.NotesDirty = false;
    bar.cmd_Click(3); // Guide: the notes of the running presentation, modeless
    EXPECT_FALSE(shared.ProcessHandle);
    EXPECT_EQ(WaitForSingleObject(watch, 2000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(watch, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(watch);
    ASSERT_NE(notes::LoadedEditor(), nullptr);
    EXPECT_TRUE(notes::LoadedEditor()->Visible());
    EXPECT_EQ(notes::LoadedEditor()->FilePath(), L"C:\\Talks\\TALK.rtf");
    EXPECT_EQ(shared.NotesOpen, 1);
    EXPECT_EQ(shared.EditorMode, 2);

    // The second press closes them: nothing was typed, so nothing is asked.
    bar.cmd_Click(3);
    host::ReleasePending();
    EXPECT_EQ(notes::LoadedEditor(), nullptr);
    EXPECT_EQ(shared.NotesOpen, 0);
    EXPECT_TRUE(bar.Loaded());
    EXPECT_FALSE(shared.ProcessHandle);
}

TEST_F(ShowBarTest, TheBarStillHidesAndReturnsWhileTheNotesAreOpen)
{
    frmShow& bar = Open();
    titles->assign({L"Slide Show - talk.ppt"});
    ASSERT_TRUE(WaitFor([&] { return bar.ShowSeen() && bar.Timer1.Enabled(); }, 5000));
    shared.NotesOpen = 0;
    shared.NotesDirty = false;
    // A real click on Guide, then one in the notes' text.
    auto click = [](HWND hwnd) {
        RECT r{};
        GetWindowRect(hwnd, &r);
        const POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        SetCursorPos(middle.x, middle.y);
        testsupport::PointerAt(MOUSEEVENTF_LEFTDOWN, middle);
        testsupport::PointerAt(MOUSEEVENTF_LEFTUP, middle);
        host::SleepPumping(300);
    };
    SetCursorPos(400, 2);
    ASSERT_TRUE(WaitFor([&] { return bar.Top() == 0; }, 2000));
    click(bar.cmd(3).hwnd());
    ASSERT_NE(notes::LoadedEditor(), nullptr);
    click(notes::LoadedEditor()->Rich1->hwnd());
    // Seen on the screen: the blue panel in the row under the buttons.
    auto inView = [] { return testsupport::ScreenPixel(GetSystemMetrics(SM_CXSCREEN) / 2, 30) == RGB(0, 0, 192); };
    for (int round = 0; round < 2; ++round) {
        SetCursorPos(400, 300);
        EXPECT_TRUE(WaitFor([&] { return bar.Top() < 0 && !inView(); }, 2000)) << "hides " << round;
        SetCursorPos(400, 2);
        EXPECT_TRUE(WaitFor([&] { return bar.Top() == 0 && inView(); }, 2000)) << "returns " << round;
        SetForegroundWindow(notes::LoadedEditor()->hwnd());
    }
    bar.cmd_Click(3);
    host::ReleasePending();
}

TEST_F(ShowBarTest, SecondGuidePressWithUnsavedTypingAsksAndNoKeepsTheNotes)
{
    frmShow& bar = Open();
    shared.NotesOpen = 0;
    shared.NotesDirty = false;
    bar.cmd_Click(3);
    ASSERT_NE(notes::LoadedEditor(), nullptr);
    shared.NotesDirty = true; // as any key in the text makes it
    {
        testsupport::MessageBoxWatch watch(IDNO);
        bar.cmd_Click(3);
        EXPECT_EQ(watch.count(), 1u);
    }
    EXPECT_NE(notes::LoadedEditor(), nullptr) << "No keeps the notes";
    EXPECT_EQ(shared.NotesOpen, 1);
    {
        testsupport::MessageBoxWatch watch(IDYES);
        bar.cmd_Click(3);
        EXPECT_EQ(watch.count(), 1u);
    }
    host::ReleasePending();
    EXPECT_EQ(notes::LoadedEditor(), nullptr);
    EXPECT_EQ(shared.NotesOpen, 0);
    shared.NotesDirty = false;
}

TEST_F(ShowBarTest, PhotoCapturesTheScreenOpensTheOverlayAndBackReturnsHidden)
{
    frmShow& bar = Open();
    titles->assign({L"Show - TALK.PPT"});
    ASSERT_TRUE(WaitFor([&] { return bar.ShowSeen(); }, 3000));

    // Inside the overlay's modal loop: look, draw, then press Back.
    bool looked = false;
    bool barHiddenMeanwhile = false;
    COLORREF drawn = 0;
    host::Timer driver;
    driver.Tick = [&] {
        frmPen* pen = bar.Pen();
        if (!pen || !pen->Visible() || looked) return;
        looked = true;
        barHiddenMeanwhile = !bar.Visible() && !bar.Timer1.Enabled();
        SendMessageW(pen->Image1->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 300));
        SendMessageW(pen->Image1->hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 300));
        SendMessageW(pen->Image1->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
        drawn = pen->Surface()->PixelAt(200, 300);
        pen->cmd_Click(0);
    };
    driver.SetInterval(100);
    driver.SetEnabled(true);
    bar.cmd_Click(2);
    driver.SetEnabled(false);

    EXPECT_TRUE(looked);
    EXPECT_TRUE(barHiddenMeanwhile);
    EXPECT_EQ(drawn, RGB(255, 0, 0));
    ASSERT_TRUE(bar.Loaded());
    EXPECT_EQ(bar.Pen(), nullptr) << "the overlay is unloaded";
    EXPECT_FALSE(bar.Visible());
    EXPECT_EQ(bar.BarShown, 0);
    EXPECT_EQ(shared.BarHideLimit, 25);
    EXPECT_TRUE(bar.Timer1.Enabled());
    EXPECT_EQ(returns, 0);
}

TEST_F(ShowBarTest, ShowGoneWhileDrawingEndsBarAndOverlayWithoutShowingTheBarAgain)
{
    frmShow& bar = Open();
    titles->assign({L"Show - TALK.PPT"});
    ASSERT_TRUE(WaitFor([&] { return bar.ShowSeen(); }, 3000));
    const HWND barWindow = bar.hwnd();

    HWND overlay = nullptr;
    host::Timer driver;
    driver.Tick = [&] {
        frmPen* pen = bar.Pen();
        if (pen && pen->Visible() && !overlay) {
            overlay = pen->hwnd();
            titles->clear(); // the show ends while the overlay is open
        }
    };
    driver.SetInterval(100);
    driver.SetEnabled(true);
    bar.cmd_Click(2);
    driver.SetEnabled(false);

    EXPECT_NE(overlay, nullptr);
    EXPECT_FALSE(IsWindow(overlay));
    EXPECT_FALSE(IsWindow(barWindow));
    EXPECT_FALSE(bar.Loaded());
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(show::CurrentShowBar(), nullptr);
}

TEST_F(ShowBarTest, ShowGoneWhileThePickerIsOpenEndsTheBarForGood)
{
    frmShow& bar = Open();
    titles->assign({L"Show - TALK.PPT"});
    ASSERT_TRUE(WaitFor([&] { return bar.ShowSeen(); }, 3000));
    const HWND barWindow = bar.hwnd();

    bool pickerSeen = false;
    host::Timer driver;
    driver.Tick = [&] {
        if (!pickerSeen && shared.PickerOpen == 1 && !bar.Timer1.Enabled()) {
            pickerSeen = true;
            titles->clear(); // the show ends while the picker is open
        }
    };
    driver.SetInterval(100);
    driver.SetEnabled(true);
    bar.cmd_Click(4);
    driver.SetEnabled(false);

    EXPECT_TRUE(pickerSeen);
    EXPECT_FALSE(IsWindow(barWindow));
    EXPECT_FALSE(bar.Loaded());
    EXPECT_FALSE(bar.Timer1.Enabled()) << "the bar never comes back";
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(show::CurrentShowBar(), nullptr);
}

