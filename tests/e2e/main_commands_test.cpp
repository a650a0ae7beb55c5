#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "VistoraApp.h"

using e2e::VistoraApp;
using testsupport::ReadBytes;
using testsupport::WaitFor;
using testsupport::WindowText;
using testsupport::WriteBytes;

namespace {

POINT Centre(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void HoverOver(HWND hwnd)
{
    POINT p = Centre(hwnd);
    VistoraApp::MoveTo(p.x, p.y);
    VistoraApp::MoveTo(p.x + 3, p.y + 1);
}

// The pixels of a row near the top of a window, where a button draws its hover frame.
std::vector<COLORREF> TopRow(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    std::vector<COLORREF> row;
    for (int x = r.left; x < r.right; ++x) row.push_back(testsupport::ScreenPixel(x, r.top + 1));
    return row;
}

// The same row once it has stopped changing (a button repaints as the pointer leaves it).
std::vector<COLORREF> SteadyTopRow(HWND hwnd)
{
    std::vector<COLORREF> row = TopRow(hwnd), again;
    WaitFor([&] {
        Sleep(100);
        again = TopRow(hwnd);
        return std::exchange(row, again) == again;
    });
    return row;
}

// A point on the window's background picture, clear of the lists.
void HoverBackground(HWND main)
{
    RECT r;
    GetWindowRect(main, &r);
    VistoraApp::MoveTo(r.left + 10, r.bottom - 40);
    VistoraApp::MoveTo(r.left + 12, r.bottom - 41);
}

class EnvironmentVariable {
public:
    EnvironmentVariable(const wchar_t* name, const std::wstring& value) : name_(name)
    {
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~EnvironmentVariable() { SetEnvironmentVariableW(name_, nullptr); }

private:
    const wchar_t* name_;
};

HWND FindAbout(DWORD pid)
{
    HWND found = nullptr;
    WaitFor([&] {
        found = testsupport::FindProcessWindow(pid, L"VistoraForm");
        return found && WindowText(found) == L"About Vistora";
    }, 5000);
    return found && WindowText(found) == L"About Vistora" ? found : nullptr;
}

} // namespace

TEST(MainCommandHover, EachButtonWritesItsTextOnceWhenEntered)
{
    e2e::ForgetSettings();
    VistoraApp app;
    HWND main = app.StartAndWait();
    ASSERT_NE(main, nullptr);
    HoverOver(app.Button(2));
    EXPECT_TRUE(WaitFor([&] { return app.StatusText(2) == L"Visit the Vistora web site or read about the program"; }));
    HoverOver(app.Button(5));
    EXPECT_TRUE(WaitFor([&] { return app.StatusText(2) == L"Open the power settings of this computer"; }));
    HoverBackground(main);
    EXPECT_TRUE(WaitFor([&] { return app.StatusText(2).rfind(L"Vistora is ready", 0) == 0; }));
    // Back on the same button: its text was written when it was entered and is not written again.
    // The hover look shows that the button has seen the pointer, after its hover event ran.
    const std::vector<COLORREF> resting = SteadyTopRow(app.Button(5));
    HoverOver(app.Button(5));
    ASSERT_TRUE(WaitFor([&] { return TopRow(app.Button(5)) != resting; }));
    EXPECT_EQ(app.StatusText(2).rfind(L"Vistora is ready", 0), 0u);
    // Another button with the same text as the last one still writes it.
    HoverOver(app.Button(0));
    EXPECT_TRUE(WaitFor([&] { return app.StatusText(2) == L"End the show or leave the program"; }));
    HoverBackground(main);
    HoverOver(app.Button(8));
    EXPECT_TRUE(WaitFor([&] { return app.StatusText(2) == L"End the show or leave the program"; }));
}

TEST(MainCommandLanguage, SwitchingTwiceReturnsTheFirstCaptionsWithoutReadingTheFile)
{
    e2e::ForgetSettings();
    VistoraApp app;
    ASSERT_NE(app.StartAndWait(), nullptr);
    // A changed file on disk must not show: a switch only re-cuts the lines read at start-up.
    std::string text = ReadBytes(app.File(L"Vistora.Txt"));
    const auto at = text.find("\"Exit:");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 6, "\"Leave:");
    WriteBytes(app.File(L"Vistora.Txt"), text);

    VistoraApp::Click(app.Button(3));
    ASSERT_TRUE(WaitFor([&] { return WindowText(app.Button(0)) == L"  Esci"; }));
    EXPECT_FALSE(IsWindowVisible(app.Button(3)));
    EXPECT_TRUE(IsWindowVisible(app.Button(4)));
    EXPECT_EQ(WindowText(app.Button(8)), L"  Esci");
    EXPECT_EQ(WindowText(app.Button(5)), L"Power");
    EXPECT_EQ(app.ColumnHeader(1), L"Dimensione");

    VistoraApp::Click(app.Button(4));
    ASSERT_TRUE(WaitFor([&] { return WindowText(app.Button(0)) == L"  Exit"; }));
    EXPECT_TRUE(IsWindowVisible(app.Button(3)));
    EXPECT_FALSE(IsWindowVisible(app.Button(4)));
    EXPECT_EQ(app.ColumnHeader(1), L"Size");
}

TEST(MainCommandEditTexts, WaitsForTheEditorStaysResponsiveAndShowsTheNewCaption)
{
    e2e::ForgetSettings();
    e2e::ClassOverride editor(L".txt", e2e::PeerProgram(L"peer_editor.exe"));
    testsupport::ScratchFolder logs(L"peerlog");
    EnvironmentVariable log(L"VISTORA_PEER_LOG", logs / L"editor.log");
    EnvironmentVariable action(L"VISTORA_EDITOR_ACTION", L"caption");
    EnvironmentVariable pause(L"VISTORA_EDITOR_MS", L"1500");
    VistoraApp app;
    HWND main = app.StartAndWait();
    ASSERT_NE(main, nullptr);
    VistoraApp::Click(app.Button(6));
    ASSERT_TRUE(WaitFor([&] { return !ReadBytes(logs / L"editor.log").empty(); }, 5000)) << "the editor was started";
    // While the editor runs, the window still answers.
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &answer), 0);
    EXPECT_EQ(WindowText(app.Button(0)), L"  Exit") << "nothing is re-read before the editor ends";
    EXPECT_TRUE(WaitFor([&] { return WindowText(app.Button(0)) == L"  Leave"; }, 8000));
    std::string logged = ReadBytes(logs / L"editor.log");
    std::string expectedFile;
    for (wchar_t c : app.File(L"Vistora.Txt")) expectedFile += static_cast<char>(c);
    EXPECT_NE(logged.find("\"" + expectedFile + "\""), std::string::npos) << logged;
}

