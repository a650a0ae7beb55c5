#include <gtest/gtest.h>

#include "WineTestSupport.h"
#include "host/Handles.h"
#include "host/Process.h"

#include <ole2.h>

#include <chrono>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace host;
using testsupport::EndProcessTree;
using testsupport::ProcessesStartedBy;
using testsupport::VisibleTopLevelWindows;

namespace {

std::wstring Sleeper()
{
    return testsupport::BuildFolder() + L"\\cross\\peer_sleeper.exe";
}

std::wstring SleeperCommand(const std::wstring& args)
{
    return L"\"" + Sleeper() + L"\" " + args;
}

// Waits with a plain handle, independent of the code under test.
DWORD ExitCodeOf(DWORD processId)
{
    UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, processId));
    if (!process) return 0xDEAD;
    if (WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0) return 0xDEAD;
    DWORD code = 0xDEAD;
    GetExitCodeProcess(process.get(), &code);
    return code;
}

long long MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

// A message-only window that notes whether a posted message arrived while a program still ran.
struct Listener {
    static constexpr UINT kPing = WM_APP + 7;
    HANDLE watched = nullptr;
    bool arrived = false;
    bool arrivedWhileRunning = false;
    UniqueWindow window;

    Listener()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"HostProcessTestListener";
        RegisterClassW(&wc);
        window.reset(CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr));
        SetWindowLongPtrW(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == kPing) {
            auto* self = reinterpret_cast<Listener*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            self->arrived = true;
            self->arrivedWhileRunning = WaitForSingleObject(self->watched, 0) == WAIT_TIMEOUT;
            return 0;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
};

void PumpAll()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace

TEST(HostProcessStart, TaskIdNamesTheStartedProgram)
{
    const DWORD id = StartProcess(SleeperCommand(L"300 7"), WindowStyle::Hide);
    ASSERT_NE(id, 0u);
    UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    ASSERT_TRUE(process);
    wchar_t image[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    ASSERT_TRUE(QueryFullProcessImageNameW(process.get(), 0, image, &size));
    const std::wstring name(image, size);
    EXPECT_EQ(_wcsicmp(name.substr(name.rfind(L'\\') + 1).c_str(), L"peer_sleeper.exe"), 0) << name;
    EXPECT_EQ(ExitCodeOf(id), 7u);

    EXPECT_EQ(StartProcess(L"\"" + testsupport::BuildFolder() + L"\\no such program.exe\"", WindowStyle::NormalFocus), 0u);
    EXPECT_EQ(StartProcess(L"", WindowStyle::NormalFocus), 0u);
    // 5 and 7 are not start styles; nothing is started for them.
    EXPECT_EQ(StartProcess(SleeperCommand(L"0 0"), 5), 0u);
    EXPECT_EQ(StartProcess(SleeperCommand(L"0 0"), -1), 0u);
}

TEST(HostProcessStart, WindowStylesReachTheProgram)
{
    const std::pair<int, DWORD> cases[] = {
        {WindowStyle::Hide, SW_HIDE},
        {WindowStyle::NormalFocus, SW_SHOWNORMAL},
        {WindowStyle::MinimizedFocus, SW_SHOWMINIMIZED},
        {WindowStyle::MaximizedFocus, SW_SHOWMAXIMIZED},
        {WindowStyle::NormalNoFocus, SW_SHOWNOACTIVATE},
        {WindowStyle::MinimizedNoFocus, SW_SHOWMINNOACTIVE},
    };
    for (const auto& [style, expected] : cases) {
        const DWORD id = StartProcess(SleeperCommand(L"show"), style);
        ASSERT_NE(id, 0u) << "style " << style;
        EXPECT_EQ(ExitCodeOf(id), expected) << "style " << style;
    }
}

TEST(HostProcessStart, LeavesNoHandlesBehind)
{
    // Once a program has ended, its id stops naming a process only when nobody still holds a
    // handle to it or to its thread.
    const DWORD id = StartProcess(SleeperCommand(L"100 0"), WindowStyle::Hide);
    ASSERT_NE(id, 0u);
    bool released = false;
    for (auto start = std::chrono::steady_clock::now(); !released && MillisecondsSince(start) < 10000;) {
        UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, id));
        released = !process;
        if (process) WaitForSingleObject(process.get(), 1000);
        process.reset();
        Sleep(20);
    }
    EXPECT_TRUE(released) << "a handle to the started program is still open";
}

