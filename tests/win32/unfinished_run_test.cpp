// The program that tools/check-unfinished-run.sh runs under wine-exec.sh: asked to, it ends in
// the middle of its tests with exit code 0, as a program ended from outside can, or it leaves
// a program of its own running after it ends.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "WineTestSupport.h"

TEST(UnfinishedRunChild, EndsTheProgramWhenAsked)
{
    if (testsupport::Env(L"VISTORA_END_EARLY").empty()) GTEST_SKIP() << "runs only for the unfinished-run check";
    ExitProcess(0);
}

TEST(UnfinishedRunChild, LeavesAProgramRunningWhenAsked)
{
    if (testsupport::Env(L"VISTORA_LEAVE_RUNNING").empty()) GTEST_SKIP() << "runs only for the leftover check";
    std::wstring command = testsupport::SelfCommand(L"UnfinishedRunChild.LingersWhenAsked");
    SetEnvironmentVariableW(L"VISTORA_LEAVE_RUNNING", nullptr);
    SetEnvironmentVariableW(L"VISTORA_LINGER", L"1");
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableW(L"VISTORA_LINGER", nullptr);
    ASSERT_TRUE(started);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

TEST(UnfinishedRunChild, LingersWhenAsked)
{
    if (testsupport::Env(L"VISTORA_LINGER").empty()) GTEST_SKIP() << "runs only as the program left running";
    Sleep(60000);
}
