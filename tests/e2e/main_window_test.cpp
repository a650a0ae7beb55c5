#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "VistoraApp.h"

using e2e::Lower;
using e2e::VistoraApp;
using testsupport::ReadBytes;
using testsupport::WaitFor;
using testsupport::WindowText;
using testsupport::WriteBytes;

namespace {

bool Visible(HWND hwnd) { return hwnd && IsWindowVisible(hwnd); }

// Vistora.opt naming a folder to start in.
std::string OptionsFor(const std::wstring& folder)
{
    std::string opt = "ENG\r\n";
    for (wchar_t c : folder) opt += static_cast<char>(c);
    return opt + "\r\n";
}

// Q: points at a folder that does not exist while this lives, as a drive without its medium
// (or a removed one) would.
struct MissingDriveQ : testsupport::MappedDrive {
    MissingDriveQ() : MappedDrive(L"C:\\no-such-vistora-drive", L'Q', L'Q') {}
    bool Mapped() const { return Letter() == L'Q'; }
};

} // namespace

TEST(MainStart, MissingLanguageFileEndsTheProgramAndWritesNothing)
{
    e2e::ForgetSettings();
    VistoraApp app(false);
    const auto before = e2e::FolderFiles(app.Folder());
    ASSERT_TRUE(app.Start());
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = testsupport::FindProcessWindow(app.Pid(), L"#32770")) != nullptr; }, 20000));
    EXPECT_EQ(WindowText(box), L"Vistora");
    EXPECT_EQ(testsupport::DialogMessageText(box), L"[Vistora.Txt] file not found!");
    EXPECT_EQ(testsupport::FindProcessWindow(app.Pid(), L"VistoraForm"), nullptr) << "the main window never shows";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(app.WaitForExit(5000));
    Sleep(300);
    EXPECT_EQ(e2e::FolderFiles(app.Folder()), before) << "no options file, no probe answer";
    EXPECT_EQ(e2e::StoredSetting(L"MainLeft"), L"<missing>") << "no placement saved";
}

