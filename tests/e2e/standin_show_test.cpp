#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "WineTestSupport.h"

using testsupport::WaitFor;
using testsupport::WindowText;

namespace {

// A started stand-in; ended by force if a case leaves it running.
class StandIn {
public:
    explicit StandIn(const std::wstring& arguments)
    {
        std::wstring commandLine =
            L"\"" + testsupport::BuildFolder() + L"\\cross\\StandInShow.exe\" " + arguments;
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &si, &pi)) {
            CloseHandle(pi.hThread);
            Adopt(pi.hProcess);
        }
    }
    // Started by the shell's "Open" on a file.
    StandIn(const std::wstring& verb, const std::wstring& file)
    {
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_NOCLOSEPROCESS;
        info.lpVerb = verb.c_str();
        info.lpFile = file.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExW(&info) && info.hProcess) Adopt(info.hProcess);
    }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;
    ~StandIn()
    {
        if (!process_) return;
        if (!Ended(0)) TerminateProcess(process_, 1);
        CloseHandle(process_);
    }

    HWND window() const { return window_; }
    // Pumps meanwhile: a closing window may send to this thread's windows while it goes.
    bool Ended(int withinMs) const
    {
        return process_ && WaitFor([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; },
                                   withinMs, 10);
    }
    // The texts its window shows.
    std::vector<std::wstring> Texts() const
    {
        std::vector<std::wstring> texts;
        for (HWND c = GetWindow(window_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            texts.push_back(WindowText(c));
        return texts;
    }
    bool Shows(const std::wstring& text) const
    {
        for (const auto& t : Texts())
            if (t == text) return true;
        return false;
    }
    void Key(WPARAM key) const { PostMessageW(window_, WM_KEYDOWN, key, 0); }

private:
    void Adopt(HANDLE process)
    {
        process_ = process;
        const DWORD pid = GetProcessId(process);
        WaitFor([&] { return (window_ = testsupport::FindProcessWindow(pid)) != nullptr; }, 10000);
    }

    HANDLE process_ = nullptr;
    HWND window_ = nullptr;
};

bool CoversScreen(HWND w)
{
    RECT r{};
    GetWindowRect(w, &r);
    return r.left == 0 && r.top == 0 && r.right == GetSystemMetrics(SM_CXSCREEN)
           && r.bottom == GetSystemMetrics(SM_CYSCREEN);
}

} // namespace

TEST(StandInShow, SlidesMoveWithKeysAndClicksUntilTheShowEnds)
{
    testsupport::ScratchFolder folder(L"standin");
    const std::wstring talk = folder / L"My Talk.ppt";
    ASSERT_TRUE(testsupport::WriteBytes(talk, "slides"));

    StandIn show(L"/s \"" + talk + L"\"");
    ASSERT_TRUE(show.window());
    EXPECT_EQ(WindowText(show.window()), L"Slide Show - [My Talk.ppt]");
    EXPECT_TRUE(CoversScreen(show.window()));
    EXPECT_TRUE(show.Shows(L"My Talk.ppt"));
    EXPECT_TRUE(show.Shows(L"Slide 1 of 10"));
    show.Key(VK_RIGHT);
    show.Key(VK_NEXT);
    EXPECT_TRUE(WaitFor([&] { return show.Shows(L"Slide 3 of 10"); }));
    show.Key(VK_PRIOR);
    show.Key(VK_LEFT);
    show.Key(VK_LEFT);
    EXPECT_TRUE(WaitFor([&] { return show.Shows(L"Slide 1 of 10"); })) << "stays on the first";
    PostMessageW(show.window(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_TRUE(WaitFor([&] { return show.Shows(L"Slide 2 of 10"); }));
    for (int i = 2; i <= 9; ++i) show.Key(VK_SPACE);
    EXPECT_TRUE(WaitFor([&] { return show.Shows(L"Slide 10 of 10"); }));
    EXPECT_FALSE(show.Ended(100));
    show.Key(VK_RIGHT);
    // Wine without a window manager may wait up to two seconds for a full-screen window
    // to be withdrawn when it goes by itself.
    EXPECT_TRUE(show.Ended(5000)) << "past the last slide the show ends";

    StandIn escaped(L"/s \"" + talk + L"\"");
    ASSERT_TRUE(escaped.window());
    escaped.Key(VK_ESCAPE);
    EXPECT_TRUE(escaped.Ended(5000));
}

TEST(StandInShow, MissingFileIsSaidAndTheShowStillRuns)
{
    const std::wstring gone = L"C:\\no-such-folder\\Gone Talk.pps";
    StandIn show(L"/s \"" + gone + L"\"");
    ASSERT_TRUE(show.window());
    EXPECT_EQ(WindowText(show.window()), L"Slide Show - [Gone Talk.pps]");
    EXPECT_TRUE(CoversScreen(show.window()));
    EXPECT_TRUE(show.Shows(L"The file cannot be found: " + gone));
    show.Key(VK_DOWN);
    EXPECT_TRUE(WaitFor([&] { return show.Shows(L"Slide 2 of 10"); }));
    SendMessageW(show.window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(show.Ended(500));
}

TEST(StandInShow, NormalWindowsWithoutTheShowSwitch)
{
    StandIn empty(L"");
    ASSERT_TRUE(empty.window());
    EXPECT_EQ(WindowText(empty.window()), L"Stand-in Show");
    EXPECT_TRUE(GetWindowLongW(empty.window(), GWL_STYLE) & WS_CAPTION);
    empty.Key(VK_ESCAPE);
    EXPECT_FALSE(empty.Ended(300)) << "Esc ends only a show";

    testsupport::ScratchFolder folder(L"standin");
    for (const wchar_t* name : {L"Deck.ppt", L"Loop.pps"}) {
        ASSERT_TRUE(testsupport::WriteBytes(folder / name, "slides"));
        StandIn opened(L"open", folder / name);
        ASSERT_TRUE(opened.window()) << "no program opens " << name;
        EXPECT_EQ(WindowText(opened.window()), std::wstring(name) + L" - Stand-in Show");
        EXPECT_FALSE(CoversScreen(opened.window()));
        SendMessageW(opened.window(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(opened.Ended(2000));
    }
}
