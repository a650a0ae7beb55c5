#include <gtest/gtest.h>

#include "show/PenLogic.h"

using namespace pen;

TEST(PenOverlayPalette, StandardSixteenColours)
{
    auto rgb = [](int r, int g, int b) { return static_cast<std::uint32_t>(r | (g << 8) | (b << 16)); };
    const std::array<std::uint32_t, 16> expected{
        rgb(0, 0, 0),       rgb(0, 0, 128),   rgb(0, 128, 0),   rgb(0, 128, 128),
        rgb(128, 0, 0),     rgb(128, 0, 128), rgb(128, 128, 0), rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(0, 0, 255),   rgb(0, 255, 0),   rgb(0, 255, 255),
        rgb(255, 0, 0),     rgb(255, 0, 255), rgb(255, 255, 0), rgb(255, 255, 255)};
    EXPECT_EQ(Palette, expected);
    EXPECT_EQ(Palette[DefaultColor], rgb(255, 0, 0));
    EXPECT_EQ(WidthForLabel(1), 2);
    EXPECT_EQ(WidthForLabel(3), 4);
}

TEST(PenOverlayLayout, GaplessSwatchesThenWidthLabelsThenBack)
{
    const ToolbarLayout layout = LayoutToolbar(19200);
    EXPECT_EQ(layout.WidthTwips, 19080);
    EXPECT_EQ(layout.SwatchLeftTwips[0], 20);
    EXPECT_EQ(layout.SwatchLeftTwips[1], 395);
    EXPECT_EQ(layout.SwatchLeftTwips[15], 20 + 15 * 375);
    EXPECT_EQ(layout.WidthLabelLeftTwips[1], 5645 + 375 + 30);
    EXPECT_EQ(layout.WidthLabelLeftTwips[2], 6050 + 405);
    EXPECT_EQ(layout.WidthLabelLeftTwips[3], 6455 + 405);
    EXPECT_EQ(layout.BackLeftTwips, 19200 - 1575 - 180);
}

TEST(PenOverlayStroke, DotOnPressLinesOnlyBelowBand)
{
    Stroke stroke;
    EXPECT_FALSE(stroke.MouseMove({500, 500})); // no press yet
    EXPECT_FALSE(stroke.MouseDown(2, {500, 500}, 0, 2)); // right button ignored
    EXPECT_EQ(stroke.PenDown, 0);

    // A press inside the band still leaves a dot.
    auto dot = stroke.MouseDown(LeftButton, {300, 100}, DefaultColor, DefaultWidth);
    ASSERT_TRUE(dot);
    EXPECT_EQ(*dot, (Segment{{300, 100}, {300, 100}, 12, 3}));
    EXPECT_FALSE(stroke.MouseMove({400, 150}));
    EXPECT_FALSE(stroke.MouseMove({450, 200}));
    // Leaving the band continues from the last drawn point.
    auto line = stroke.MouseMove({600, 201});
    ASSERT_TRUE(line);
    EXPECT_EQ(*line, (Segment{{300, 100}, {600, 201}, 12, 3}));
    line = stroke.MouseMove({700, 900});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->From, (Point{600, 201}));

    stroke.MouseUp();
    EXPECT_FALSE(stroke.MouseMove({800, 900}));

    // Colour and width come with the next press.
    dot = stroke.MouseDown(LeftButton, {1000, 1000}, 0, WidthForLabel(1));
    ASSERT_TRUE(dot);
    line = stroke.MouseMove({1100, 1000});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Color, 0);
    EXPECT_EQ(line->Width, 2);
}

TEST(PenOverlayToolbar, TicksAlternateBetweenShowAndHideTests)
{
    int shown = 0; // as the overlay loads
    // Pointer low on the screen: the first tick is a show test (nothing), the second hides.
    EXPECT_EQ(ToolbarTick(shown, HideLimit, 600), ToolbarMove::Stay);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(ToolbarTick(shown, HideLimit, 600), ToolbarMove::Hide);
    EXPECT_EQ(shown, 0);
    // Pointer at the top edge: shown on the show test, kept on the hide test.
    EXPECT_EQ(ToolbarTick(shown, HideLimit, 3), ToolbarMove::Show);
    EXPECT_EQ(ToolbarTick(shown, HideLimit, 3), ToolbarMove::Stay);
    // Within the top 25 pixels it is never hidden; at 4 it is not brought back.
    EXPECT_EQ(ToolbarTick(shown, HideLimit, 4), ToolbarMove::Stay);
    EXPECT_EQ(ToolbarTick(shown, HideLimit, 25), ToolbarMove::Stay);
    EXPECT_EQ(ToolbarTick(shown, HideLimit, 26), ToolbarMove::Stay);
    EXPECT_EQ(ToolbarTick(shown, HideLimit, 26), ToolbarMove::Hide);
}