TEST(MainStart, FirstStartCoversTheScreenInEnglishAtTheProgramFolder)
{
    e2e::ForgetSettings();
    VistoraApp app;
    HWND main = app.StartAndWait();
    ASSERT_NE(main, nullptr);
    RECT r;
    GetWindowRect(main, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(Visible(app.Button(3))) << "English shows the switch to the own language";
    EXPECT_FALSE(Visible(app.Button(4)));
    EXPECT_EQ(WindowText(app.Button(0)), L"  Exit");
    EXPECT_EQ(WindowText(app.Button(8)), L"  Exit");
    EXPECT_EQ(WindowText(app.Button(5)), L"Power");
    EXPECT_EQ(app.ColumnHeader(0), L"File name");
    EXPECT_EQ(Lower(WindowText(app.Directory())), Lower(app.Folder()));
    EXPECT_FALSE(IsWindowEnabled(app.Button(1)));
    EXPECT_FALSE(IsWindowEnabled(app.Button(9)));
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    EXPECT_EQ(info.hwndFocus, app.Button(0)) << "the exit button has the focus";
}

TEST(MainStart, OptionsFileChoosesLanguageAndFolder)
{
    e2e::ForgetSettings();
    {
        VistoraApp app;
        WriteBytes(app.File(L"Vistora.opt"), "OWN\r\n");
        ASSERT_NE(app.StartAndWait(), nullptr);
        EXPECT_TRUE(Visible(app.Button(3))) << "a single line gives English, even when it says OWN";
        EXPECT_FALSE(Visible(app.Button(4)));
    }
    {
        VistoraApp app;
        WriteBytes(app.File(L"Vistora.opt"), "OWN\r\nc:\\windows\r\n");
        ASSERT_NE(app.StartAndWait(), nullptr);
        EXPECT_TRUE(Visible(app.Button(4)));
        EXPECT_FALSE(Visible(app.Button(3)));
        EXPECT_EQ(WindowText(app.Button(0)), L"  Esci");
        EXPECT_EQ(Lower(WindowText(app.Directory())), L"c:\\windows");
    }
}

TEST(MainStart, UnusableStartFolderOpensTheRootOfCAndIsSavedAsLowerCaseC)
{
    e2e::ForgetSettings();
    const MissingDriveQ removed;
    ASSERT_TRUE(removed.Mapped());
    // A vanished drive, and folders that exist but begin with no drive letter: root-relative,
    // network and relative (to the program folder, where Vistora starts).
    for (const char* stored : {"Q:\\talks", "\\windows", "\\\\server\\share\\talks", "talks"}) {
        VistoraApp app;
        CreateDirectoryW(app.File(L"talks").c_str(), nullptr);
        WriteBytes(app.File(L"Vistora.opt"), std::string("ENG\r\n") + stored + "\r\n");
        ASSERT_NE(app.StartAndWait(), nullptr) << stored;
        EXPECT_EQ(Lower(WindowText(app.Directory())), L"c:\\") << stored;
        VistoraApp::Click(app.Button(0));
        ASSERT_TRUE(app.WaitForExit(10000)) << stored;
        EXPECT_EQ(ReadBytes(app.File(L"Vistora.opt")), "ENG\r\nc:\\\r\n") << stored;
    }
}

TEST(MainExit, OrderlyExitWritesTwoLinesAndRemovesTheProbeAnswer)
{
    e2e::ForgetSettings();
    VistoraApp app;
    HWND main = app.StartAndWait();
    ASSERT_NE(main, nullptr);
    // The probe leaves its answer shortly after start-up.
    WaitFor([&] { return testsupport::FileExistsForTest(app.File(L"ZelSuite.tmp")); }, 10000);
    const std::wstring folder = WindowText(app.Directory());
    VistoraApp::Click(app.Button(0));
    ASSERT_TRUE(app.WaitForExit(10000));
    std::string expected = "ENG\r\n";
    for (wchar_t c : folder) expected += static_cast<char>(c);
    expected += "\r\n";
    EXPECT_EQ(ReadBytes(app.File(L"Vistora.opt")), expected);
    EXPECT_FALSE(testsupport::FileExistsForTest(app.File(L"ZelSuite.tmp")));
    EXPECT_EQ(e2e::StoredSetting(L"MainLeft"), L"0");
    EXPECT_NE(e2e::StoredSetting(L"MainWidth"), L"<missing>");
}

TEST(MainWindowDrag, TitleStripMovesTheWindowByTheSameAmount)
{
    e2e::ForgetSettings();
    e2e::StorePlacement(L"1500", L"1500", L"12000", L"9000");
    VistoraApp app;
    HWND main = app.StartAndWait();
    ASSERT_NE(main, nullptr);
    RECT before;
    GetWindowRect(main, &before);
    EXPECT_EQ(before.left, 100);
    EXPECT_EQ(before.right - before.left, 800);
    // 100 twips right and 50 down are about 7 and 3 pixels; drag farther to see it clearly.
    const int x = before.left + 200, y = before.top + 10;
    VistoraApp::MoveTo(x, y);
    VistoraApp::LeftDown();
    VistoraApp::MoveTo(x + 40, y + 25);
    VistoraApp::MoveTo(x + 70, y + 30);
    VistoraApp::LeftUp();
    Sleep(200);
    RECT after;
    GetWindowRect(main, &after);
    EXPECT_EQ(after.left - before.left, 70);
    EXPECT_EQ(after.top - before.top, 30);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
}

TEST(MainBrowser, RowsIconsSizesAndTheRowClick)
{
    e2e::ForgetSettings();
    testsupport::ScratchFolder talks(L"talks");
    WriteBytes(talks / L"MY TALK.PPT", std::string(2048000, 'x'));
    WriteBytes(talks / L"intro.pps", "pps");
    WriteBytes(talks / L"CLOSING.Pps", "Pps!");
    WriteBytes(talks / L"empty.ppt", "");
    WriteBytes(talks / L"notes.txt", "not a presentation");
    VistoraApp app;
    WriteBytes(app.File(L"Vistora.opt"), OptionsFor(talks.path()));
    ASSERT_NE(app.StartAndWait(), nullptr);
    ASSERT_EQ(app.RowCount(), 4);
    std::vector<std::wstring> names;
    for (int i = 0; i < 4; ++i) names.push_back(app.Cell(i, 0));
    auto row = [&](const std::wstring& name) {
        auto it = std::find(names.begin(), names.end(), name);
        return it == names.end() ? -1 : static_cast<int>(it - names.begin());
    };
    const int talk = row(L"My Talk.ppt");
    ASSERT_GE(talk, 0);
    EXPECT_EQ(app.Cell(talk, 1), L"2,048,000");
    EXPECT_EQ(app.RowIcon(talk), 10);
    EXPECT_EQ(app.Cell(row(L"Empty.ppt"), 1), L"0");
    // Only the exact spellings ".pps" and ".PPS" get the slide-show icon.
    EXPECT_EQ(app.RowIcon(row(L"Intro.pps")), 11);
    EXPECT_EQ(app.RowIcon(row(L"Closing.pps")), 10);

    const int pps = row(L"Intro.pps");
    RECT r = app.RowRect(pps);
    VistoraApp::ClickAt(r.left + 30, (r.top + r.bottom) / 2);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(app.Button(1)) != 0; }, 3000));
    EXPECT_FALSE(IsWindowEnabled(app.Button(9))) << "a slide show can't be opened for editing";
    EXPECT_EQ(app.StatusText(2), L"Selected: Intro.pps");
    r = app.RowRect(talk);
    VistoraApp::ClickAt(r.left + 30, (r.top + r.bottom) / 2);
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(app.Button(9)) != 0; }, 3000));
}

