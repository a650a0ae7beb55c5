#include "special/VideoLayout.h"

#include <algorithm>
#include <cmath>

namespace video {
namespace {

bool IsEmpty(PixelSize size) { return size.Width <= 0 || size.Height <= 0; }

// The largest picture of the video's proportions that fits the box, centred in it.
PixelRect FitInside(PixelSize video, PixelSize box)
{
    if (IsEmpty(video) || IsEmpty(box)) return {};
    const double scale = std::min(static_cast<double>(box.Width) / video.Width,
                                  static_cast<double>(box.Height) / video.Height);
    const int width = std::min(box.Width, static_cast<int>(std::lround(video.Width * scale)));
    const int height = std::min(box.Height, static_cast<int>(std::lround(video.Height * scale)));
    return {(box.Width - width) / 2, (box.Height - height) / 2, width, height};
}

} // namespace

PlayerArea ArrangePlayer(PixelSize video, int displaySize, bool autoSize, PixelSize control)
{
    if (IsEmpty(video)) return {control, {}};
    if (displaySize == DisplayFitToControl) return {control, FitInside(video, control)};

    const int factor = displaySize == DisplayDoubleSize ? 2 : 1;
    const PixelSize shown{video.Width * factor, video.Height * factor};
    if (autoSize) return {shown, {0, 0, shown.Width, shown.Height}};
    if (shown.Width <= control.Width && shown.Height <= control.Height)
        return {control, {(control.Width - shown.Width) / 2, (control.Height - shown.Height) / 2, shown.Width,
                          shown.Height}};
    return {control, FitInside(video, control)};
}

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

BarChange AutoHideTick(int pointerY, int hideLimit)
{
    if (pointerY < RevealBelowY) return BarChange::Show;
    if (pointerY > hideLimit) return BarChange::Hide;
    return BarChange::Keep;
}

} // namespace video
