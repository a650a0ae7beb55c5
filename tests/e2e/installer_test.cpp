#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <optional>
#include <string>

#include "VistoraApp.h"
#include "base/Version.h"

using testsupport::FileExistsForTest;
using testsupport::ReadBytes;
using testsupport::WaitFor;
using testsupport::WriteBytes;

namespace {

constexpr wchar_t UninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vistora";
constexpr wchar_t SettingsKey[] = L"Software\\VB and VBA Program Settings\\Vistora";

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

const std::wstring Version = Widen(VISTORA_VERSION_TEXT);

std::wstring KnownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::wstring InstallFolder() { return KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Vistora"; }
std::wstring StartMenuShortcut() { return KnownFolder(FOLDERID_Programs) + L"\\Vistora.lnk"; }
std::wstring DesktopShortcut() { return KnownFolder(FOLDERID_Desktop) + L"\\Vistora.lnk"; }
std::wstring SetupProgram() { return testsupport::BuildFolder() + L"\\dist\\Vistora-" + Version + L"-setup.exe"; }

bool FolderExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool KeyExists(const wchar_t* key)
{
    HKEY hkey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &hkey) != ERROR_SUCCESS) return false;
    RegCloseKey(hkey);
    return true;
}

std::optional<std::wstring> UninstallValue(const wchar_t* name)
{
    wchar_t buffer[1024];
    DWORD size = sizeof(buffer);
    if (RegGetValueW(HKEY_CURRENT_USER, UninstallKey, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(buffer);
}

// Runs a command line to its end; its exit code, or 999 when it did not start or end in time.
DWORD RunToEnd(std::wstring command, DWORD timeoutMs = 60000)
{
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    DWORD code = 999;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return code;
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

// The version resource's file version as "major.minor.patch" (the fourth part must be 0).
std::wstring FileVersion(const std::wstring& path)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return L"<no version resource>";
    std::string data(size, '\0');
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info)
        return L"<unreadable>";
    if (LOWORD(info->dwFileVersionLS) != 0) return L"<fourth part not 0>";
    return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(info->dwFileVersionLS));
}

// The uninstaller runs from a copy of itself and returns at once; this waits until it is done.
bool Uninstall()
{
    const std::wstring uninstaller = InstallFolder() + L"\\Uninstall.exe";
    if (!FileExistsForTest(uninstaller)) return true;
    RunToEnd(L"\"" + uninstaller + L"\" /S");
    return WaitFor([] { return !FileExistsForTest(InstallFolder() + L"\\Uninstall.exe") && !KeyExists(UninstallKey); },
                   30000, 100);
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A run that stopped half way may have left an installation behind.
        ASSERT_TRUE(Uninstall());
        e2e::ForgetSettings();
    }
    void TearDown() override
    {
        Uninstall();
        testsupport::ScratchFolder::RemoveTree(InstallFolder());
    }
};

} // namespace

