#include <gtest/gtest.h>

#include "base/Text.h"
#include "notes/EditLayout.h"
#include "notes/NotesFiles.h"

using namespace notes;

TEST(NotesFiles, NotesLieBesideThePresentationNamedUpToTheFirstDotOfItsName)
{
    EXPECT_EQ(NotesPathFor(L"D:\\Talks\\KICKOFF.PPT"), L"D:\\Talks\\KICKOFF.rtf");
    EXPECT_EQ(NotesPathFor(L"C:\\MY TALK.PPS"), L"C:\\MY TALK.rtf");
    EXPECT_EQ(NotesPathFor(L"C:\\x\\Q3.Review.PPT"), L"C:\\x\\Q3.rtf");
    // Dots in folder names do not count: two presentations of one folder never share notes.
    EXPECT_EQ(NotesPathFor(L"C:\\My.Talks\\A.PPT"), L"C:\\My.Talks\\A.rtf");
    EXPECT_EQ(NotesPathFor(L"C:\\My.Talks\\B.PPT"), L"C:\\My.Talks\\B.rtf");
    EXPECT_EQ(NotesPathFor(L"\\\\server\\share.v2\\deck.pps"), L"\\\\server\\share.v2\\deck.rtf");
    // A name without a dot keeps its folder and gets the extension added.
    EXPECT_EQ(NotesPathFor(L"C:\\Talks.2026\\Plan"), L"C:\\Talks.2026\\Plan.rtf");
    EXPECT_EQ(NotesPathFor(L"Plan"), L"Plan.rtf");
    EXPECT_EQ(NotesPathFor(L""), L"");
}

TEST(NotesFiles, GuideFollowsTheLanguageAndTheTitleStripNamesTheFile)
{
    EXPECT_EQ(GuidePath(L"C:\\Program Files\\Vistora", L"ENG"), L"C:\\Program Files\\Vistora\\VistoraENG.Rtf");
    EXPECT_EQ(GuidePath(L"C:\\V", L"OWN"), L"C:\\V\\VistoraOWN.Rtf");
    EXPECT_EQ(LowerCase(GuidePath(L"C:\\Program Files\\Vistora", L"OWN")), L"c:\\program files\\vistora\\vistoraown.rtf");

    EXPECT_EQ(NotesTitleName(L"KICKOFF.PPT"), L"kickoff");
    EXPECT_EQ(NotesTitleName(L"MY TALK.Q3.PPS"), L"my talk");
    EXPECT_EQ(NotesTitleName(L"\u00DCBERSICHT.PPT"), L"\u00FCbersicht");
    EXPECT_EQ(NotesTitleName(L"PLAN"), L"plan");
}

TEST(NotesLayout, QuarterWidthButtonsOverlapAndTheTextFillsTheRest)
{
    const EditLayout layout = LayOutEditor(8000, 6000);
    EXPECT_DOUBLE_EQ(layout.ButtonWidth, 2000);
    EXPECT_DOUBLE_EQ(layout.ButtonLeft[1], 10);
    EXPECT_DOUBLE_EQ(layout.ButtonLeft[2], 1995);
    EXPECT_DOUBLE_EQ(layout.ButtonLeft[3], 3980);
    EXPECT_DOUBLE_EQ(layout.ButtonLeft[4], 5965);
    EXPECT_DOUBLE_EQ(layout.StripWidth, 8000);
    EXPECT_DOUBLE_EQ(layout.TextTop, 895);
    EXPECT_DOUBLE_EQ(layout.TextWidth, 8000);
    // The text reaches 10 twips below the inner area.
    EXPECT_DOUBLE_EQ(layout.TextTop + layout.TextHeight, 6010);

    EXPECT_DOUBLE_EQ(LayOutEditor(7001, 900).ButtonWidth, 1750.25) << "not rounded";
    EXPECT_DOUBLE_EQ(LayOutEditor(7001, 900).TextHeight, 15);
    EXPECT_DOUBLE_EQ(LayOutEditor(300, 200).TextHeight, 0) << "a tiny window never gives a negative height";
}

TEST(NotesLayout, FirstPlacementIsHalfTheScreenWhereTheDesignSizeWouldBeCentred)
{
    const Placement p = DefaultPlacement(15360, 11520, 7200, 5400);
    EXPECT_DOUBLE_EQ(p.Left, 4080);
    EXPECT_DOUBLE_EQ(p.Top, 3060);
    EXPECT_DOUBLE_EQ(p.Width, 7680);
    EXPECT_DOUBLE_EQ(p.Height, 5760);
}

TEST(SettingNumbers, WholeNumbersWithoutDecimalsAndBackAgain)
{
    EXPECT_EQ(NumberText(4080), L"4080");
    EXPECT_EQ(NumberText(-15), L"-15");
    EXPECT_EQ(NumberText(1750.25), L"1750.25");
    double value = 0;
    EXPECT_TRUE(ParseNumber(L"4080", value));
    EXPECT_DOUBLE_EQ(value, 4080);
    EXPECT_TRUE(ParseNumber(L"12.5  ", value));
    EXPECT_DOUBLE_EQ(value, 12.5);
    EXPECT_FALSE(ParseNumber(L"12x", value));
    EXPECT_FALSE(ParseNumber(L"", value));
}
