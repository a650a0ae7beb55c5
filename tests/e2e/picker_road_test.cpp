#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "ShowRoadKit.h"

using e2e::VistoraApp;
using namespace e2e;
using testsupport::ReadBytes;
using testsupport::WaitFor;
using testsupport::WriteBytes;

namespace {

std::vector<std::wstring> ListEntries(HWND list)
{
    std::vector<std::wstring> entries;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[MAX_PATH]{};
        if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < MAX_PATH)
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.emplace_back(text);
    }
    return entries;
}

// A short, valid PCM sound.
std::string WaveFile()
{
    const std::uint32_t samples = 8000;
    std::string bytes = "RIFF";
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto put16 = [&](std::uint16_t v) {
        bytes += static_cast<char>(v & 0xFF);
        bytes += static_cast<char>(v >> 8);
    };
    put32(36 + samples);
    bytes += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(8000);
    put32(8000);
    put16(1);
    put16(8);
    bytes += "data";
    put32(samples);
    for (std::uint32_t i = 0; i < samples; ++i) bytes += static_cast<char>(i % 32 < 16 ? 0x40 : 0xC0);
    return bytes;
}

// The road of one show from a program folder with blanks in its path, holding special programs:
// the logging peer as a small program and as a screen saver, a sound and a song.
class PickerRoad : public ShowRoadTest {
protected:
    PickerRoad() : ShowRoadTest(L"Vistora Program Files") {}

    void SetUp() override
    {
        const std::wstring logger = e2e::PeerProgram(L"peer_logger.exe");
        ASSERT_TRUE(CopyFileW(logger.c_str(), app_.File(L"_Timer.EXE").c_str(), FALSE));
        ASSERT_TRUE(CopyFileW(logger.c_str(), app_.File(L"Saver.scr").c_str(), FALSE));
        ASSERT_TRUE(WriteBytes(app_.File(L"ding.wav"), WaveFile()));
        ASSERT_TRUE(WriteBytes(app_.File(L"song.mp3"), "ID3 not really a song"));
        ShowRoadTest::SetUp();
    }

    std::string Log() { return ReadBytes(PeerLog()); }

    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }
};

} // namespace

TEST_F(PickerRoad, ListsTheSpecialFilesAndStartsAProgramByItsQuotedPath)
{
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    HWND picker = OpenPicker(bar);
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(picker, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "not in the task bar";
    EXPECT_FALSE(GetWindowLongPtrW(picker, GWL_STYLE) & WS_CAPTION & ~WS_DLGFRAME) << "no title bar";
    HWND list = GetDlgItem(picker, PickerListId);
    std::vector<std::wstring> entries = ListEntries(list);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0) << "the first entry is selected";
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"Saver.scr", L"_Timer.EXE", L"ding.wav", L"song.mp3"}))
        << "neither Vistora.exe nor brannox.exe, nor the language file";
    // Centred on the screen, fitted to whole lines of the list.
    RECT r{}, l{};
    GetWindowRect(picker, &r);
    GetWindowRect(list, &l);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
    EXPECT_NEAR(r.right - r.left, GetSystemMetrics(SM_CXSCREEN) / 3, 2);
    const int itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    RECT inner{};
    GetClientRect(list, &inner);
    EXPECT_EQ(inner.bottom % itemHeight, 0) << "whole lines only";
    SaveScreen(L"picker_over_show");

    Pick(picker, L"_Timer.EXE");
    EXPECT_TRUE(PickerGone());
    ASSERT_TRUE(WaitFor([&] { return Log().find("_Timer.EXE") != std::string::npos; }, 5000));
    EXPECT_NE(Log().find("\"" + Narrow(app_.File(L"_Timer.EXE")) + "\""), std::string::npos) << Log();
    // A program is not tracked: the bar's next click leaves it running.
    EXPECT_EQ(ProcessesFrom(app_.File(L"_Timer.EXE")), 1);
    HWND again = OpenPicker(bar);
    ASSERT_NE(again, nullptr);
    VistoraApp::Click(ChildById(again, PickerButtonId + 0));
    EXPECT_TRUE(PickerGone());
    EXPECT_EQ(ProcessesFrom(app_.File(L"_Timer.EXE")), 1);
}

TEST_F(PickerRoad, AScreenSaverStartsWithSlashSAndTheBarsNextClickEndsIt)
{
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    HWND picker = OpenPicker(bar);
    ASSERT_NE(picker, nullptr);
    Pick(picker, L"Saver.scr");
    EXPECT_TRUE(PickerGone());
    ASSERT_TRUE(WaitFor([&] { return Log().find("Saver.scr") != std::string::npos; }, 5000));
    EXPECT_NE(Log().find("\"" + Narrow(app_.File(L"Saver.scr")) + "\" /s"), std::string::npos) << Log();
    EXPECT_EQ(ProcessesFrom(app_.File(L"Saver.scr")), 1);

    // The next click of any bar button ends it, here the one that opens the picker again; the
    // right-hand Exit of the picker then changes nothing.
    HWND again = OpenPicker(bar);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(WaitFor([&] { return ProcessesFrom(app_.File(L"Saver.scr")) == 0; }, 3000));
    VistoraApp::Click(ChildById(again, PickerButtonId + 2));
    EXPECT_TRUE(PickerGone());
    EXPECT_EQ(Log().find("Saver.scr", Log().find("Saver.scr") + 1), std::string::npos) << "started once";
    EXPECT_NE(ShowWindowOf(Name), nullptr) << "the show goes on";
}

TEST_F(PickerRoad, ASongGoesToItsAssociatedProgramQuotedAndTheNextClickEndsIt)
{
    const std::wstring player = e2e::PeerProgram(L"peer_logger.exe");
    const e2e::ClassOverride mp3(L".mp3", player);
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    HWND picker = OpenPicker(bar);
    ASSERT_NE(picker, nullptr);
    Pick(picker, L"song.mp3");
    EXPECT_TRUE(PickerGone());
    ASSERT_TRUE(WaitFor([&] { return Log().find("song.mp3") != std::string::npos; }, 5000));
    EXPECT_NE(Log().find("\"" + Narrow(app_.File(L"song.mp3")) + "\""), std::string::npos) << Log();
    EXPECT_EQ(ProcessesFrom(player), 1);

    HWND again = OpenPicker(bar);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(WaitFor([&] { return ProcessesFrom(player) == 0; }, 3000));
    VistoraApp::Click(ChildById(again, PickerButtonId + 0));
    EXPECT_TRUE(PickerGone());
}

TEST_F(PickerRoad, ASoundClosesThePickerAtOnceAndTheBarsExitEndsWithoutError)
{
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    HWND picker = OpenPicker(bar);
    ASSERT_NE(picker, nullptr);
    const DWORD picked = GetTickCount();
    Pick(picker, L"ding.wav");
    EXPECT_TRUE(PickerGone());
    EXPECT_LT(GetTickCount() - picked, 2000u);
    EXPECT_NE(ShowWindowOf(Name), nullptr);

    PressBarButton(bar, 1);
    EXPECT_TRUE(MainIsBack());
    EXPECT_TRUE(app_.Running());
    EXPECT_EQ(testsupport::FindProcessWindow(app_.Pid(), L"#32770"), nullptr) << "no error box";
    EXPECT_EQ(Log(), "") << "a sound starts no program";
}
