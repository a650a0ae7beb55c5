#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>

#include "WineTestSupport.h"
#include "host/Dialogs.h"
#include "host/Form.h"
#include "host/Screen.h"
#include "host/Settings.h"
#include "host/Sound.h"
#include "host/TextFile.h"

using testsupport::Env;
using testsupport::RunSelf;
using testsupport::ScratchFolder;

TEST(HostSettings, DefaultsWhenMissingAndValuesSurviveARestart)
{
    const std::wstring app = L"VistoraTest" + std::to_wstring(GetCurrentProcessId());
    EXPECT_EQ(host::GetSetting(app, L"Settings", L"MainLeft", L"0"), L"0");
    // Another process writes; this one reads what it left behind.
    ASSERT_EQ(RunSelf(L"HostSettingsChild.*", L"VISTORA_SETTING_APP", app), 0u);
    EXPECT_EQ(host::GetSetting(app, L"Settings", L"MainWidth", L"x"), L"12345");
    HKEY key;
    std::wstring path = L"Software\\VB and VBA Program Settings\\" + app + L"\\Settings";
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS)
        << "settings live where programs of this kind keep them";
    RegCloseKey(key);
    EXPECT_TRUE(host::SaveSetting(app, L"Settings", L"MainWidth", L""));
    EXPECT_EQ(host::GetSetting(app, L"Settings", L"MainWidth", L"x"), L"");
    RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\VB and VBA Program Settings\\" + app).c_str());
}

TEST(HostSettingsChild, WritesWhenAsked)
{
    const std::wstring app = Env(L"VISTORA_SETTING_APP");
    if (app.empty()) GTEST_SKIP() << "runs only as the writing half of HostSettings";
    ASSERT_TRUE(host::SaveSetting(app, L"Settings", L"MainWidth", L"12345"));
}

TEST(HostTextFile, AnsiLinesEndInCrLfAndReplaceTheOldFileWhole)
{
    ScratchFolder folder(L"textfile");
    const std::wstring path = folder / L"Vistora.opt";
    ASSERT_TRUE(host::WriteAnsiLines(path, {L"OWN", L"C:\\Caf\u00e9 talks"}));
    std::string bytes = testsupport::ReadBytes(path);
    EXPECT_EQ(bytes, "OWN\r\nC:\\Caf\xe9 talks\r\n") << "written in the ANSI code page with CR LF";
    EXPECT_FALSE(host::FileExists(path + L".new")) << "no temporary file left behind";
    auto back = host::ReadFileBytes(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(host::FromAnsi(*back), L"OWN\r\nC:\\Caf\u00e9 talks\r\n");

    // A target that can't be replaced (a folder of that name) fails and leaves things as they were.
    const std::wstring blocked = folder / L"blocked.opt";
    CreateDirectoryW(blocked.c_str(), nullptr);
    EXPECT_FALSE(host::WriteAnsiLines(blocked, {L"ENG", L"c:\\"}));
    EXPECT_FALSE(host::FileExists(blocked + L".new"));
    EXPECT_FALSE(host::ReadFileBytes(blocked).has_value()) << "a folder is not a readable file";
    EXPECT_FALSE(host::ReadFileBytes(folder / L"missing.txt").has_value());
    EXPECT_TRUE(host::ReadFileBytes(path).has_value());
}

TEST(HostDialogs, MessageBoxShowsTextAndTitleAndReturnsTheAnswer)
{
    std::wstring seenText, seenTitle;
    std::thread presser([&] {
        HWND dialog = nullptr;
        testsupport::WaitFor([&] { return (dialog = FindWindowW(L"#32770", L"Vistora")) != nullptr; }, 10000);
        if (!dialog) return;
        seenTitle = testsupport::WindowText(dialog);
        seenText = testsupport::DialogMessageText(dialog);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    int answer = host::MsgBox(L"[Vistora.Txt] file not found!", MB_OK | MB_ICONERROR, L"Vistora");
    presser.join();
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(seenTitle, L"Vistora");
    EXPECT_EQ(seenText, L"[Vistora.Txt] file not found!");
}

TEST(HostDpi, TwipsFollowTheRealScreenResolution)
{
    // The resolution is read when a process starts, so a second process checks 144 DPI.
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    DWORD old = 0, size = sizeof(old), type = 0;
    bool hadOld = RegQueryValueExW(key, L"LogPixels", nullptr, &type, reinterpret_cast<BYTE*>(&old), &size) ==
                  ERROR_SUCCESS;
    DWORD dpi = 144;
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi), sizeof(dpi));
    DWORD code = RunSelf(L"HostDpiChild.*", L"VISTORA_EXPECT_DPI", L"144");
    if (hadOld)
        RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&old), sizeof(old));
    else
        RegDeleteValueW(key, L"LogPixels");
    RegCloseKey(key);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(RunSelf(L"HostDpiChild.*", L"VISTORA_EXPECT_DPI", std::to_wstring(hadOld ? old : 96)), 0u);
}

TEST(HostDpiChild, FormsUseTheScreenResolution)
{
    const std::wstring expected = Env(L"VISTORA_EXPECT_DPI");
    if (expected.empty()) GTEST_SKIP() << "runs only as the checking half of HostDpi";
    SetProcessDPIAware();
    const int dpi = std::stoi(expected);
    ASSERT_EQ(screen::Dpi(), dpi);
    host::Form form(host::FormStyle{WS_POPUP, WS_EX_TOOLWINDOW, L"dpi"});
    form.Load();
    form.Move(1440, 1440, 1440 * 2, 1440);
    RECT r;
    GetWindowRect(form.hwnd(), &r);
    EXPECT_EQ(r.left, dpi);
    EXPECT_EQ(r.right - r.left, 2 * dpi);
    EXPECT_DOUBLE_EQ(form.Width(), 2880);
}

TEST(HostSound, ASoundStartsAndStopsWithoutHoldingTheProgram)
{
    ScratchFolder folder{L"sound"};
    std::string wave = "RIFF";
    auto put = [&](unsigned value, int bytes) {
        for (int i = 0; i < bytes; ++i) wave += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    const unsigned samples = 16000; // two seconds
    put(36 + samples, 4);
    wave += "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(8000, 4);
    put(8000, 4);
    put(1, 2);
    put(8, 2);
    wave += "data";
    put(samples, 4);
    for (unsigned i = 0; i < samples; ++i) wave += static_cast<char>(i % 20 < 10 ? 0x30 : 0xD0);
    ASSERT_TRUE(testsupport::WriteBytes(folder / L"ding.wav", wave));

    const DWORD start = GetTickCount();
    host::PlaySoundAsync(folder / L"ding.wav"); // may fail where there is no sound device
    host::StopSound();
    host::StopSound();
    EXPECT_LT(GetTickCount() - start, 1000u) << "neither start nor stop waits for the sound";
}

