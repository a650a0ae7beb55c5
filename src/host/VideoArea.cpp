#include "host/VideoArea.h"

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

} // namespace video