using e2e::PickDrive;

TEST(MainBrowser, DriveChangeOpensTheDriveOrFallsBackWhenItIsNotReady)
{
    e2e::ForgetSettings();
    const MissingDriveQ notReady;
    ASSERT_TRUE(notReady.Mapped());
    VistoraApp app;
    WriteBytes(app.File(L"Vistora.opt"), "ENG\r\nc:\\windows\r\n");
    ASSERT_NE(app.StartAndWait(), nullptr);
    HWND drives = GetDlgItem(app.Main(), e2e::IdDrive);
    ASSERT_EQ(Lower(WindowText(app.Directory())), L"c:\\windows");

    PickDrive(drives, L'Q');
    EXPECT_EQ(Lower(WindowText(drives)).substr(0, 2), L"c:") << "the list goes back to the drive in use";
    EXPECT_EQ(Lower(WindowText(app.Directory())), L"c:\\windows") << "and so does the folder";

    PickDrive(drives, L'Z');
    EXPECT_EQ(Lower(WindowText(drives)).substr(0, 2), L"z:");
    EXPECT_EQ(Lower(WindowText(app.Directory())).substr(0, 3), L"z:\\");
}

namespace {

int SelectedRow(const VistoraApp& app)
{
    return static_cast<int>(SendMessageW(app.List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ClickRow(const VistoraApp& app, int row)
{
    const RECT r = app.RowRect(row);
    VistoraApp::ClickAt(r.left + 30, (r.top + r.bottom) / 2);
}

// The visible top-level windows, in a fixed order.
std::vector<HWND> VisibleWindows()
{
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            if (IsWindowVisible(hwnd)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    std::sort(windows.begin(), windows.end());
    return windows;
}

} // namespace

using e2e::EnterFolderEntry;

TEST(MainBrowser, BackInTheFolderShownTheClickedRowStaysChosen)
{
    e2e::ForgetSettings();
    const MissingDriveQ notReady;
    ASSERT_TRUE(notReady.Mapped());
    testsupport::ScratchFolder talks(L"talks");
    for (const wchar_t* name : {L"a.ppt", L"b.ppt", L"c.ppt"}) WriteBytes(talks / name, "slides");
    CreateDirectoryW((talks / L"sub").c_str(), nullptr);
    VistoraApp app;
    WriteBytes(app.File(L"Vistora.opt"), OptionsFor(talks.path()));
    ASSERT_NE(app.StartAndWait(), nullptr);
    ASSERT_EQ(app.RowCount(), 3);
    ASSERT_EQ(SelectedRow(app), 2) << "the last row starts selected";
    ClickRow(app, 0);
    ASSERT_TRUE(WaitFor([&] { return app.StatusText(2) == L"Selected: A.ppt"; }, 3000));
    ASSERT_EQ(SelectedRow(app), 0);

    // A failed drive pick returns to the folder shown: no folder change, no refill.
    PickDrive(GetDlgItem(app.Main(), e2e::IdDrive), L'Q');
    EXPECT_EQ(Lower(WindowText(app.Directory())), Lower(talks.path()));
    EXPECT_EQ(SelectedRow(app), 0) << "after the failed drive pick";

    // Double-click and Enter on the folder already shown.
    HWND box = GetWindow(app.Directory(), GW_CHILD);
    const int current = static_cast<int>(SendMessageW(box, LB_GETCURSEL, 0, 0));
    ASSERT_EQ(current, static_cast<int>(SendMessageW(box, LB_GETCOUNT, 0, 0)) - 2) << "sub follows the folder shown";
    EnterFolderEntry(app.Directory(), current);
    EXPECT_EQ(SelectedRow(app), 0) << "after a double-click on the folder shown";
    SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(SelectedRow(app), 0) << "after Enter on the folder shown";
    EXPECT_EQ(Lower(WindowText(app.Directory())), Lower(talks.path()));
    EXPECT_EQ(app.StatusText(2), L"Selected: A.ppt");

    // A real move still refills: the subfolder holds no presentation.
    EnterFolderEntry(app.Directory(), current + 1);
    EXPECT_EQ(Lower(WindowText(app.Directory())), Lower(talks / L"sub"));
    EXPECT_EQ(app.RowCount(), 0);
}

TEST(MainBrowser, FirstColumnLeavesRoomForTheScrollBarOnlyWhileRowsOverflow)
{
    e2e::ForgetSettings();
    testsupport::ScratchFolder talks(L"talks");
    for (const wchar_t* name : {L"a.ppt", L"b.ppt"}) WriteBytes(talks / name, "slides");
    CreateDirectoryW((talks / L"many").c_str(), nullptr);
    for (int i = 0; i < 80; ++i) WriteBytes(talks / (L"many\\talk " + std::to_wstring(i) + L".ppt"), "slides");
    VistoraApp app;
    WriteBytes(app.File(L"Vistora.opt"), OptionsFor(talks.path()));
    ASSERT_NE(app.StartAndWait(), nullptr);
    ASSERT_EQ(app.RowCount(), 2);
    auto firstColumn = [&] { return static_cast<int>(SendMessageW(app.List(), LVM_GETCOLUMNWIDTH, 0, 0)); };
    const int fitting = firstColumn();

    // 260 twips more for the scroll bar: 17 or 18 pixels at 96 dots per inch.
    HWND box = GetWindow(app.Directory(), GW_CHILD);
    const int shown = static_cast<int>(SendMessageW(box, LB_GETCURSEL, 0, 0));
    EnterFolderEntry(app.Directory(), shown + 1);
    ASSERT_EQ(app.RowCount(), 80);
    const int overflowing = firstColumn();
    EXPECT_GE(fitting - overflowing, 17);
    EXPECT_LE(fitting - overflowing, 18);

    EnterFolderEntry(app.Directory(), static_cast<int>(SendMessageW(box, LB_GETCURSEL, 0, 0)) - 1);
    ASSERT_EQ(app.RowCount(), 2);
    EXPECT_EQ(firstColumn(), fitting) << "back in a folder whose rows fit";
}

TEST(MainBrowser, StartAndEditDoNothingWithoutASelectedRow)
{
    e2e::ForgetSettings();
    testsupport::ScratchFolder talks(L"talks");
    WriteBytes(talks / L"talk.ppt", "slides");
    CreateDirectoryW((talks / L"empty").c_str(), nullptr);
    testsupport::ScratchFolder logs(L"peerlog");
    SetEnvironmentVariableW(L"VISTORA_PEER_LOG", (logs / L"open.log").c_str());
    struct Unset {
        ~Unset() { SetEnvironmentVariableW(L"VISTORA_PEER_LOG", nullptr); }
    } unset;
    e2e::ClassOverride editor(L".ppt", e2e::PeerProgram(L"peer_browser.exe"));
    VistoraApp app(true, false);
    WriteBytes(app.File(L"Vistora.opt"), OptionsFor(talks.path()));
    HWND main = app.StartAndWait();
    ASSERT_NE(main, nullptr);
    ClickRow(app, 0);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(app.Button(9)) != 0; }, 3000));

    // Into the empty subfolder, the last entry of the folder list.
    HWND box = GetWindow(app.Directory(), GW_CHILD);
    EnterFolderEntry(app.Directory(), static_cast<int>(SendMessageW(box, LB_GETCOUNT, 0, 0)) - 1);
    ASSERT_TRUE(WaitFor([&] { return app.RowCount() == 0; }, 3000));
    ASSERT_EQ(SelectedRow(app), -1);
    EXPECT_TRUE(IsWindowEnabled(app.Button(1))) << "a refill leaves the buttons as they were";
    EXPECT_TRUE(IsWindowEnabled(app.Button(9)));

    VistoraApp::Click(app.Button(1));
    EXPECT_FALSE(WaitFor([&] { return !IsWindowVisible(main); }, 2000)) << "no show was started";
    const std::vector<HWND> before = VisibleWindows();
    VistoraApp::Click(app.Button(9));
    EXPECT_FALSE(WaitFor([&] { return VisibleWindows() != before; }, 2000)) << "nothing was opened for editing";
    EXPECT_TRUE(testsupport::ReadBytes(logs / L"open.log").empty());
}
