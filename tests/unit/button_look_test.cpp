#include <gtest/gtest.h>

#include "ButtonTestKit.h"

// A 60 x 25 button of the program's design: face RGB(236, 233, 216), so BaseColor is white.
namespace {
constexpr RgbColor Border = MakeRgb(0, 60, 115);
constexpr RgbColor Corner = MakeRgb(16, 77, 123);

void ExpectBorderAndCorners(const PixelCanvas& c)
{
    for (int x = 0; x < 60; ++x) {
        ASSERT_EQ(c.At(x, 0), Border) << x;
        ASSERT_EQ(c.At(x, 24), Border) << x;
    }
    for (int y = 0; y < 25; ++y) {
        ASSERT_EQ(c.At(0, y), Border) << y;
        ASSERT_EQ(c.At(59, y), Border) << y;
    }
    EXPECT_EQ(c.At(1, 1), Corner);
    EXPECT_EQ(c.At(1, 23), Corner);
    EXPECT_EQ(c.At(58, 1), Corner);
    EXPECT_EQ(c.At(58, 23), Corner);
}
} // namespace

TEST(ButtonLooks, UpLookGradientBevelAndBorder)
{
    ButtonRig rig;
    const PixelCanvas& c = rig.canvas;
    // Rows 3..21 show the gradient, one step darker per row (blue in proportion).
    const RgbColor rows[] = {MakeRgb(252, 252, 252), MakeRgb(251, 251, 250), MakeRgb(250, 250, 249), MakeRgb(249, 249, 248),
                        MakeRgb(248, 248, 246), MakeRgb(247, 247, 245), MakeRgb(246, 246, 244), MakeRgb(245, 245, 242),
                        MakeRgb(244, 244, 241), MakeRgb(243, 243, 240), MakeRgb(242, 242, 238), MakeRgb(241, 241, 237),
                        MakeRgb(240, 240, 236), MakeRgb(239, 239, 234), MakeRgb(238, 238, 233), MakeRgb(237, 237, 232),
                        MakeRgb(236, 236, 230), MakeRgb(235, 235, 229), MakeRgb(234, 234, 228)};
    for (int y = 3; y <= 21; ++y) {
        EXPECT_EQ(c.At(30, y), rows[y - 3]) << "row " << y;
        EXPECT_EQ(c.At(3, y), rows[y - 3]) << "row " << y;
        EXPECT_EQ(c.At(56, y), rows[y - 3]) << "row " << y;
    }
    // Plain bevel
    EXPECT_EQ(c.At(30, 1), MakeRgb(255, 255, 255));
    EXPECT_EQ(c.At(30, 2), MakeRgb(255, 255, 255));
    EXPECT_EQ(c.At(30, 22), MakeRgb(223, 223, 213));
    EXPECT_EQ(c.At(30, 23), MakeRgb(207, 207, 192));
    EXPECT_EQ(c.At(58, 10), MakeRgb(219, 219, 208));
    EXPECT_EQ(c.At(57, 10), MakeRgb(231, 231, 224));
    EXPECT_EQ(c.At(1, 10), MakeRgb(250, 250, 249));
    EXPECT_EQ(c.At(1, 22), MakeRgb(250, 250, 249));
    EXPECT_EQ(c.At(2, 10), MakeRgb(245, 245, 242));
    ExpectBorderAndCorners(c);
    // Caption "OK" (12 x 13 in the stand-in font) centred, in the text colour.
    ASSERT_EQ(c.Texts.size(), 1u);
    EXPECT_EQ(c.Texts[0].Box, (Rect{24, 6, 36, 19}));
    EXPECT_EQ(c.Texts[0].Color, MakeRgb(0, 0, 0));
    EXPECT_EQ(c.Texts[0].Flags, textflags::WordBreak | textflags::VCenter | textflags::Center);
}