TEST(MainCommandEditTexts, FileDeletedDuringTheEditEndsTheProgramWithoutSaving)
{
    e2e::ForgetSettings();
    e2e::ClassOverride editor(L".txt", e2e::PeerProgram(L"peer_editor.exe"));
    EnvironmentVariable action(L"VISTORA_EDITOR_ACTION", L"delete");
    VistoraApp app;
    ASSERT_NE(app.StartAndWait(), nullptr);
    VistoraApp::Click(app.Button(6));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = testsupport::FindProcessWindow(app.Pid(), L"#32770")) != nullptr; }, 8000));
    EXPECT_EQ(testsupport::DialogMessageText(box), L"[Vistora.Txt] file not found!");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(app.WaitForExit(5000));
    EXPECT_FALSE(testsupport::FileExistsForTest(app.File(L"Vistora.opt")));
    EXPECT_EQ(e2e::StoredSetting(L"MainLeft"), L"<missing>");
}

TEST(MainCommandWebOrAbout, OnlyAnExactTrueOpensTheWebSite)
{
    e2e::ForgetSettings();
    e2e::ClassOverride browser(L"http", e2e::PeerProgram(L"peer_browser.exe"));
    testsupport::ScratchFolder logs(L"peerlog");
    EnvironmentVariable log(L"VISTORA_PEER_LOG", logs / L"browser.log");
    VistoraApp app(true, false);
    ASSERT_NE(app.StartAndWait(), nullptr);
    struct Case {
        std::string content; // "-": no file
        bool online;
        bool held = false; // another program holds the file without sharing it
    };
    const Case cases[] = {{"-", false},
                          {"", false},
                          {"true\r\n", false},
                          {"True \r\n", false},
                          {std::string("\0\xff\x01True\r\n\x80", 9), false},
                          {"True\r\n", false, true},
                          {"True\r\n", true}};
    for (const Case& c : cases) {
        DeleteFileW(app.File(L"ZelSuite.tmp").c_str());
        if (c.content != "-") WriteBytes(app.File(L"ZelSuite.tmp"), c.content);
        HANDLE held = c.held ? CreateFileW(app.File(L"ZelSuite.tmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr)
                             : INVALID_HANDLE_VALUE;
        if (c.held) {
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        DeleteFileW((logs / L"browser.log").c_str());
        VistoraApp::Click(app.Button(2));
        if (c.online) {
            EXPECT_TRUE(WaitFor([&] { return ReadBytes(logs / L"browser.log").find("http://") != std::string::npos; }))
                << "the web site opens when the probe said True";
            EXPECT_EQ(FindAbout(app.Pid()), nullptr);
        } else {
            HWND about = FindAbout(app.Pid());
            ASSERT_NE(about, nullptr) << c.content;
            EXPECT_EQ(app.StatusText(2), L"Set the sound volume. Off line: the web site can't be opened now");
            EXPECT_FALSE(IsWindowEnabled(app.Main())) << "the About box is modal";
            VistoraApp::Click(GetDlgItem(about, 1));
            EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));
            EXPECT_TRUE(ReadBytes(logs / L"browser.log").empty());
        }
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    }
}

TEST(MainAboutBox, OpensCentredBelowTheMiddleAtTheSamePlaceEachTime)
{
    e2e::ForgetSettings();
    VistoraApp app(true, false);
    ASSERT_NE(app.StartAndWait(), nullptr);
    RECT first{}, second{};
    for (RECT* r : {&first, &second}) {
        VistoraApp::Click(app.Button(2));
        HWND about = FindAbout(app.Pid());
        ASSERT_NE(about, nullptr);
        GetWindowRect(about, r);
        EXPECT_EQ(WindowText(GetDlgItem(about, 1)), L"Exit");
        // The pointer over the button gives it the focus.
        HoverOver(GetDlgItem(about, 1));
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        WaitFor([&] {
            GetGUIThreadInfo(GetWindowThreadProcessId(about, nullptr), &info);
            return info.hwndFocus == GetDlgItem(about, 1);
        });
        EXPECT_EQ(info.hwndFocus, GetDlgItem(about, 1));
        VistoraApp::Click(GetDlgItem(about, 1));
        WaitFor([&] { return !IsWindow(about); });
    }
    EXPECT_EQ(first.left, second.left);
    EXPECT_EQ(first.top, second.top);
    const int width = first.right - first.left, height = first.bottom - first.top;
    EXPECT_NEAR(first.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, 1);
    EXPECT_NEAR(first.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2 + 21, 1) << "320 twips below the middle";
}

namespace {
// Starts Vistora on a folder, clicks the named row and "Edit"; returns what the associated
// program was given.
std::string OpenForEditing(const std::wstring& folder, const std::wstring& row)
{
    testsupport::ScratchFolder logs(L"peerlog");
    EnvironmentVariable log(L"VISTORA_PEER_LOG", logs / L"open.log");
    e2e::ClassOverride editor(L".ppt", e2e::PeerProgram(L"peer_browser.exe"));
    VistoraApp app(true, false);
    std::string opt = "ENG\r\n";
    for (wchar_t c : folder) opt += static_cast<char>(c);
    WriteBytes(app.File(L"Vistora.opt"), opt + "\r\n");
    if (!app.StartAndWait()) return "<no window>";
    for (int i = 0; i < app.RowCount(); ++i) {
        if (app.Cell(i, 0) != row) continue;
        RECT r = app.RowRect(i);
        VistoraApp::ClickAt(r.left + 30, (r.top + r.bottom) / 2);
        if (!WaitFor([&] { return IsWindowEnabled(app.Button(9)) != 0; }, 3000)) return "<edit not enabled>";
        VistoraApp::Click(app.Button(9));
        WaitFor([&] { return !ReadBytes(logs / L"open.log").empty(); }, 8000);
        EXPECT_TRUE(IsWindowVisible(app.Main())) << "the main window stays";
        return ReadBytes(logs / L"open.log");
    }
    return "<no row>";
}

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text) out += static_cast<char>(c);
    return out;
}
} // namespace

