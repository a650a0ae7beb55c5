#include <gtest/gtest.h>

#include <string>

#include "special/VideoLayout.h"

using namespace video;

TEST(VideoLayout, AutoSizeTakesTheShownSize)
{
    const PixelSize clip{320, 240};
    EXPECT_EQ(ArrangePlayer(clip, DisplayOwnSize, true, {100, 80}).Control, (PixelSize{320, 240}));
    EXPECT_EQ(ArrangePlayer(clip, DisplayOwnSize, true, {100, 80}).Picture, (PixelRect{0, 0, 320, 240}));
    EXPECT_EQ(ArrangePlayer(clip, DisplayDoubleSize, true, {320, 240}).Control, (PixelSize{640, 480}));
    EXPECT_EQ(ArrangePlayer(clip, DisplayDoubleSize, true, {320, 240}).Picture, (PixelRect{0, 0, 640, 480}));
    // Sizes the control does not know are shown at the picture's own size.
    EXPECT_EQ(ArrangePlayer(clip, 1, true, {10, 10}).Control, (PixelSize{320, 240}));
}

TEST(VideoLayout, FitToControlKeepsControlAndProportions)
{
    const PixelSize clip{320, 240};
    // Wide control: the height limits, the picture is centred across.
    PlayerArea wide = ArrangePlayer(clip, DisplayFitToControl, true, {1000, 500});
    EXPECT_EQ(wide.Control, (PixelSize{1000, 500}));
    EXPECT_EQ(wide.Picture, (PixelRect{166, 0, 667, 500}));
    // Tall control: the width limits, the picture is centred down.
    EXPECT_EQ(ArrangePlayer(clip, DisplayFitToControl, false, {400, 600}).Picture, (PixelRect{0, 150, 400, 300}));
    // Same proportions: the whole control.
    EXPECT_EQ(ArrangePlayer(clip, DisplayFitToControl, true, {1200, 900}).Picture, (PixelRect{0, 0, 1200, 900}));
    EXPECT_EQ(ArrangePlayer(clip, DisplayFitToControl, true, {0, 0}).Picture, (PixelRect{}));
}

TEST(VideoLayout, FixedControlCentresOrShrinksThePicture)
{
    const PixelSize clip{320, 240};
    EXPECT_EQ(ArrangePlayer(clip, DisplayOwnSize, false, {400, 300}).Picture, (PixelRect{40, 30, 320, 240}));
    const PlayerArea doubled = ArrangePlayer(clip, DisplayDoubleSize, false, {400, 400});
    EXPECT_EQ(doubled.Control, (PixelSize{400, 400}));
    EXPECT_EQ(doubled.Picture, (PixelRect{0, 50, 400, 300}));
}

TEST(VideoLayout, NothingOpenLeavesAnEmptyControlOfItsOwnSize)
{
    for (int displaySize : {DisplayOwnSize, DisplayDoubleSize, DisplayFitToControl}) {
        const PlayerArea area = ArrangePlayer({0, 0}, displaySize, true, {300, 200});
        EXPECT_EQ(area.Control, (PixelSize{300, 200})) << displaySize;
        EXPECT_EQ(area.Picture, (PixelRect{})) << displaySize;
    }
}

TEST(VideoLayout, FrameSitsCentredAndBelowTheMiddle)
{
    // 1280 x 1024 pixels at 15 twips, the 320 x 240 clip at its own size.
    PlayerFrame frame = FrameAroundPlayer(19200, 15360, 4800, 3600);
    EXPECT_EQ(frame.Player, (TwipsRect{40, 40, 4800, 3600}));
    EXPECT_EQ(frame.Pic, (TwipsRect{7120, 5960, 4960, 3760}));
    EXPECT_DOUBLE_EQ(frame.MenuWidth, 19200);
    // Doubled, on a smaller screen; halves are kept, not rounded.
    frame = FrameAroundPlayer(15001, 11251, 9600, 7200);
    EXPECT_EQ(frame.Pic, (TwipsRect{2620.5, 2105.5, 9760, 7360}));
    // A picture larger than the window: the frame starts above and left of the inner area.
    frame = FrameAroundPlayer(4000, 3000, 9600, 7200);
    EXPECT_DOUBLE_EQ(frame.Pic.Left, -2880);
    EXPECT_DOUBLE_EQ(frame.Pic.Top, -2020);
}