TEST(ButtonLooks, PressedLookIsDarkestAtTheTop)
{
    ButtonRig rig;
    rig.button.DrawButton(StatePressed, true);
    const PixelCanvas& c = rig.canvas;
    const RgbColor rows[] = {MakeRgb(201, 201, 189), MakeRgb(202, 202, 190), MakeRgb(203, 203, 191), MakeRgb(204, 204, 192),
                        MakeRgb(205, 205, 194), MakeRgb(206, 206, 195), MakeRgb(207, 207, 196), MakeRgb(208, 208, 197),
                        MakeRgb(209, 209, 198), MakeRgb(210, 210, 199), MakeRgb(211, 211, 200), MakeRgb(212, 212, 201),
                        MakeRgb(213, 213, 202), MakeRgb(214, 214, 204), MakeRgb(215, 215, 205), MakeRgb(216, 216, 206),
                        MakeRgb(217, 217, 207), MakeRgb(218, 218, 208), MakeRgb(219, 219, 209)};
    for (int y = 3; y <= 21; ++y) {
        EXPECT_EQ(c.At(30, y), rows[y - 3]) << "row " << y;
        EXPECT_EQ(c.At(4, y), rows[y - 3]) << "row " << y;
    }
    EXPECT_EQ(c.At(30, 23), MakeRgb(239, 239, 230));
    EXPECT_EQ(c.At(30, 22), MakeRgb(233, 233, 224));
    EXPECT_EQ(c.At(58, 10), MakeRgb(228, 228, 218));
    EXPECT_EQ(c.At(57, 10), MakeRgb(255, 255, 255));
    EXPECT_EQ(c.At(30, 1), MakeRgb(191, 191, 178));
    EXPECT_EQ(c.At(30, 2), MakeRgb(199, 199, 187));
    EXPECT_EQ(c.At(1, 10), MakeRgb(191, 191, 178));
    EXPECT_EQ(c.At(2, 10), MakeRgb(201, 201, 189));
    ExpectBorderAndCorners(c);
    ASSERT_EQ(c.Texts.size(), 2u);
    EXPECT_EQ(c.Texts[1].Box, (Rect{25, 7, 37, 20}));
}

TEST(ButtonLooks, HoverFrameIsOrangeOverRed)
{
    PropertyStore design = ProgramButtonDesign(L"OK");
    design.Write(L"fcolo", static_cast<std::int32_t>(MakeRgb(0, 0, 200)));
    ButtonRig rig(60, 25, design);
    rig.site.PointerOver = true;
    rig.button.OnMouseMove(0, 0, 5, 5);
    const PixelCanvas& c = rig.canvas;
    EXPECT_EQ(c.At(1, 10), MakeRgb(255, 0, 0));
    EXPECT_EQ(c.At(58, 10), MakeRgb(255, 0, 0));
    EXPECT_EQ(c.At(30, 22), MakeRgb(255, 0, 0));
    EXPECT_EQ(c.At(30, 23), MakeRgb(231, 150, 0));
    EXPECT_EQ(c.At(30, 1), MakeRgb(255, 243, 206));
    EXPECT_EQ(c.At(30, 2), MakeRgb(255, 219, 140));
    EXPECT_EQ(c.At(2, 10), MakeRgb(255, 203, 107));
    EXPECT_EQ(c.At(57, 10), MakeRgb(255, 203, 107));
    EXPECT_EQ(c.At(30, 10), MakeRgb(245, 245, 242)); // the gradient, unchanged by the frame
    ExpectBorderAndCorners(c);
    EXPECT_EQ(c.Texts.back().Color, MakeRgb(0, 0, 200));

    // A pressed paint keeps the caption colour of the paint before it.
    rig.button.OnMouseDown(1, 0, 5, 5);
    EXPECT_EQ(c.Texts.back().Color, MakeRgb(0, 0, 200));
    EXPECT_EQ(c.Texts.back().Box, (Rect{25, 7, 37, 20}));
}