TEST_F(Installer, SilentInstallStartsTheProgramAndSilentUninstallRemovesIt)
{
    ASSERT_TRUE(FileExistsForTest(SetupProgram())) << "made by the installer_package test";
    ASSERT_EQ(RunToEnd(L"\"" + SetupProgram() + L"\" /S"), 0u);

    const std::wstring folder = InstallFolder();
    for (const wchar_t* name : {L"Vistora.exe", L"brannox.exe", L"Vistora.Txt", L"VistoraENG.Rtf", L"VistoraOWN.Rtf",
                                L"Checklist.Txt", L"ReadMe.txt", L"License.txt", L"Uninstall.exe"})
        EXPECT_TRUE(FileExistsForTest(folder + L"\\" + name)) << "installed: " << testing::PrintToString(name);
    EXPECT_TRUE(FileExistsForTest(StartMenuShortcut()));
    EXPECT_TRUE(FileExistsForTest(DesktopShortcut()));
    EXPECT_EQ(UninstallValue(L"DisplayName"), L"Vistora");
    EXPECT_EQ(UninstallValue(L"DisplayVersion"), Version);
    EXPECT_EQ(UninstallValue(L"Publisher"), L"Vistora Software");
    EXPECT_EQ(UninstallValue(L"UninstallString"), L"\"" + folder + L"\\Uninstall.exe\"");
    EXPECT_EQ(UninstallValue(L"QuietUninstallString"), L"\"" + folder + L"\\Uninstall.exe\" /S");
    // One release number in both programs and the installer's entry.
    EXPECT_EQ(FileVersion(folder + L"\\Vistora.exe"), Version);
    EXPECT_EQ(FileVersion(folder + L"\\brannox.exe"), Version);

    // The installed program starts from there, shows its main window and ends through Exit,
    // leaving its options beside itself.
    {
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        std::wstring command = L"\"" + folder + L"\\Vistora.exe\"";
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
        HWND main = nullptr;
        EXPECT_TRUE(WaitFor(
            [&] { return (main = testsupport::FindProcessWindow(pi.dwProcessId, L"VistoraForm")) != nullptr; }, 20000));
        if (main) {
            EXPECT_EQ(testsupport::WindowText(main), L"Vistora");
            PostMessageW(GetDlgItem(main, e2e::IdButtons), BM_CLICK, 0, 0);
        }
        if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) {
            ADD_FAILURE() << "Vistora did not end through its Exit button";
            TerminateProcess(pi.hProcess, 1);
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        EXPECT_TRUE(FileExistsForTest(folder + L"\\Vistora.opt"));
        EXPECT_TRUE(KeyExists(SettingsKey)) << "the placement is kept";
        EXPECT_TRUE(WaitFor([&] { return e2e::ProcessesFrom(folder + L"\\brannox.exe") == 0; }, 15000));
    }

    // An update replaces the programs and keeps the texts the user edited.
    const std::string edited = ReadBytes(folder + L"\\Vistora.Txt") + "TOOLTIPS=NO\r\n";
    ASSERT_TRUE(WriteBytes(folder + L"\\Vistora.Txt", edited));
    ASSERT_TRUE(WriteBytes(folder + L"\\Vistora.exe", "old"));
    ASSERT_EQ(RunToEnd(L"\"" + SetupProgram() + L"\" /S"), 0u);
    EXPECT_EQ(ReadBytes(folder + L"\\Vistora.Txt"), edited);
    EXPECT_EQ(FileVersion(folder + L"\\Vistora.exe"), Version);

    // A special program the user put into the folder outlives the uninstall.
    ASSERT_TRUE(WriteBytes(folder + L"\\Intro.swf", "FWS"));
    ASSERT_TRUE(Uninstall());
    for (const wchar_t* name : {L"Vistora.exe", L"brannox.exe", L"Vistora.Txt", L"VistoraENG.Rtf", L"VistoraOWN.Rtf",
                                L"Checklist.Txt", L"ReadMe.txt", L"License.txt", L"Vistora.opt", L"Uninstall.exe"})
        EXPECT_FALSE(FileExistsForTest(folder + L"\\" + name)) << "left behind: " << testing::PrintToString(name);
    EXPECT_TRUE(FileExistsForTest(folder + L"\\Intro.swf"));
    EXPECT_FALSE(FileExistsForTest(StartMenuShortcut()));
    EXPECT_FALSE(FileExistsForTest(DesktopShortcut()));
    EXPECT_FALSE(KeyExists(UninstallKey));
    EXPECT_FALSE(KeyExists(SettingsKey));

    // Without the user's file the folder goes too.
    DeleteFileW((folder + L"\\Intro.swf").c_str());
    ASSERT_EQ(RunToEnd(L"\"" + SetupProgram() + L"\" /S"), 0u);
    ASSERT_TRUE(Uninstall());
    EXPECT_FALSE(FolderExists(folder));
}
