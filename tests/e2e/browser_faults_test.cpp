#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ShowRoadKit.h"

using e2e::EnterFolderEntry;
using e2e::Lower;
using e2e::PickDrive;
using e2e::VistoraApp;
using testsupport::ReadBytes;
using testsupport::ScratchFolder;
using testsupport::WaitFor;
using testsupport::WindowText;
using testsupport::WriteBytes;

namespace {

// The same path in the form every file function takes at any length.
std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

void StartIn(VistoraApp& app, const std::wstring& folder)
{
    std::string opt = "ENG\r\n";
    for (wchar_t c : folder) opt += static_cast<char>(c);
    ASSERT_TRUE(WriteBytes(app.File(L"Vistora.opt"), opt + "\r\n"));
    ASSERT_NE(app.StartAndWait(), nullptr);
}

std::wstring ShownFolder(const VistoraApp& app) { return Lower(WindowText(app.Directory())); }
std::wstring ShownDrive(const VistoraApp& app)
{
    return Lower(WindowText(GetDlgItem(app.Main(), e2e::IdDrive))).substr(0, 2);
}

// Enter pressed in the folder list, on the entry it has selected (the folder shown).
void PressEnterInFolders(const VistoraApp& app)
{
    SendMessageW(GetWindow(app.Directory(), GW_CHILD), WM_KEYDOWN, VK_RETURN, 0);
}

// No message box came, and the window still answers at once.
void ExpectNoBoxAndNoFreeze(const VistoraApp& app)
{
    EXPECT_EQ(testsupport::FindProcessWindow(app.Pid(), L"#32770"), nullptr);
    DWORD_PTR ignored = 0;
    EXPECT_NE(SendMessageTimeoutW(app.Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored), 0);
}

std::wstring FromUtf8(const std::string& bytes)
{
    std::wstring text(bytes.size(), L'\0');
    const int size = static_cast<int>(bytes.size());
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, text.data(), size)));
    return text;
}

// The stand-in's show window, whatever presentation it shows.
HWND ShowWindowNow()
{
    for (HWND w = FindWindowExW(nullptr, nullptr, L"StandInShow", nullptr); w;
         w = FindWindowExW(nullptr, w, L"StandInShow", nullptr))
        if (IsWindowVisible(w) && WindowText(w).rfind(L"Slide Show - [", 0) == 0) return w;
    return nullptr;
}

// Clicks a row and starts its show; returns the presentation path the show program was given
// (the last quoted argument it noted in the log), after the show has ended and the main window
// is back. Empty when no show started.
std::wstring ShowPathOf(VistoraApp& app, int row, const std::wstring& log)
{
    const RECT r = app.RowRect(row);
    VistoraApp::ClickAt(r.left + 30, (r.top + r.bottom) / 2);
    if (!WaitFor([&] { return IsWindowEnabled(app.Button(1)) != 0; }, 3000)) return {};
    const std::size_t before = ReadBytes(log).size();
    VistoraApp::Click(app.Button(1));
    std::string noted;
    if (!WaitFor([&] { return (noted = ReadBytes(log).substr(before)).find('\n') != std::string::npos; }, 10000))
        return {};
    HWND show = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (show = ShowWindowNow()) != nullptr; }, 10000));
    // Give the bar's watch time to see the show; then the show's end must bring the main window back.
    WaitFor([] { return false; }, 1500);
    PostMessageW(show, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(app.Main()) && !e2e::Bar(app); }, 8000))
        << "the bar saw the show's window and its end";
    const std::wstring line = FromUtf8(noted.substr(0, noted.find('\r')));
    const std::size_t close = line.rfind(L'"');
    const std::size_t open =
        close == std::wstring::npos || close == 0 ? std::wstring::npos : line.rfind(L'"', close - 1);
    return open == std::wstring::npos ? std::wstring() : line.substr(open + 1, close - open - 1);
}

// The show program notes its command line here while this lives.
struct ShowLog {
    ScratchFolder folder{L"showlog"};
    std::wstring path = folder / L"show.log";
    ShowLog() { SetEnvironmentVariableW(L"VISTORA_SHOW_LOG", path.c_str()); }
    ~ShowLog() { SetEnvironmentVariableW(L"VISTORA_SHOW_LOG", nullptr); }
};

