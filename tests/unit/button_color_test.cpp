#include <gtest/gtest.h>

#include <limits>

#include "ButtonTestKit.h"
#include "base/Rounding.h"
#include "controls/ButtonColor.h"
#include "controls/ButtonPalette.h"

TEST(ButtonColor, ShiftColorCapsFloorsAndMovesBlueInProportion)
{
    const RgbColor face = MakeRgb(236, 233, 216);
    EXPECT_EQ(ShiftColor(face, +48, false), MakeRgb(255, 255, 255));
    EXPECT_EQ(ShiftColor(face, +48, true), MakeRgb(255, 255, 243)); // step 24, blue 216 + 27
    EXPECT_EQ(ShiftColor(MakeRgb(0, 0, 0), -48, false), MakeRgb(0, 0, 0));
    EXPECT_EQ(ShiftColor(MakeRgb(255, 0, 0), +10, false), MakeRgb(255, 10, 0));
    // Blue's step truncates toward zero on both sides: 100 * -5 / 192 = -2.6 -> -2.
    EXPECT_EQ(ShiftColor(MakeRgb(100, 100, 100), -5, false), MakeRgb(95, 95, 98));
    // A soft bevel halves toward zero: -5 -> -2, +47 -> +23.
    EXPECT_EQ(ShiftColor(MakeRgb(100, 100, 192), -5, true), MakeRgb(98, 98, 190));
    EXPECT_EQ(ShiftColor(MakeRgb(100, 100, 192), +47, true), MakeRgb(123, 123, 215));
    EXPECT_EQ(ShiftColor(MakeRgb(7, 8, 9), 0, false), MakeRgb(7, 8, 9));
}

TEST(ButtonColor, RoundHalfEvenTakesTiesToEven)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
    EXPECT_EQ(RoundHalfEven(76.5), 76);
}

TEST(ButtonColor, RoundHalfEvenKeepsHugeValuesInRange)
{
    constexpr int most = std::numeric_limits<int>::max(), least = std::numeric_limits<int>::min();
    EXPECT_EQ(RoundHalfEven(1e300), most);
    EXPECT_EQ(RoundHalfEven(-7.6e307), least);
    EXPECT_EQ(RoundHalfEven(2147483647.4), most);
    EXPECT_EQ(RoundHalfEven(-2147483648.4), least);
    EXPECT_EQ(RoundHalfEven(2147483646.0), most - 1);
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);

    // A stored design's font size beyond any font still reads as a number.
    PixelCanvas canvas{10, 10};
    FakeSite site{canvas};
    ButtonModel button{site};
    PropertyStore design = ProgramButtonDesign(L"OK");
    FontDesc font;
    font.Size = 1e300;
    design.Write(L"FONT", font);
    button.Load(design);
    EXPECT_EQ(button.FontSize(), most);
}

class ButtonPaletteTest : public ::testing::Test {
protected:
    PixelCanvas canvas{10, 10};
    FakeSite site{canvas};
    ButtonState state;
};

TEST_F(ButtonPaletteTest, EachSchemeTakesItsColoursFromItsSource)
{
    state.BackColor = MakeRgb(236, 233, 216);
    state.ForeColor = MakeRgb(1, 2, 3);
    state.ForeOver = MakeRgb(4, 5, 6);

    state.ColorScheme = 2;
    ComputePalette(state, site);
    EXPECT_EQ(state.Palette.FaceColor, MakeRgb(236, 233, 216));
    EXPECT_EQ(state.Palette.BaseColor, MakeRgb(255, 255, 255));
    EXPECT_EQ(state.Palette.TextColor, MakeRgb(1, 2, 3));
    EXPECT_EQ(state.Palette.TextOverColor, MakeRgb(4, 5, 6));
    EXPECT_EQ(state.Palette.ShadowColor, MakeRgb(172, 169, 144));
    EXPECT_EQ(state.Palette.HighlightColor, MakeRgb(255, 255, 255));
    EXPECT_EQ(state.Palette.MaskRGB, MakeRgb(192, 192, 192));

    state.ColorScheme = 3;
    ComputePalette(state, site);
    EXPECT_EQ(state.Palette.FaceColor, MakeRgb(192, 192, 192));
    EXPECT_EQ(state.Palette.ShadowColor, MakeRgb(128, 128, 128));
    EXPECT_EQ(state.Palette.HighlightColor, MakeRgb(255, 255, 255));
    EXPECT_EQ(state.Palette.TextOverColor, MakeRgb(0, 0, 0));

    state.ColorScheme = 4;
    ComputePalette(state, site);
    EXPECT_EQ(state.Palette.FaceColor, MakeRgb(0, 128, 128));
    EXPECT_EQ(state.Palette.TextColor, MakeRgb(255, 255, 0));
    EXPECT_EQ(state.Palette.TextOverColor, MakeRgb(255, 255, 0));
    EXPECT_EQ(state.Palette.BaseColor, MakeRgb(48, 176, 160));

    for (int scheme : {1, 0, 7}) {
        state.ColorScheme = scheme;
        ComputePalette(state, site);
        EXPECT_EQ(state.Palette.FaceColor, MakeRgb(212, 208, 200)) << scheme;
        EXPECT_EQ(state.Palette.ShadowColor, MakeRgb(128, 128, 128)) << scheme;
        EXPECT_EQ(state.Palette.HighlightColor, MakeRgb(255, 255, 255)) << scheme;
        EXPECT_EQ(state.Palette.TextOverColor, state.Palette.TextColor) << scheme;
        EXPECT_EQ(state.Palette.BaseColor, MakeRgb(255, 255, 250)) << scheme;
    }
}

TEST_F(ButtonPaletteTest, SystemColourCodesTranslateAndFailuresGiveBlack)
{
    state.ColorScheme = 2;
    state.BackColor = 0x8000000F; // the button face
    state.MaskColor = 0x80000010; // the button shadow
    ComputePalette(state, site);
    EXPECT_EQ(state.Palette.FaceColor, MakeRgb(212, 208, 200));
    EXPECT_EQ(state.Palette.MaskRGB, MakeRgb(128, 128, 128));

    site.Failing = true;
    ComputePalette(state, site);
    EXPECT_EQ(state.Palette.FaceColor, 0u);
    EXPECT_EQ(state.Palette.MaskRGB, 0u);
    EXPECT_EQ(state.Palette.BaseColor, MakeRgb(48, 48, 0));
}
