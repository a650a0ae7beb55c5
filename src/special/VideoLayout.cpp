#include "special/VideoLayout.h"

#include <algorithm>

namespace video {

PlayerFrame FrameAroundPlayer(double innerWidth, double innerHeight, double playerWidth, double playerHeight)
{
    PlayerFrame frame;
    frame.Player = {PlayerInsetTwips, PlayerInsetTwips, playerWidth, playerHeight};
    frame.Pic.Width = playerWidth + FrameMarginTwips;
    frame.Pic.Height = playerHeight + FrameMarginTwips;
    frame.Pic.Top = innerHeight / 2 - frame.Pic.Height / 2 + FrameBelowCentreTwips;
    frame.Pic.Left = innerWidth / 2 - frame.Pic.Width / 2;
    frame.MenuWidth = innerWidth;
    return frame;
}

PlayerFrame FullWindowFrame(double innerWidth, double innerHeight)
{
    constexpr double PlayerLeftTwips = 20;
    constexpr double WidthMarginTwips = 110;
    constexpr double HeightMarginTwips = 60;
    PlayerFrame frame;
    frame.Pic = {0, 0, innerWidth, innerHeight};
    frame.Player = {PlayerLeftTwips, 0, std::max(0.0, innerWidth - WidthMarginTwips),
                    std::max(0.0, innerHeight - HeightMarginTwips)};
    frame.MenuWidth = innerWidth;
    return frame;
}

ButtonRow LayoutButtons(double innerWidth)
{
    ButtonRow row;
    row.Width = innerWidth / ButtonCount - 10;
    row.Left[0] = FirstButtonLeftTwips;
    for (int i = 1; i < ButtonCount; ++i) row.Left[i] = row.Left[i - 1] + row.Width;
    return row;
}

const ButtonDesign* Button(int index)
{
    for (const ButtonDesign& design : Buttons)
        if (design.Index == index) return &design;
    return nullptr;
}

BarChange AutoHideTick(int pointerY, int hideLimit)
{
    if (pointerY < RevealBelowY) return BarChange::Show;
    if (pointerY > hideLimit) return BarChange::Hide;
    return BarChange::Keep;
}

} // namespace video