// Under Wine, a drive letter for a folder as Wine mounts a stick: the drive name that the drive
// list reads and the link in the prefix's device folder that file access follows. Remove pulls
// it out.
class WineStick {
public:
    explicit WineStick(const std::wstring& folder) : listed_(folder)
    {
        const std::wstring target = testsupport::UnixPathOf(folder);
        if (!listed_.Letter() || devices_.empty() || target.empty()) return;
        testsupport::StartUnixProgram(L"/bin/ln -s \"" + target + L"\"", devices_, Drive());
        WaitFor([&] { return Present(); });
    }
    ~WineStick() { Remove(); }
    wchar_t Letter() const { return listed_.Letter(); }
    std::wstring Drive() const { return listed_.Drive(); }
    bool Present() const
    {
        const DWORD attributes = Letter() ? GetFileAttributesW((Drive() + L"\\").c_str()) : INVALID_FILE_ATTRIBUTES;
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    void Remove()
    {
        if (!Letter() || devices_.empty()) return;
        testsupport::StartUnixProgram(L"/bin/rm -f", devices_, Drive());
        WaitFor([&] { return !Present(); });
        listed_.Remove();
    }

private:
    testsupport::MappedDrive listed_;
    const std::wstring devices_ = testsupport::WinePathFromEnv(L"WINEPREFIX", L"\\dosdevices");
};

int RowOf(const VistoraApp& app, const std::wstring& text, int icon = 0)
{
    for (int i = 0; i < app.RowCount(); ++i)
        if (app.Cell(i, 0) == text && (icon == 0 || app.RowIcon(i) == icon)) return i;
    return -1;
}

} // namespace

TEST(BrowserFaults, AVanishedFolderOrDriveLeavesBothListsOnAFolderThatExists)
{
    e2e::ForgetSettings();
    testsupport::MappedDrive notReady(L"C:\\no-such-vistora-drive", L'Q', L'Q');
    ScratchFolder talks(L"talks");
    const std::wstring box = talks / L"box";
    for (const std::wstring& folder : {box, box + L"\\other", box + L"\\gone", box + L"\\gone\\deeper", talks / L"usb"})
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    WriteBytes(box + L"\\other\\c.ppt", "c");
    WriteBytes(box + L"\\gone\\a.ppt", "a");
    WriteBytes(box + L"\\gone\\deeper\\b.ppt", "b");
    WriteBytes(talks / L"usb\\d.ppt", "d");
    WineStick stick(talks / L"usb");
    ASSERT_TRUE(stick.Present()) << "the stick could not be mounted";

    // Vistora starts in box\gone, which is then its current folder, and moves down into deeper.
    VistoraApp app;
    StartIn(app, box + L"\\gone");
    ASSERT_EQ(app.RowCount(), 1);
    HWND folders = GetWindow(app.Directory(), GW_CHILD);
    EnterFolderEntry(app.Directory(), static_cast<int>(SendMessageW(folders, LB_GETCOUNT, 0, 0)) - 1);
    ASSERT_EQ(ShownFolder(app), Lower(box + L"\\gone\\deeper"));
    ASSERT_EQ(app.Cell(0, 0), L"B.ppt");

    // Removed from outside while listed; Enter on the folder shown.
    ASSERT_TRUE(testsupport::StartUnixProgram(L"/bin/rm -rf", box + L"\\gone"));
    ASSERT_TRUE(WaitFor([&] { return GetFileAttributesW((box + L"\\gone").c_str()) == INVALID_FILE_ATTRIBUTES; }));
    PressEnterInFolders(app);
    EXPECT_EQ(ShownFolder(app), Lower(box)) << "the nearest folder still there";
    EXPECT_EQ(app.RowCount(), 0) << "which holds no presentation";
    EXPECT_EQ(ShownDrive(app), L"c:");
    ExpectNoBoxAndNoFreeze(app);

    // A drive that is not ready returns to the drive of the current folder; that folder is gone,
    // so to the nearest folder of it still there.
    EnterFolderEntry(app.Directory(), static_cast<int>(SendMessageW(folders, LB_GETCOUNT, 0, 0)) - 1);
    ASSERT_EQ(ShownFolder(app), Lower(box + L"\\other"));
    ASSERT_EQ(app.RowCount(), 1);
    PickDrive(GetDlgItem(app.Main(), e2e::IdDrive), L'Q');
    EXPECT_EQ(ShownFolder(app), Lower(box));
    EXPECT_EQ(app.RowCount(), 0);
    EXPECT_EQ(ShownDrive(app), L"c:");

    // A stick pulled out while its folder is shown.
    PickDrive(GetDlgItem(app.Main(), e2e::IdDrive), stick.Letter());
    ASSERT_EQ(ShownFolder(app), Lower(stick.Drive() + L"\\"));
    ASSERT_EQ(app.Cell(0, 0), L"D.ppt");
    stick.Remove();
    PressEnterInFolders(app);
    EXPECT_EQ(ShownFolder(app), Lower(box)) << "the current folder's drive, at the nearest folder still there";
    EXPECT_EQ(ShownDrive(app), L"c:");
    EXPECT_EQ(app.RowCount(), 0);
    ExpectNoBoxAndNoFreeze(app);
}