TEST(HostProcessWait, PumpsMessagesUntilTheProgramEnds)
{
    const DWORD id = StartProcess(SleeperCommand(L"700 42"), WindowStyle::Hide);
    ASSERT_NE(id, 0u);
    UniqueKernelHandle watched(OpenProcess(SYNCHRONIZE, FALSE, id));
    ASSERT_TRUE(watched);
    Listener listener;
    listener.watched = watched.get();
    PostMessageW(listener.window.get(), Listener::kPing, 0, 0);

    int pumps = 0;
    const auto start = std::chrono::steady_clock::now();
    const int code = WaitForProcessExit(id, [&] {
        ++pumps;
        PumpAll();
    });
    const long long elapsed = MillisecondsSince(start);

    EXPECT_EQ(code, 42);
    EXPECT_EQ(WaitForSingleObject(watched.get(), 0), WAIT_OBJECT_0);
    EXPECT_TRUE(listener.arrived);
    EXPECT_TRUE(listener.arrivedWhileRunning);
    // About one pump per 100 ms pause for the 700 ms the program runs.
    EXPECT_GE(pumps, 5);
    EXPECT_GE(elapsed, 600);
    EXPECT_LT(elapsed, 10000);
}

TEST(HostProcessWait, UnknownTaskEndsAtOnce)
{
    // Task ids are multiples of four; these name no process that can be opened.
    for (DWORD id : {DWORD{0}, DWORD{0xFFFFFFF0}}) {
        int pumps = 0;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(WaitForProcessExit(id, [&] { ++pumps; }), -1) << id;
        EXPECT_EQ(pumps, 0);
        EXPECT_LT(MillisecondsSince(start), 100);
    }
}

TEST(HostProcessWait, ProgramEndingWithTheStillActiveCodeStillEnds)
{
    const DWORD id = StartProcess(SleeperCommand(L"200 259"), WindowStyle::Hide);
    ASSERT_NE(id, 0u);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WaitForProcessExit(id, [] {}, 20), 259);
    EXPECT_LT(MillisecondsSince(start), 10000);
}

TEST(HostProcessShell, ShellOpenReportsTheShellsResult)
{
    const std::wstring folder = testsupport::BuildFolder() + L"\\cross";
    EXPECT_GT(ShellOpen(nullptr, Sleeper(), L"0 0", folder, SW_HIDE), 32);
    EXPECT_LE(ShellOpen(nullptr, folder + L"\\no such document.xyz", L"", L"", SW_SHOWNORMAL), 32);
}

TEST(HostProcessShell, ControlPanelItemsOpenWithoutHanging)
{
    const std::set<DWORD> before = ProcessesStartedBy(GetCurrentProcessId());
    const std::set<HWND> windowsBefore = VisibleTopLevelWindows();
    for (const wchar_t* item : {L"powercfg.cpl", L"mmsys.cpl"}) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(OpenControlPanelItem(item)) << item;
        EXPECT_LT(MillisecondsSince(start), 15000) << item;
    }
    // The calls above leave this thread's COM as they found it.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    CoUninitialize();
    for (DWORD started : ProcessesStartedBy(GetCurrentProcessId()))
        if (!before.count(started)) EndProcessTree(started);
    // Where the shell opened the items itself, their windows belong to the shell's processes.
    testsupport::WaitFor([] { return false; }, 1000);
    for (HWND opened : VisibleTopLevelWindows())
        if (!windowsBefore.count(opened)) PostMessageW(opened, WM_CLOSE, 0, 0);
}
