#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "special/FlashLayout.h"

using namespace special;

TEST(FlashLayout, ButtonsShareTheWidthEdgeToEdgeWithHalvesToEven)
{
    // A 1280-pixel screen less a 3-pixel frame each side, at 15 twips a pixel.
    const FlashBarLayout bar = LayOutFlashBar(19110);
    EXPECT_EQ(bar.ButtonWidthTwips, 3175);
    const std::vector<int> lefts{0, 3175, 6350, 9525, 12700, 15875};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(bar.LeftTwips[static_cast<std::size_t>(i)], lefts[i - 1]) << i;
    // A sixth that ends in a half goes to the even neighbour, both ways.
    EXPECT_EQ(LayOutFlashBar(19083).ButtonWidthTwips, 3170); // 3170.5
    EXPECT_EQ(LayOutFlashBar(19089).ButtonWidthTwips, 3172); // 3171.5
    EXPECT_EQ(LayOutFlashBar(19086.1).ButtonWidthTwips, 3171);
    EXPECT_EQ(LayOutFlashBar(0).ButtonWidthTwips, -10);
}

TEST(FlashLayout, ButtonTableHasSixButtonsAndNoButtonZero)
{
    EXPECT_EQ(FlashButton(0), nullptr);
    EXPECT_EQ(FlashButton(7), nullptr);
    const std::vector<std::wstring> captions{L"Exit", L"1 / 2", L"3 / 4", L"4 / 5", L"1 / 1", L"Exit"};
    for (int i = 1; i <= 6; ++i) {
        const FlashButtonDesign* design = FlashButton(i);
        ASSERT_NE(design, nullptr) << i;
        EXPECT_EQ(design->Caption, captions[static_cast<std::size_t>(i - 1)]) << i;
    }
    EXPECT_EQ(FlashButton(1)->Action, FlashAction::Exit);
    EXPECT_EQ(FlashButton(6)->Action, FlashAction::Exit);
    EXPECT_EQ(FlashButton(5)->Action, FlashAction::FullSize);
    // "3 / 4" shows two thirds: the inner size divided by 1.5.
    EXPECT_EQ(FlashButton(2)->Divisor, 2);
    EXPECT_EQ(FlashButton(3)->Divisor, 1.5);
    EXPECT_EQ(FlashButton(4)->Divisor, 1.25);
    for (int i = 2; i <= 4; ++i) EXPECT_EQ(FlashButton(i)->Action, FlashAction::Scale) << i;
}

TEST(FlashLayout, ExitCaptionLosesLeadingBlanksOnly)
{
    EXPECT_EQ(FlashExitCaption(L"  Exit"), L"Exit");
    EXPECT_EQ(FlashExitCaption(L"Esci "), L"Esci ");
    EXPECT_EQ(FlashExitCaption(L" \tA B"), L"\tA B");
    EXPECT_EQ(FlashExitCaption(L"   "), L"");
    EXPECT_EQ(FlashExitCaption(L""), L"");
}

TEST(FlashLayout, ScaledSizesAreCentredByTheSizeTheControlTook)
{
    const MovieSize half = ScaledMovieSize(19110, 15270, 2);
    EXPECT_DOUBLE_EQ(half.WidthTwips, 9555);
    EXPECT_DOUBLE_EQ(half.HeightTwips, 7635);
    const MovieSize twoThirds = ScaledMovieSize(19110, 15270, 1.5);
    EXPECT_DOUBLE_EQ(twoThirds.WidthTwips, 12740);
    EXPECT_DOUBLE_EQ(twoThirds.HeightTwips, 10180);
    // The control took whole pixels at 15 twips each: 12740 -> 849 px = 12735, 10180 -> 679 px = 10185.
    const MoviePlace place = CentredMovie(19110, 15270, 12735, 10185);
    EXPECT_DOUBLE_EQ(place.LeftTwips, 3187.5);
    EXPECT_DOUBLE_EQ(place.TopTwips, 2542.5);
    const MoviePlace full = CentredMovie(19110, 15270, 19110, 15270);
    EXPECT_DOUBLE_EQ(full.LeftTwips, 0);
    EXPECT_DOUBLE_EQ(full.TopTwips, 0);
}

TEST(FlashLayout, ShowAndHideTestsTakeTurns)
{
    int phase = 0;
    // The show test: only rows 0..3 bring the bar back; a low pointer waits for the hide test.
    EXPECT_EQ(FlashBarTick(phase, FlashHideLimit, 0), FlashBarMove::Reveal);
    EXPECT_EQ(phase, 1);
    EXPECT_EQ(FlashBarTick(phase, FlashHideLimit, 0), FlashBarMove::Stay) << "the hide test never reveals";
    EXPECT_EQ(phase, 0);
    EXPECT_EQ(FlashBarTick(phase, FlashHideLimit, 3), FlashBarMove::Reveal);
    EXPECT_EQ(FlashBarTick(phase, FlashHideLimit, 29), FlashBarMove::Hide);
    EXPECT_EQ(FlashBarTick(phase, FlashHideLimit, 4), FlashBarMove::Stay);
    EXPECT_EQ(FlashBarTick(phase, FlashHideLimit, 28), FlashBarMove::Stay) << "28 is not beyond the limit";
    EXPECT_EQ(FlashBarTick(phase, FlashHideLimit, 500), FlashBarMove::Stay) << "the show test never hides";
    EXPECT_EQ(FlashBarTick(phase, FlashHideLimit, 500), FlashBarMove::Hide);
    EXPECT_EQ(phase, 0);
    // Another limit moves the hiding row.
    phase = 1;
    EXPECT_EQ(FlashBarTick(phase, 25, 26), FlashBarMove::Hide);
    EXPECT_EQ(FlashHideLimit, 28);
    EXPECT_EQ(FlashTimerIntervalMs, 150u);
}