TEST(BrowserFaults, NamesOutsideTheAnsiCodePageAreListedAsTheSystemListsThemAndTheirShowsOpenThem)
{
    e2e::ForgetSettings();
    ScratchFolder talks(L"talks");
    const std::wstring greek =
        L"Pr\u00E4sentation \u03A9\u03BC\u03AD\u03B3\u03B1 \u041F\u0440\u0438\u0432\u0435\u0442.ppt";
    // CJK, German sharp s and a Greek final sigma.
    const std::wstring cjk = L"\u4F1A\u8B70 stra\u00DFe \u03BB\u03CC\u03B3\u03BF\u03C2.pps";
    ASSERT_TRUE(WriteBytes(talks / greek, "greek"));
    ASSERT_TRUE(WriteBytes(talks / cjk, "cjk"));
    ASSERT_TRUE(WriteBytes(talks / L"intro.pps", "lower"));
    // Under Wine a folder may hold a second name differing only in case; the capitals of either
    // name no longer say which file is meant.
    const bool twins = testsupport::StartUnixProgram(L"/usr/bin/touch", talks.path(), L"INTRO.Pps") &&
                       WaitFor([&] { return e2e::FolderFiles(talks.path()).size() == 4; });
    ShowLog log;
    VistoraApp app;
    StartIn(app, talks.path());
    ASSERT_EQ(app.RowCount(), twins ? 4 : 3);

    const struct {
        std::wstring row;
        int icon;
        std::string content;
    } shows[] = {
        {greek, 10, "greek"},
        {L"\u4F1A\u8B70 Stra\u00DFe \u039B\u03CC\u03B3\u03BF\u03C2.pps", 11, "cjk"},
        {L"Intro.pps", 11, "lower"},
    };
    for (const auto& show : shows) {
        const int row = RowOf(app, show.row, show.icon);
        ASSERT_GE(row, 0) << show.content << " is listed";
        const std::wstring path = ShowPathOf(app, row, log.path);
        ASSERT_FALSE(path.empty()) << show.content << ": the show started";
        EXPECT_EQ(ReadBytes(path), show.content) << "the path given opens the file listed";
    }
    ExpectNoBoxAndNoFreeze(app);
}

TEST(BrowserFaults, PathsBeyondTheClassicLimitAreListedAndTheirShowsGetAPathThatOpens)
{
    e2e::ForgetSettings();
    ScratchFolder talks(L"talks");
    struct Cleanup {
        std::wstring folder;
        ~Cleanup() { ScratchFolder::RemoveTree(Long(folder)); }
    } cleanup{talks.path()};
    // A start folder below the limit holding a file whose full path passes it, and a folder
    // below that whose own path passes it.
    std::wstring deep = talks.path();
    while (deep.size() < 210) {
        deep += L"\\a folder with a rather long name";
        ASSERT_TRUE(CreateDirectoryW(Long(deep).c_str(), nullptr));
    }
    const std::wstring name = L"a presentation whose name alone is long, for the road.ppt";
    const std::wstring deeper = deep + L"\\and one more folder below it, with a long name as well";
    ASSERT_TRUE(CreateDirectoryW(Long(deeper).c_str(), nullptr));
    ASSERT_GT((deep + L"\\" + name).size(), 260u);
    ASSERT_GT(deeper.size(), 260u);
    ASSERT_TRUE(WriteBytes(Long(deep + L"\\" + name), "deep"));
    ASSERT_TRUE(WriteBytes(Long(deeper + L"\\closing words.ppt"), "deeper"));

    ShowLog log;
    VistoraApp app;
    StartIn(app, deep);
    ASSERT_EQ(app.RowCount(), 1);
    EXPECT_EQ(app.Cell(0, 0), L"A Presentation Whose Name Alone Is Long, For The Road.ppt");
    std::wstring path = ShowPathOf(app, 0, log.path);
    EXPECT_LT(path.size(), 260u) << path;
    EXPECT_EQ(ReadBytes(path), "deep");
    EXPECT_EQ(Lower(path.substr(path.rfind(L'\\') + 1)), name) << "the file name is kept, for the show's title";

    HWND folders = GetWindow(app.Directory(), GW_CHILD);
    EnterFolderEntry(app.Directory(), static_cast<int>(SendMessageW(folders, LB_GETCOUNT, 0, 0)) - 1);
    ASSERT_EQ(ShownFolder(app), Lower(deeper));
    ASSERT_EQ(app.RowCount(), 1);
    EXPECT_EQ(app.Cell(0, 1), L"6");
    path = ShowPathOf(app, 0, log.path);
    EXPECT_LT(path.size(), 260u) << path;
    EXPECT_EQ(ReadBytes(path), "deeper");
    ExpectNoBoxAndNoFreeze(app);
}