TEST(VideoLayout, FullWindowFillsTheInnerArea)
{
    PlayerFrame frame = FullWindowFrame(19200, 15360);
    EXPECT_EQ(frame.Pic, (TwipsRect{0, 0, 19200, 15360}));
    EXPECT_EQ(frame.Player, (TwipsRect{20, 0, 19090, 15300}));
    frame = FullWindowFrame(12000, 9000);
    EXPECT_EQ(frame.Player, (TwipsRect{20, 0, 11890, 8940}));
    frame = FullWindowFrame(100, 50);
    EXPECT_EQ(frame.Player, (TwipsRect{20, 0, 0, 0}));
}

TEST(VideoLayout, ButtonsShareTheInnerWidth)
{
    ButtonRow row = LayoutButtons(19200);
    EXPECT_DOUBLE_EQ(row.Width, 2390);
    EXPECT_DOUBLE_EQ(row.Left[0], 10);
    EXPECT_DOUBLE_EQ(row.Left[1], 2400);
    EXPECT_DOUBLE_EQ(row.Left[7], 16740);
    row = LayoutButtons(15004);
    EXPECT_DOUBLE_EQ(row.Width, 1865.5);
    EXPECT_DOUBLE_EQ(row.Left[1], 1875.5);
}

TEST(VideoLayout, AutoHideShowsAtTheTopHidesBelowTheLimit)
{
    EXPECT_EQ(AutoHideTick(2, 28), BarChange::Show);
    EXPECT_EQ(AutoHideTick(0, 28), BarChange::Show);
    EXPECT_EQ(AutoHideTick(3, 28), BarChange::Show);
    EXPECT_EQ(AutoHideTick(4, 28), BarChange::Keep);
    EXPECT_EQ(AutoHideTick(20, 28), BarChange::Keep);
    EXPECT_EQ(AutoHideTick(28, 28), BarChange::Keep);
    EXPECT_EQ(AutoHideTick(29, 28), BarChange::Hide);
    // After the pen has been used the limit is 25.
    EXPECT_EQ(AutoHideTick(25, 25), BarChange::Keep);
    EXPECT_EQ(AutoHideTick(26, 25), BarChange::Hide);
    EXPECT_EQ(AutoHideTick(900, 25), BarChange::Hide);
}

TEST(VideoLayout, ButtonsTakeTheirTextsAndPicturesInOrderBetweenTwoExits)
{
    EXPECT_EQ(Button(-1), nullptr);
    EXPECT_EQ(Button(8), nullptr);
    const ButtonAction actions[] = {ButtonAction::Exit,       ButtonAction::Halt,    ButtonAction::Play,
                                    ButtonAction::DoubleSize, ButtonAction::OwnSize, ButtonAction::FullWindow,
                                    ButtonAction::Volume,     ButtonAction::Exit};
    const std::wstring names[] = {L"Exit", L"Stop", L"Play", L"ZoomOn", L"ZoomOff", L"Full", L"Volume", L"Exit"};
    for (int i = 0; i < ButtonCount; ++i) {
        const ButtonDesign* design = Button(i);
        ASSERT_NE(design, nullptr) << i;
        EXPECT_EQ(design->Index, i);
        EXPECT_EQ(design->Text, 42 + i) << "texts 42 to 49";
        EXPECT_EQ(design->Picture, i + 1) << "picture i + 1 for button i";
        EXPECT_EQ(design->Action, actions[i]) << i;
        EXPECT_EQ(design->DesignName, names[i]) << i;
    }
}
