#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>

#include "WineTestSupport.h"
#include "app/Shared.h"
#include "startup/ConfigFile.h"

using testsupport::ScratchFolder;
using testsupport::WriteBytes;

namespace {

// Runs each case on its own copy of the program-wide values.
struct LangFileConfig : ::testing::Test {
    Shared saved = shared;
    ScratchFolder folder{L"langfile"};
    LangFileConfig()
    {
        shared = Shared{};
        shared.ProgramFolder = folder.path();
    }
    ~LangFileConfig() override { shared = saved; }
};

} // namespace

TEST_F(LangFileConfig, ReadsVistoraTxtInTheProgramFolder)
{
    ASSERT_TRUE(WriteBytes(folder / L"Vistora.Txt",
                           "[English]\r\n\"Exit:Leave\"\r\n\"Caf\xE8:x\"\r\nTOOLTIPS=yes\r\nSPECIAL_PROGRAM=a.txt\r\n"
                           "OWN_LANGUAGE_ICON=germany\r\n"));
    int flag = -1;
    ASSERT_TRUE(ReadConfigFile(&flag));
    EXPECT_EQ(flag, 3);
    EXPECT_EQ(shared.LangLine[1], L"Exit:Leave");
    EXPECT_EQ(shared.TooltipSwitch, L"YES");
    EXPECT_EQ(shared.SpecialProgram, folder / L"a.txt");
    EXPECT_EQ(shared.CurrentFolder, folder.path());
    // Converted with the ANSI code page, Windows-1252 on the test machines.
    if (GetACP() == 1252) {
        EXPECT_EQ(shared.LangLine[2], L"Caf\u00E8:x");
    }
    EXPECT_TRUE(ReadConfigFile()) << "the flag number is optional";
}

TEST_F(LangFileConfig, MissingFileOrAFolderOfThatNameIsNotRead)
{
    shared.LangLine[1] = L"kept:kept";
    shared.LangText[1] = L"kept";
    int flag = -1;
    EXPECT_FALSE(ReadConfigFile(&flag));
    EXPECT_EQ(flag, -1);

    ASSERT_TRUE(CreateDirectoryW((folder / L"Vistora.Txt").c_str(), nullptr));
    EXPECT_FALSE(ReadConfigFile(&flag));
    EXPECT_EQ(shared.LangLine[1], L"kept:kept");
    EXPECT_EQ(shared.LangText[1], L"kept");
    EXPECT_EQ(shared.CurrentFolder, L"");
}

TEST_F(LangFileConfig, ShippedFileIsInTheProgramFolder)
{
    shared.ProgramFolder = testsupport::ProgramFolder();
    int flag = 0;
    ASSERT_TRUE(ReadConfigFile(&flag)) << "no Vistora.Txt in the program folder";
    EXPECT_EQ(flag, 5);
    EXPECT_EQ(shared.DataExtension, L"*.ppt;*.pps");
    EXPECT_NE(shared.LangLine[100].find(L':'), std::wstring::npos);
    EXPECT_NE(GetFileAttributesW(shared.SpecialProgram.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the special program ships beside the program";
}

TEST(LangFileMissingMessage, OneCriticalMessageWithAnOkButton)
{
    std::wstring text, title;
    bool onlyOk = false, errorIcon = false;
    std::thread presser([&] {
        HWND dialog = nullptr;
        testsupport::WaitFor([&] { return (dialog = FindWindowW(L"#32770", L"Vistora")) != nullptr; }, 10000);
        if (!dialog) return;
        title = testsupport::WindowText(dialog);
        text = testsupport::DialogMessageText(dialog);
        onlyOk = GetDlgItem(dialog, IDOK) && !GetDlgItem(dialog, IDCANCEL) && !GetDlgItem(dialog, IDYES) &&
                 !GetDlgItem(dialog, IDNO);
        // The message box's icon control holds the system's error icon.
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                errorIcon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == LoadIconW(nullptr, IDI_HAND);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    ShowConfigFileMissing();
    presser.join();
    EXPECT_EQ(title, L"Vistora");
    EXPECT_EQ(text, L"[Vistora.Txt] file not found!");
    EXPECT_TRUE(onlyOk);
    EXPECT_TRUE(errorIcon);
}
