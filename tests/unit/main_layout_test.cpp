#include <gtest/gtest.h>

#include "base/Rounding.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/OptionsFile.h"

namespace {
MainLayoutInput Window(double clientWidth, double clientHeight)
{
    MainLayoutInput in;
    in.clientWidth = clientWidth;
    in.clientHeight = clientHeight;
    in.outerWidth = clientWidth + 60;
    in.titleButtonWidth = {270, 270, 270};
    in.titleHeight = 375;
    in.bannerTop = 375;
    in.bannerHeight = 1200;
    in.statusHeight = 330;
    in.listLeft = 450;
    in.driveHeight = 315;
    in.column2Width = 1700;
    in.column3Width = 1400;
    return in;
}
} // namespace

TEST(MainLayout, CommandBarAtTenThousandTwips)
{
    MainLayout out = ComputeMainLayout(Window(10000, 8000));
    EXPECT_DOUBLE_EQ(out.buttonWidth, 1008);
    EXPECT_DOUBLE_EQ(out.buttonLeft[0], 0);
    EXPECT_DOUBLE_EQ(out.buttonLeft[1], 998);
    EXPECT_DOUBLE_EQ(out.buttonLeft[8], 8982);
    // Left to right: 0, 1, 9, 10, 2, 3|4, 5, 6, 7, 8, each one step further.
    const int order[] = {0, 1, 9, 10, 2, 3, 5, 6, 7, 8};
    for (int i = 0; i < 10; ++i) EXPECT_DOUBLE_EQ(out.buttonLeft[order[i]], 998.0 * i) << "button " << order[i];
    EXPECT_DOUBLE_EQ(out.buttonLeft[4], out.buttonLeft[3]);
}

TEST(MainLayout, TitleButtonsListsAndPicturesFollowTheClientArea)
{
    MainLayout out = ComputeMainLayout(Window(15000, 9000));
    EXPECT_DOUBLE_EQ(out.titleButtonLeft[0], 15000 - 270 - 80);
    EXPECT_DOUBLE_EQ(out.titleButtonLeft[1], out.titleButtonLeft[0] - 270 - 50);
    EXPECT_DOUBLE_EQ(out.titleButtonLeft[2], out.titleButtonLeft[1] - 270 - 50);
    EXPECT_DOUBLE_EQ(out.backgroundWidth, 14990);
    EXPECT_DOUBLE_EQ(out.backgroundHeight, 9000 - 375 - 330 - 80);
    EXPECT_DOUBLE_EQ(out.listWidth, 0.68 * 15060);
    EXPECT_DOUBLE_EQ(out.listHeight, 9000 - 375 - 1200 - 330 - 700);
    EXPECT_DOUBLE_EQ(out.driveLeft, 450 + out.listWidth + 260);
    EXPECT_DOUBLE_EQ(out.driveWidth, 15000 - out.listWidth - 450 - 600);
    EXPECT_DOUBLE_EQ(out.directoryHeight, out.listHeight - 315);
}

TEST(MainLayout, VisibleRowsAndTheScrollBarAllowance)
{
    MainLayoutInput in = Window(15000, 9000);  // list height 6395
    in.rowHeight = 255;
    in.fileCount = 30;
    MainLayout out = ComputeMainLayout(in);
    EXPECT_EQ(out.visibleRows, 24);  // (6395 - 280) / 255 = 23.98
    EXPECT_DOUBLE_EQ(out.column1Width, out.listWidth - 1700 - 1400 - 320) << "more files than fit";
    in.fileCount = 24;
    EXPECT_DOUBLE_EQ(ComputeMainLayout(in).column1Width, out.listWidth - 1700 - 1400 - 60);
    // No files: the rows are not recomputed and no scroll bar is expected.
    in.fileCount = 0;
    in.visibleRows = 0;
    EXPECT_EQ(ComputeMainLayout(in).visibleRows, 0);
    EXPECT_DOUBLE_EQ(ComputeMainLayout(in).column1Width, out.listWidth - 1700 - 1400 - 60);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
}

TEST(MainOptionsFile, TwoLinesOrEnglish)
{
    const std::string two = "OWN\r\nD:\\Talks\r\n";
    Options options = ParseOptions(&two, WidenLatin1);
    EXPECT_EQ(options.LangCode, L"OWN");
    EXPECT_EQ(options.CurrentFolder, L"D:\\Talks");

    const std::string one = "OWN\r\n";
    options = ParseOptions(&one, WidenLatin1);
    EXPECT_EQ(options.LangCode, L"ENG") << "a single line gives English even when it says OWN";
    EXPECT_EQ(options.CurrentFolder, L"");

    EXPECT_EQ(ParseOptions(nullptr, WidenLatin1).LangCode, L"ENG");
    const std::string empty;
    EXPECT_EQ(ParseOptions(&empty, WidenLatin1).LangCode, L"ENG");

    // Each line is taken whole: blanks stay; a last line without its end still counts.
    const std::string blanks = " eng \r\nc:\\my talks ";
    options = ParseOptions(&blanks, WidenLatin1);
    EXPECT_EQ(options.LangCode, L" eng ");
    EXPECT_EQ(options.CurrentFolder, L"c:\\my talks ");
}

TEST(MainOptionsFile, DamagedOrBlankFilesGiveTheDefaults)
{
    static constexpr char raw[] = "OWN\r\nD:\\Ta\0lks\x01\xff\r\n";
    const std::string garbage(raw, sizeof raw - 1);
    Options options = ParseOptions(&garbage, WidenLatin1);
    EXPECT_EQ(options.LangCode, L"ENG");
    EXPECT_EQ(options.CurrentFolder, L"");

    const std::string blankLines = "\r\n   \r\n\r\n";
    options = ParseOptions(&blankLines, WidenLatin1);
    EXPECT_EQ(options.LangCode, L"ENG");
    EXPECT_EQ(options.CurrentFolder, L"");

    const std::string tabs = "OWN\t\r\nD:\\Talks\r\n";
    EXPECT_EQ(ParseOptions(&tabs, WidenLatin1).LangCode, L"OWN\t") << "tabs are text";
}

TEST(MainOptionsFile, OnlyAFolderWithADriveLetterCanBeTheStartFolder)
{
    for (const wchar_t* usable : {L"c:\\", L"D:\\Talks", L"z:", L"e:talks"}) EXPECT_TRUE(NamesADrive(usable)) << usable;
    for (const wchar_t* unusable : {L"", L"c", L"\\\\server\\share\\talks", L"\\talks", L"talks", L"1:\\talks",
                                    L"::\\", L"\u00e9:\\talks"})
        EXPECT_FALSE(NamesADrive(unusable)) << unusable;
}
