#pragma once
// Where the show bar's seven buttons go: equal widths, neighbours overlapping by 10 twips,
// an Exit button at each end.
#include <array>

namespace show {

// Left to right the bar shows these button indices.
constexpr std::array<int, 7> BarOrder{6, 7, 5, 3, 4, 2, 1};
constexpr int BarFirstLeftTwips = -15;
constexpr int BarOverlapTwips = 10;

// The value rounded to the nearest 16-bit integer, halves to the even neighbour;
// out-of-range values are held at the limits.
int RoundToInt16(double value);

struct BarLayout {
    int ButtonWidthTwips = 0;
    int StepTwips = 0;
    std::array<int, 8> LeftTwips{}; // by button index 1..7; entry 0 unused
};

// Button widths and lefts for a bar whose inner width is scaleWidthTwips.
BarLayout LayoutBar(double scaleWidthTwips, int buttonCount);

} // namespace show