TEST(MainCommandOpenForEditing, ShowFileHasOneBackslashAtARootAndInAFolder)
{
    e2e::ForgetSettings();
    testsupport::ScratchFolder talks(L"talks");
    WriteBytes(talks / L"MY TALK.PPT", "slides");
    std::string logged = OpenForEditing(talks.path(), L"My Talk.ppt");
    EXPECT_NE(logged.find(Narrow(talks.path()) + "\\MY TALK.PPT"), std::string::npos) << logged;

    ASSERT_TRUE(WriteBytes(L"C:\\MY TALK.PPT", "slides"));
    logged = OpenForEditing(L"C:\\", L"My Talk.ppt");
    DeleteFileW(L"C:\\MY TALK.PPT");
    EXPECT_NE(logged.find(":\\MY TALK.PPT"), std::string::npos) << logged;
    EXPECT_EQ(logged.find(":\\\\"), std::string::npos) << logged;
}

namespace {
// The title strip's small buttons, right to left: close, fill the screen, minimise.
std::vector<HWND> TitleButtons(HWND main)
{
    std::vector<std::pair<LONG, HWND>> found;
    HWND strip = GetWindow(main, GW_CHILD);
    for (; strip; strip = GetWindow(strip, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(strip, &r);
        if (r.top != r.bottom && GetWindow(strip, GW_CHILD) && r.bottom - r.top < 60) break;
    }
    for (HWND child = strip ? GetWindow(strip, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        if (r.right - r.left < 40) found.push_back({-r.left, child});
    }
    std::sort(found.begin(), found.end());
    std::vector<HWND> buttons;
    for (auto& [left, hwnd] : found) buttons.push_back(hwnd);
    return buttons;
}
} // namespace

TEST(MainTitleButtons, FillTheScreenThenMinimise)
{
    e2e::ForgetSettings();
    e2e::StorePlacement(L"1500", L"1500", L"12000", L"9000");
    VistoraApp app;
    HWND main = app.StartAndWait();
    ASSERT_NE(main, nullptr);
    const std::vector<HWND> title = TitleButtons(main);
    ASSERT_EQ(title.size(), 3u);
    VistoraApp::Click(title[1]);
    RECT r{};
    EXPECT_TRUE(WaitFor([&] {
        GetWindowRect(main, &r);
        return r.left == 0 && r.top == 0 && r.right == GetSystemMetrics(SM_CXSCREEN) &&
               r.bottom == GetSystemMetrics(SM_CYSCREEN);
    }));
    EXPECT_FALSE(IsZoomed(main)) << "the window state stays normal";
    VistoraApp::Click(title[2]);
    EXPECT_TRUE(WaitFor([&] { return IsIconic(main) != 0; }));
    ShowWindow(main, SW_RESTORE);
    WaitFor([&] { return !IsIconic(main); });
    // Pressing close, sliding off it and letting go there is no click.
    const POINT close = Centre(title[0]);
    VistoraApp::MoveTo(close.x, close.y);
    VistoraApp::LeftDown();
    VistoraApp::MoveTo(close.x - 40, close.y + 30);
    VistoraApp::LeftUp();
    EXPECT_FALSE(WaitFor([&] { return !app.Running(); }, 1500)) << "the program ended";
    VistoraApp::Click(title[0]);
    EXPECT_TRUE(app.WaitForExit(10000)) << "the close button ends the program";
    EXPECT_TRUE(testsupport::FileExistsForTest(app.File(L"Vistora.opt")));
}

TEST(MainCommandPresenter, WithoutThePresentationProgramButtonTenSaysWhy)
{
    e2e::ForgetSettings();
    // Unregister the presentation program for this start, and put its registration back after.
    const wchar_t* key = L"Software\\Classes\\Powerpoint.Application\\CLSID";
    wchar_t clsid[256] = L"";
    DWORD size = sizeof(clsid);
    ASSERT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, key, nullptr, RRF_RT_REG_SZ, nullptr, clsid, &size), ERROR_SUCCESS)
        << "the stand-in is registered";
    // Put back even when a check below fails: later tests start shows through it.
    struct Restore {
        const wchar_t* key;
        const wchar_t* clsid;
        ~Restore()
        {
            HKEY restored;
            if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &restored, nullptr) !=
                ERROR_SUCCESS)
                return;
            RegSetValueExW(restored, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsid),
                           static_cast<DWORD>((wcslen(clsid) + 1) * sizeof(wchar_t)));
            RegCloseKey(restored);
        }
    } restore{key, clsid};
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key);
    VistoraApp app;
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForMain(), nullptr);
    EXPECT_EQ(FindWindowW(L"#32770", L"Vistora"), nullptr) << "an unregistered program is not reported";
    VistoraApp::Click(app.Button(10));
    EXPECT_TRUE(WaitFor([&] { return app.StatusText(2) == L"PowerPoint was not found on this computer"; }));
}
