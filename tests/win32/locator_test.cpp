#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "WineTestSupport.h"
#include "host/Handles.h"
#include "host/Win32Registry.h"
#include "startup/LocatePresenter.h"
#include "startup/PresenterLocator.h"

using testsupport::WaitFor;
using testsupport::WindowText;

namespace {

constexpr wchar_t ClassRoot[] = L"Software\\Classes\\Powerpoint.Application";
constexpr wchar_t ClassKey[] = L"Software\\Classes\\Powerpoint.Application\\CLSID";
constexpr wchar_t ScratchRoot[] = L"Software\\VistoraLocatorTest";

UniqueKey CreateMachineKey(const std::wstring& path)
{
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    return UniqueKey(key);
}

void SetDefault(const std::wstring& path, DWORD type, const void* data, DWORD sizeBytes)
{
    UniqueKey key = CreateMachineKey(path);
    ASSERT_TRUE(key) << "cannot create HKLM\\" << std::string(path.begin(), path.end());
    ASSERT_EQ(RegSetValueExW(key.get(), nullptr, 0, type, static_cast<const BYTE*>(data), sizeBytes),
              ERROR_SUCCESS);
}

void SetDefaultText(const std::wstring& path, const std::wstring& text)
{
    SetDefault(path, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::wstring ReadMachineDefault(const std::wstring& path)
{
    host::Win32Registry registry;
    auto key = registry.OpenMachineKey(path, PresenterKeyAccess, RegistryView::Native);
    return key ? ReadTextValue(*key).value_or(L"") : std::wstring(L"<no key>");
}

// Runs Wine's (or Windows') reg.exe with these arguments; its exit code, or -1.
int RunReg(const std::wstring& arguments)
{
    std::wstring command = L"reg.exe " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi))
        return -1;
    UniqueKernelHandle process(pi.hProcess);
    UniqueKernelHandle thread(pi.hThread);
    if (WaitForSingleObject(process.get(), 30000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return static_cast<int>(code);
}

bool KeyExists(const std::wstring& path, REGSAM view)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// Each case changes the stand-in's registration and the program-wide values; both come back.
class LocatorPresenter : public ::testing::Test {
protected:
    void SetUp() override
    {
        classId_ = ReadMachineDefault(ClassKey);
        ASSERT_EQ(classId_.front(), L'{')
            << "the stand-in is not registered: run through tools/wine-exec.sh";
        serverKey_ = L"Software\\Classes\\CLSID\\" + classId_ + L"\\LocalServer32";
        serverLine_ = ReadMachineDefault(serverKey_);
    }
    void TearDown() override
    {
        // What a case wrote into the 32-bit view goes first (it may be the only view there is).
        HKEY classes = nullptr;
        if (wrote32_ && RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\CLSID", 0,
                                      KEY_ALL_ACCESS | KEY_WOW64_32KEY, &classes) == ERROR_SUCCESS) {
            RegDeleteTreeW(classes, classId_.c_str());
            RegCloseKey(classes);
        }
        SetDefaultText(ClassKey, classId_);
        SetDefaultText(serverKey_, serverLine_);
    }

    // LocatePresenter as start-up calls it, with every message box answered.
    std::vector<testsupport::MessageBoxWatch::Seen> Locate()
    {
        testsupport::MessageBoxWatch watch;
        LocatePresenter(presenterExe, showCommand);
        return watch.seen();
    }

    std::wstring presenterExe;
    std::wstring showCommand;
    bool wrote32_ = false;
    std::wstring classId_;
    std::wstring serverKey_;
    std::wstring serverLine_;
};

std::wstring Upper(std::wstring s)
{
    CharUpperBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

// The show window as the show bar looks for it: the upper-cased file name after other text.
HWND FindShowWindow(DWORD pid, const std::wstring& upperName)
{
    struct Search {
        DWORD pid;
        const std::wstring& name;
        HWND found;
    } search{pid, upperName, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            const auto at = Upper(WindowText(w)).find(s.name);
            if (owner != s.pid || !IsWindowVisible(w) || at == std::wstring::npos || at == 0)
                return TRUE;
            s.found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

TEST(LocatorWin32Registry, ReadsDefaultValuesAsTheyAreStored)
{
    const std::wstring root = ScratchRoot;
    const std::wstring tail = L"C:\\P.EXE /aXYZ"; // writes stop before "XYZ": no NUL stored
    const std::wstring big(32767, L'v');
    const DWORD number = 0x45584521;
    SetDefaultText(root + L"\\text", L"C:\\P.EXE /a");
    SetDefault(root + L"\\unterminated", REG_SZ, tail.c_str(), 11 * sizeof(wchar_t));
    SetDefault(root + L"\\odd", REG_SZ, L"ABC", 5);
    SetDefault(root + L"\\number", REG_DWORD, &number, sizeof(number));
    SetDefaultText(root + L"\\big", big);
    CreateMachineKey(root + L"\\novalue");

    EXPECT_EQ(ReadMachineDefault(root + L"\\text"), L"C:\\P.EXE /a");
    EXPECT_EQ(ReadMachineDefault(root + L"\\unterminated"), L"C:\\P.EXE /a");
    EXPECT_EQ(ReadMachineDefault(root + L"\\odd"), L"AB");
    EXPECT_EQ(ReadMachineDefault(root + L"\\number"), L"");
    EXPECT_EQ(ReadMachineDefault(root + L"\\big"), big);
    EXPECT_EQ(ReadMachineDefault(root + L"\\novalue"), L"");
    EXPECT_EQ(ReadMachineDefault(root + L"\\absent"), L"<no key>");
    EXPECT_EQ(RegDeleteTreeW(HKEY_LOCAL_MACHINE, ScratchRoot), ERROR_SUCCESS);
}

TEST_F(LocatorPresenter, FindsTheRegisteredStandIn)
{
    EXPECT_TRUE(Locate().empty());
    const std::wstring exe = presenterExe;
    ASSERT_GT(exe.size(), 16u);
    EXPECT_EQ(Upper(exe.substr(exe.size() - 16)), L"\\STANDINSHOW.EXE");
    EXPECT_TRUE(testsupport::FileExistsForTest(exe));
    EXPECT_EQ(showCommand, exe + L" /s ");
}

TEST_F(LocatorPresenter, NoRegistrationIsSilent)
{
    ASSERT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, serverKey_.c_str()), ERROR_SUCCESS);
    EXPECT_TRUE(Locate().empty());
    EXPECT_EQ(presenterExe, L"");
    EXPECT_EQ(showCommand, L"");

    ASSERT_EQ(RegDeleteTreeW(HKEY_LOCAL_MACHINE, ClassRoot), ERROR_SUCCESS);
    EXPECT_TRUE(Locate().empty());
    EXPECT_EQ(showCommand, L"");
}

TEST_F(LocatorPresenter, ServerKeyOnlyInThe32BitViewIsFound)
{
    // A 32-bit presentation program on 64-bit Windows: its server key lives where 32-bit
    // programs see it, written here by reg.exe in the 32-bit view (this prefix has no 32-bit
    // regedit).
    ASSERT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, serverKey_.c_str()), ERROR_SUCCESS);
    wrote32_ = true;
    ASSERT_EQ(RunReg(L"add \"HKLM\\" + serverKey_ + L"\" /ve /d \"" + serverLine_ + L"\" /reg:32 /f"), 0);
    ASSERT_TRUE(KeyExists(serverKey_, KEY_WOW64_32KEY));
    ASSERT_FALSE(KeyExists(serverKey_, 0)) << "the native view keeps its own keys";

    EXPECT_TRUE(Locate().empty());
    EXPECT_EQ(presenterExe, CutPresenterPath(serverLine_));
    EXPECT_EQ(showCommand, presenterExe + L" /s ");
}

TEST_F(LocatorPresenter, MissingExecutableIsReportedOnce)
{
    const std::wstring cut = CutPresenterPath(serverLine_);
    for (const std::wstring& line : {std::wstring(L"Z:\\no-such-folder\\POWERPNT.EXE /automation"),
                                      L"\"" + cut + L"\" /automation"}) {
        SetDefaultText(serverKey_, line);
        presenterExe = L"stale";
        showCommand = L"stale /s ";
        const auto seen = Locate();
        ASSERT_EQ(seen.size(), 1u) << std::string(line.begin(), line.end());
        EXPECT_EQ(seen[0].text, L"You need to install Microsoft PowerPoint before executing Vistora.exe!");
        EXPECT_TRUE(seen[0].errorIcon);
        EXPECT_TRUE(seen[0].okOnly);
        EXPECT_EQ(presenterExe, L"");
        EXPECT_EQ(showCommand, L"");
    }
}

TEST_F(LocatorPresenter, ShowCommandStartsAShowThatClosesOnRequest)
{
    ASSERT_TRUE(Locate().empty());
    testsupport::ScratchFolder folder(L"locator");
    const std::wstring talk = folder / L"My Talk.ppt";
    ASSERT_TRUE(testsupport::WriteBytes(talk, "slides"));

    std::wstring commandLine = showCommand + L"\"" + talk + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWMAXIMIZED;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));
    UniqueKernelHandle process(pi.hProcess);
    UniqueKernelHandle thread(pi.hThread);

    HWND show = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (show = FindShowWindow(pi.dwProcessId, L"MY TALK.PPT")) != nullptr; }, 10000));
    if (show) {
        RECT r{};
        GetWindowRect(show, &r);
        EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYSCREEN));
        EXPECT_EQ(GetAncestor(show, GA_ROOT), show);
        SendMessageW(show, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; },
                            500, 10));
    }
    TerminateProcess(process.get(), 1);
}
