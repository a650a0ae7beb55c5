#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "ShowTestTexts.h"
#include "WineTestSupport.h"
#include "app/Shared.h"
#include "host/MessageLoop.h"
#include "host/Screen.h"
#include "special/frmWiz.h"

using testsupport::ScratchFolder;
using testsupport::WriteBytes;

namespace {

class PickerWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        NumberTheTexts();
        shared.CaptionPad = L"  ";
        shared.TooltipSwitch = L"YES";
        shared.ProgramFolder = folder.path();
        shared.PickerOpen = 1;
        shared.SoundPlaying = 1;
        shared.MediaFile = L"before.avi";
        shared.FlashFile = L"before.swf";
        shared.ProcessHandle.reset();
    }

    ScratchFolder folder{L"picker"};
};

} // namespace

TEST_F(PickerWindow, ListsOnlyThePatternSizedToWholeLinesAndCentred)
{
    for (const wchar_t* name : {L"Vistora.exe", L"brannox.exe", L"_Timer.EXE", L"_notes.txt", L"Clip.MPEG", L"clip.mpg",
                                L"Movie.swf", L"Saver.scr", L"ding.wav", L"song.mp3", L"Vistora.Txt"})
        ASSERT_TRUE(WriteBytes(folder / name, "x"));
    CreateDirectoryW((folder / L"folder.avi").c_str(), nullptr);
    frmWiz picker;
    picker.Load();
    const std::vector<std::wstring> entries = picker.Entries();
    EXPECT_EQ(entries.size(), 7u);
    for (const wchar_t* listed : {L"_Timer.EXE", L"Clip.MPEG", L"clip.mpg", L"Movie.swf", L"Saver.scr", L"ding.wav",
                                  L"song.mp3"})
        EXPECT_NE(std::find(entries.begin(), entries.end(), listed), entries.end());
    EXPECT_EQ(picker.SelectedIndex(), 0);
    EXPECT_EQ(shared.SoundPlaying, 0) << "a new picker starts with no sound of its own";

    const double pixel = screen::ToTwips(1);
    EXPECT_NEAR(picker.Width(), screen::WidthTwips() / 3, pixel);
    EXPECT_NEAR(picker.Height(), picker.Wiz.Height() + 470 + 100, pixel) << "fitted to the list's whole lines";
    EXPECT_NEAR(picker.Left(), (screen::WidthTwips() - picker.Width()) / 2, pixel);
    EXPECT_NEAR(picker.Top(), (screen::HeightTwips() - picker.Height()) / 2, pixel);
    const double w = picker.cmd(0).Width();
    EXPECT_NEAR(w, std::nearbyint(picker.ScaleWidth() / 3 - 30), pixel);
    EXPECT_NEAR(picker.cmd(0).Left(), 10, pixel);
    EXPECT_NEAR(picker.cmd(1).Left(), 10 + w, pixel);
    EXPECT_NEAR(picker.cmd(2).Left(), 10 + 2 * w, pixel);
    EXPECT_EQ(picker.cmd(1).Caption(), L"  C44");
    EXPECT_EQ(picker.cmd(2).ToolTipText(), L"T7");
    EXPECT_TRUE(GetWindowLongW(picker.hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongW(picker.hwnd(), GWL_STYLE) & WS_CAPTION & ~WS_DLGFRAME);
}

TEST_F(PickerWindow, ExitButtonsAndAnEmptyListChangeNothing)
{
    for (int exit : {WizButton::Exit, WizButton::ExitRight}) {
        frmWiz picker;
        picker.Load();
        picker.Show();
        shared.SoundPlaying = 1;
        picker.cmd_Click(exit);
        EXPECT_FALSE(picker.Visible());
        EXPECT_EQ(shared.SoundPlaying, 1);
        EXPECT_EQ(shared.MediaFile, L"before.avi");
        EXPECT_EQ(shared.FlashFile, L"before.swf");
        EXPECT_EQ(shared.PickerOpen, 1) << "an Exit is no pick";
        picker.Unload();
        EXPECT_EQ(shared.PickerOpen, 0) << "unloading clears it";
        shared.PickerOpen = 1;
    }

    // No matching file: nothing is selected, and Play neither starts anything nor closes.
    frmWiz empty;
    empty.Load();
    empty.Show();
    EXPECT_TRUE(empty.Entries().empty());
    EXPECT_EQ(empty.SelectedIndex(), -1);
    empty.cmd_Click(WizButton::Play);
    EXPECT_TRUE(empty.Visible());
    EXPECT_EQ(shared.PickerOpen, 1);
}

TEST_F(PickerWindow, AProgramThatCannotStartClosesThePickerTrackingNothing)
{
    ASSERT_TRUE(WriteBytes(folder / L"_Broken.exe", "not a program"));
    ASSERT_TRUE(WriteBytes(folder / L"Broken.scr", "not a screen saver"));
    for (int entry : {0, 1}) {
        frmWiz picker;
        picker.Load();
        picker.Show();
        picker.SetSelectedIndex(entry);
        picker.Pick();
        EXPECT_FALSE(picker.Visible());
        EXPECT_EQ(shared.PickerOpen, 0);
        EXPECT_FALSE(shared.ProcessHandle);
        shared.PickerOpen = 1;
    }
}
