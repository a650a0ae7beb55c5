#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>

#include "WineTestSupport.h"
#include "startup/ConfigFile.h"

using testsupport::ScratchFolder;
using testsupport::WriteBytes;

namespace {

struct LangFileConfig : ::testing::Test {
    ScratchFolder folder{L"langfile"};
};

} // namespace

TEST_F(LangFileConfig, ReadsVistoraTxtInTheProgramFolder)
{
    ASSERT_TRUE(WriteBytes(folder / L"Vistora.Txt",
                           "[English]\r\n\"Exit:Leave\"\r\n\"Caf\xE8:x\"\r\nTOOLTIPS=yes\r\nSPECIAL_PROGRAM=a.txt\r\n"
                           "OWN_LANGUAGE_ICON=germany\r\n"));
    const auto file = ReadConfigFile(folder.path());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->OwnFlag, 3);
    EXPECT_EQ(file->LangLine[1], L"Exit:Leave");
    EXPECT_EQ(file->TooltipSwitch, L"YES");
    EXPECT_EQ(file->SpecialProgram, folder / L"a.txt");
    // Converted with the ANSI code page, Windows-1252 on the test machines.
    if (GetACP() == 1252) {
        EXPECT_EQ(file->LangLine[2], L"Caf\u00E8:x");
    }
}

TEST_F(LangFileConfig, MissingFileOrAFolderOfThatNameIsNotRead)
{
    EXPECT_FALSE(ReadConfigFile(folder.path()));
    ASSERT_TRUE(CreateDirectoryW((folder / L"Vistora.Txt").c_str(), nullptr));
    EXPECT_FALSE(ReadConfigFile(folder.path()));
}

TEST_F(LangFileConfig, ShippedFileIsInTheProgramFolder)
{
    const auto file = ReadConfigFile(testsupport::ProgramFolder());
    ASSERT_TRUE(file) << "no Vistora.Txt in the program folder";
    EXPECT_EQ(file->OwnFlag, 5);
    EXPECT_EQ(file->DataExtension, L"*.ppt;*.pps");
    EXPECT_NE(file->LangLine[100].find(L':'), std::wstring::npos);
    EXPECT_NE(GetFileAttributesW(file->SpecialProgram.c_str()), INVALID_FILE_ATTRIBUTES)
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