TEST(ButtonLooks, FocusAndDefaultFramesAreBlueUnlessSwitchedOff)
{
    ButtonRig rig;
    const PixelCanvas& c = rig.canvas;
    auto expectBlueFrame = [&] {
        EXPECT_EQ(c.At(1, 10), MakeRgb(140, 174, 231));
        EXPECT_EQ(c.At(58, 10), MakeRgb(140, 174, 231));
        EXPECT_EQ(c.At(30, 22), MakeRgb(140, 174, 231));
        EXPECT_EQ(c.At(30, 23), MakeRgb(107, 130, 239));
        EXPECT_EQ(c.At(30, 1), MakeRgb(206, 231, 255));
        EXPECT_EQ(c.At(30, 2), MakeRgb(189, 215, 247));
        EXPECT_EQ(c.At(2, 10), MakeRgb(181, 209, 240));
        EXPECT_EQ(c.At(57, 10), MakeRgb(181, 209, 240));
        ExpectBorderAndCorners(c);
    };
    rig.button.OnFocus(true);
    expectBlueFrame();
    rig.button.OnFocus(false);
    EXPECT_EQ(c.At(1, 10), MakeRgb(250, 250, 249));

    rig.site.Default = true;
    rig.button.DrawButton(StateUp, true);
    expectBlueFrame();

    rig.button.SetShowFocusRect(false);
    EXPECT_EQ(c.At(1, 10), MakeRgb(250, 250, 249));
    EXPECT_EQ(c.At(30, 23), MakeRgb(207, 207, 192));
}

TEST(ButtonLooks, DisabledLookWhateverTheState)
{
    ButtonRig rig;
    rig.button.SetEnabled(false);
    EXPECT_FALSE(rig.site.WindowEnabled);
    for (LookState state : {StateUp, StatePressed}) {
        rig.button.DrawButton(state, true);
        const PixelCanvas& c = rig.canvas;
        EXPECT_EQ(c.At(30, 10), MakeRgb(231, 231, 224));
        EXPECT_EQ(c.At(30, 1), MakeRgb(231, 231, 224));
        EXPECT_EQ(c.At(0, 10), MakeRgb(171, 171, 144));
        EXPECT_EQ(c.At(30, 24), MakeRgb(171, 171, 144));
        EXPECT_EQ(c.At(1, 1), MakeRgb(183, 183, 160));
        EXPECT_EQ(c.At(58, 23), MakeRgb(183, 183, 160));
        EXPECT_EQ(c.Texts.back().Color, MakeRgb(151, 151, 117));
        EXPECT_EQ(c.Texts.back().Box, (Rect{24, 6, 36, 19}));
    }
    // Check-box mode with Value set shows the disabled look too.
    rig.button.SetCheckBoxBehaviour(true);
    rig.button.SetValue(true);
    EXPECT_EQ(rig.canvas.At(30, 10), MakeRgb(231, 231, 224));
}

TEST(ButtonLooks, OnePixelHighPaintsAndZeroHighPaintsNothing)
{
    ButtonRig thin(60, 1);
    EXPECT_EQ(thin.canvas.At(30, 0), Border);
    EXPECT_GT(thin.site.Presents, 0);
    thin.button.DrawButton(StatePressed, true);
    EXPECT_EQ(thin.canvas.At(30, 0), Border);

    ButtonRig flat(60, 0);
    flat.button.DrawButton(StatePressed, true);
    flat.button.SetCaption(L"Other");
    EXPECT_EQ(flat.canvas.Operations, 0);
    EXPECT_EQ(flat.site.Presents, 0);
}

TEST(ButtonLooks, HoveredCustomFaceUsesBackOverForThatPaintOnly)
{
    PropertyStore design = ProgramButtonDesign(L"OK");
    design.Write(L"bcolo", static_cast<std::int32_t>(MakeRgb(100, 100, 192)));
    ButtonRig rig(60, 25, design);
    rig.site.PointerOver = true;
    rig.button.OnMouseMove(0, 0, 1, 1);
    // Base = ShiftColor(RGB(100, 100, 192), +48) = (148, 148, 240); row 10 is 10 steps darker.
    EXPECT_EQ(rig.canvas.At(30, 10), MakeRgb(138, 138, 228));
    EXPECT_EQ(rig.button.State().Palette.FaceColor, MakeRgb(236, 233, 216));
}
