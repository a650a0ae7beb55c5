#include "show/BarLayout.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace show {

int RoundToInt16(double value)
{
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value)) return 0;
    if (value <= lowest) return static_cast<int>(lowest);
    if (value >= highest) return static_cast<int>(highest);
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded = below + 1.0;
    return static_cast<int>(rounded);
}

BarLayout LayoutBar(double scaleWidthTwips, int buttonCount)
{
    BarLayout layout;
    if (buttonCount <= 0) return layout;
    layout.ButtonWidthTwips = RoundToInt16(scaleWidthTwips / buttonCount);
    layout.StepTwips = layout.ButtonWidthTwips - BarOverlapTwips;
    int left = BarFirstLeftTwips;
    for (int index : BarOrder) {
        layout.LeftTwips[index] = left;
        left += layout.StepTwips;
    }
    return layout;
}

} // namespace show
