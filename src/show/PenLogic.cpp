#include "show/PenLogic.h"

namespace pen {

ToolbarLayout LayoutToolbar(int innerWidthTwips)
{
    ToolbarLayout layout;
    layout.WidthTwips = innerWidthTwips - ToolbarMarginTwips;
    int left = FirstSwatchLeftTwips;
    for (int& swatch : layout.SwatchLeftTwips) {
        swatch = left;
        left += SwatchSizeTwips;
    }
    left += WidthLabelGapTwips;
    for (int i = 1; i <= 3; ++i) {
        layout.WidthLabelLeftTwips[i] = left;
        left += SwatchSizeTwips + WidthLabelGapTwips;
    }
    layout.BackLeftTwips = innerWidthTwips - BackWidthTwips - BackRightGapTwips;
    return layout;
}

std::optional<Segment> Stroke::MouseDown(int button, Point at, int color, int width)
{
    if (button != LeftButton) return std::nullopt;
    color_ = color;
    width_ = width;
    PenDown = 1;
    current_ = at;
    return Segment{at, at, color_, width_};
}

std::optional<Segment> Stroke::MouseMove(Point at)
{
    if (PenDown != 1 || at.Y <= DrawBandTwips) return std::nullopt;
    Segment line{current_, at, color_, width_};
    current_ = at;
    return line;
}

ToolbarMove ToolbarTick(int& barShown, int hideLimit, int pointerY)
{
    if (barShown == 0) {
        barShown = 1;
        return pointerY < 4 ? ToolbarMove::Show : ToolbarMove::Stay;
    }
    barShown = 0;
    return pointerY > hideLimit ? ToolbarMove::Hide : ToolbarMove::Stay;
}

} // namespace pen
