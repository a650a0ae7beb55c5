// brannox.exe as Vistora starts it: hidden, from its own folder, and nobody waits for it.
#include <gtest/gtest.h>

#include <windows.h>

#include "WineTestSupport.h"
#include "probe/Connection.h"

#include <string>
#include <vector>

using namespace testsupport;

namespace {

constexpr DWORD kRunTimeoutMs = 60000;

// What this machine's own name service says, asked the way brannox asks it.
bool HostResolvesHere()
{
    HMODULE sockets = LoadLibraryW(L"wsock32.dll");
    if (!sockets) return false;
    using Startup = int(WINAPI*)(WORD, void*);
    using Lookup = void*(WINAPI*)(const char*);
    using Cleanup = int(WINAPI*)();
    auto startup = reinterpret_cast<Startup>(reinterpret_cast<void*>(GetProcAddress(sockets, "WSAStartup")));
    auto lookup = reinterpret_cast<Lookup>(reinterpret_cast<void*>(GetProcAddress(sockets, "gethostbyname")));
    auto cleanup = reinterpret_cast<Cleanup>(reinterpret_cast<void*>(GetProcAddress(sockets, "WSACleanup")));
    bool resolves = false;
    std::vector<unsigned char> record(1024);
    if (startup && lookup && cleanup && startup(0x0101, record.data()) == 0) {
        resolves = lookup(kWellKnownHost) != nullptr;
        cleanup();
    }
    FreeLibrary(sockets);
    return resolves;
}

std::wstring InstallProbe(const std::wstring& folder)
{
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring exe = folder + L"\\brannox.exe";
    EXPECT_TRUE(CopyFileW((ProgramFolder() + L"\\brannox.exe").c_str(), exe.c_str(), FALSE))
        << "brannox.exe is missing from the program folder";
    return exe;
}

// Started hidden from its own folder, as Vistora starts it.
PROCESS_INFORMATION StartHidden(const std::wstring& exe)
{
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION pi{};
    std::wstring command = L"\"" + exe + L"\"";
    const std::wstring dir = exe.substr(0, exe.rfind(L'\\'));
    EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi));
    return pi;
}

void Finish(PROCESS_INFORMATION& pi)
{
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(pi.hProcess, 0xDEAD);
        WaitForSingleObject(pi.hProcess, 5000);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

// Runs it to its end and returns the exit code; shownWindow tells whether it ever showed a window.
DWORD RunWatched(const std::wstring& exe, bool& shownWindow)
{
    PROCESS_INFORMATION pi = StartHidden(exe);
    if (!pi.hProcess) return 0xDEAD;
    const DWORD started = GetTickCount();
    while (WaitForSingleObject(pi.hProcess, 5) == WAIT_TIMEOUT && GetTickCount() - started < kRunTimeoutMs) {
        if (FindProcessWindow(pi.dwProcessId)) shownWindow = true;
    }
    DWORD code = 0xDEAD;
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    else
        ADD_FAILURE() << "brannox.exe did not end within " << kRunTimeoutMs << " ms";
    Finish(pi);
    return code;
}

} // namespace

TEST(ProbeRun, WritesOneAnswerLineBesideItselfWithoutAWindow)
{
    ScratchFolder scratch(L"probe-run");
    const std::wstring exe = InstallProbe(scratch.path());
    const std::wstring answerFile = scratch / L"ZelSuite.tmp";
    const std::string expected = HostResolvesHere() ? "True\r\n" : "False\r\n";

    bool shownWindow = false;
    EXPECT_EQ(RunWatched(exe, shownWindow), 0u);
    EXPECT_EQ(ReadBytes(answerFile), expected);

    // Later runs replace the answer, also over a longer stale file.
    EXPECT_EQ(RunWatched(exe, shownWindow), 0u);
    EXPECT_EQ(ReadBytes(answerFile), expected);
    ASSERT_TRUE(WriteBytes(answerFile, "True\r\nsomething much longer from before\r\n"));
    EXPECT_EQ(RunWatched(exe, shownWindow), 0u);
    EXPECT_EQ(ReadBytes(answerFile), expected);
    EXPECT_FALSE(shownWindow) << "brannox.exe showed a window";
}

TEST(ProbeRun, WorksInAFolderTheAnsiCodePageCannotName)
{
    ScratchFolder scratch(L"probe-run");
    const std::wstring folder = scratch / L"Pr\u00e4sentation \u03a9\u0416\u4e2d";
    const std::wstring exe = InstallProbe(folder);
    bool shownWindow = false;
    EXPECT_EQ(RunWatched(exe, shownWindow), 0u);
    EXPECT_FALSE(shownWindow);
    const std::string answer = ReadBytes(folder + L"\\ZelSuite.tmp");
    EXPECT_TRUE(answer == "True\r\n" || answer == "False\r\n") << answer;
}

TEST(ProbeRun, ReportsAnAnswerFileItCannotCreate)
{
    // A folder in the file's place, and a file another program holds without sharing.
    for (const bool locked : {false, true}) {
        SCOPED_TRACE(locked ? "held by another program" : "a folder of its name");
        ScratchFolder scratch(L"probe-run");
        const std::wstring exe = InstallProbe(scratch.path());
        const std::wstring answer = scratch / L"ZelSuite.tmp";
        HANDLE held = INVALID_HANDLE_VALUE;
        if (locked) {
            held = CreateFileW(answer.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        } else {
            ASSERT_TRUE(CreateDirectoryW(answer.c_str(), nullptr));
        }

        PROCESS_INFORMATION pi = StartHidden(exe);
        ASSERT_TRUE(pi.hProcess);
        HWND box = nullptr;
        WaitFor([&] {
            box = FindProcessWindow(pi.dwProcessId, L"#32770");
            return box || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0;
        }, kRunTimeoutMs);
        if (!box) {
            Finish(pi);
            if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
            FAIL() << "no message box appeared, though brannox.exe was started hidden";
        }
        EXPECT_EQ(WindowText(box), L"Brannox");
        EXPECT_NE(DialogMessageText(box).find(L"ZelSuite.tmp"), std::wstring::npos) << DialogMessageText(box);
        // It waits for the OK, then ends with a failure code.
        EXPECT_EQ(WaitForSingleObject(pi.hProcess, 300), static_cast<DWORD>(WAIT_TIMEOUT));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        EXPECT_EQ(code, 1u);
        Finish(pi);
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    }
}
