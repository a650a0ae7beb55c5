#include "mainwindow/PresentationRow.h"
#include "base/Text.h"

#include <gtest/gtest.h>

TEST(BrowserRowsProperCase, WordsStartUpperAndTheRestIsLower)
{
    EXPECT_EQ(ProperCase(L"MY TALK.PPT"), L"My Talk.ppt");
    EXPECT_EQ(ProperCase(L"my talk.ppt"), L"My Talk.ppt");
    EXPECT_EQ(ProperCase(L"intro.pps"), L"Intro.pps");
    // Only blanks break words: punctuation stays inside its word.
    EXPECT_EQ(ProperCase(L"YEAR-END_REVIEW.V2.PPT"), L"Year-end_review.v2.ppt");
    EXPECT_EQ(ProperCase(L"  two  blanks "), L"  Two  Blanks ");
    EXPECT_EQ(ProperCase(L"2026 PLAN.ppt"), L"2026 Plan.ppt");
    EXPECT_EQ(ProperCase(L""), L"");
}

TEST(BrowserRowsProperCase, AccentedGreekAndCyrillicLetters)
{
    EXPECT_EQ(ProperCase(L"\u00DCBERSICHT \u00C4RGER.PPT"), L"\u00DCbersicht \u00C4rger.ppt");
    EXPECT_EQ(ProperCase(L"\u00E9t\u00C9 \u00FF"), L"\u00C9t\u00E9 \u0178");
    EXPECT_EQ(ProperCase(L"\u0141\u00D3D\u0179 \u015B"), L"\u0141\u00F3d\u017A \u015A");
    EXPECT_EQ(ProperCase(L"\u03B1\u0392\u0393 \u03AD"), L"\u0391\u03B2\u03B3 \u0388");
    EXPECT_EQ(ProperCase(L"\u043F\u0420\u0418\u0412\u0415\u0422 \u0451"), L"\u041F\u0440\u0438\u0432\u0435\u0442 \u0401");
    // German sharp s and the Turkish dotted/dotless i have no single-letter partner.
    EXPECT_EQ(ProperCase(L"\u00DF\u0130\u0131"), L"\u00DF\u0130\u0131");
    // Signs that merely sit near letters are left alone.
    EXPECT_EQ(ProperCase(L"\u00D7\u00F7"), L"\u00D7\u00F7");
}

TEST(BrowserRowsFormatSize, GroupsWithTheUsersSeparator)
{
    const NumberGrouping comma{L",", L"3;0"};
    EXPECT_EQ(FormatSize(2048000, comma), L"2,048,000");
    EXPECT_EQ(FormatSize(0, comma), L"0");
    EXPECT_EQ(FormatSize(999, comma), L"999");
    EXPECT_EQ(FormatSize(1000, comma), L"1,000");
    EXPECT_EQ(FormatSize(18446744073709551615ull, comma), L"18,446,744,073,709,551,615");
    EXPECT_EQ(FormatSize(2048000, NumberGrouping{L".", L"3;0"}), L"2.048.000");
    EXPECT_EQ(FormatSize(2048000, NumberGrouping{L"\u00A0", L"3;0"}), L"2\u00A0048\u00A0000");
}

TEST(BrowserRowsFormatSize, IrregularAndMissingGrouping)
{
    EXPECT_EQ(FormatSize(123456789, NumberGrouping{L",", L"3;2;0"}), L"12,34,56,789");
    // Without a trailing 0 the last group is not repeated.
    EXPECT_EQ(FormatSize(123456789, NumberGrouping{L",", L"3"}), L"123456,789");
    EXPECT_EQ(FormatSize(123456789, NumberGrouping{L",", L"0"}), L"123456789");
    EXPECT_EQ(FormatSize(123456789, NumberGrouping{L",", L""}), L"123456789");
    EXPECT_EQ(FormatSize(123456789, NumberGrouping{L",", L"x;3"}), L"123456789");
}

TEST(BrowserRowsDateColumn, TenCharactersOfTheDate)
{
    EXPECT_EQ(DateColumn(L"07.12.2026"), L"07.12.2026");
    EXPECT_EQ(DateColumn(L"12/7/2026"), L"12/7/2026 ");
    EXPECT_EQ(DateColumn(L"1/2/2026"), L"1/2/2026  ");
    EXPECT_EQ(DateColumn(L"Monday, 7 December 2026"), L"Monday, 7 ");
    EXPECT_EQ(DateColumn(L""), std::wstring(10, L' '));
}

TEST(BrowserRowsPaths, OneBackslashBetweenFolderAndName)
{
    EXPECT_EQ(JoinPath(L"c:\\", L"A.ppt"), L"c:\\A.ppt");
    EXPECT_EQ(JoinPath(L"c:\\talks", L"A.ppt"), L"c:\\talks\\A.ppt");
    EXPECT_EQ(JoinPath(L"\\\\server\\share\\", L"A.ppt"), L"\\\\server\\share\\A.ppt");
}

TEST(BrowserRowsSmallIcon, OnlyTheTwoShowSpellingsCount)
{
    EXPECT_EQ(SmallIconPicture(L"c:\\talks\\intro.pps"), ShowSmallIconPicture);
    EXPECT_EQ(SmallIconPicture(L"c:\\talks\\INTRO.PPS"), ShowSmallIconPicture);
    EXPECT_EQ(SmallIconPicture(L"c:\\talks\\INTRO.Pps"), PlainSmallIconPicture);
    EXPECT_EQ(SmallIconPicture(L"c:\\talks\\MY TALK.PPT"), PlainSmallIconPicture);
    // The whole path counts, folder included.
    EXPECT_EQ(SmallIconPicture(L"c:\\old.pps\\talk.ppt"), ShowSmallIconPicture);
}

TEST(BrowserRowsBuilder, FullAndPartialRows)
{
    const NumberGrouping comma{L",", L"3;0"};
    FileFacts facts;
    facts.sizeBytes = 2048000;
    facts.modifiedDate = L"07.12.2026";
    PresentationRow row = MakePresentationRow(L"c:\\", L"MY TALK.PPT");
    SetRowFacts(row, facts, comma);
    EXPECT_EQ(row.text, L"My Talk.ppt");
    EXPECT_EQ(row.fullPath, L"c:\\MY TALK.PPT");
    EXPECT_EQ(row.largeIcon, 3);
    EXPECT_EQ(row.smallIcon, 10);
    EXPECT_EQ(row.size, L"2,048,000");
    EXPECT_EQ(row.date, L"07.12.2026");

    // A file that vanished keeps its name and icons; the cells it couldn't fill stay empty.
    PresentationRow gone = MakePresentationRow(L"d:\\shows", L"intro.pps");
    SetRowFacts(gone, FileFacts{}, comma);
    EXPECT_EQ(gone.text, L"Intro.pps");
    EXPECT_EQ(gone.fullPath, L"d:\\shows\\intro.pps");
    EXPECT_EQ(gone.smallIcon, 11);
    EXPECT_TRUE(gone.size.empty());
    EXPECT_TRUE(gone.date.empty());

    FileFacts empty;
    empty.sizeBytes = 0;
    PresentationRow zero = MakePresentationRow(L"d:\\", L"e.ppt");
    SetRowFacts(zero, empty, comma);
    EXPECT_EQ(zero.size, L"0");
}
