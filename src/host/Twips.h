#pragma once
// Twips (1/1440 inch) and pixels, converted with the screen's real resolution.
#include <cmath>

namespace twips {

constexpr int PerInch = 1440;

// Twips per pixel at a given resolution (15 at 96 DPI, 10 at 144 DPI).
constexpr double PerPixel(int dpi) { return static_cast<double>(PerInch) / dpi; }

// Nearest pixel; halves away from zero so that the same twips value always lands on the same pixel.
inline int ToPixels(double twipsValue, int dpi) { return static_cast<int>(std::lround(twipsValue * dpi / PerInch)); }

inline double FromPixels(int pixels, int dpi) { return static_cast<double>(pixels) * PerInch / dpi; }

} // namespace twips
