#pragma once
// Rounding as an assignment of a fraction to a whole number does it.
#include <cmath>
#include <limits>

// Nearest integer, halves to the even neighbour (nearbyint follows the default rounding mode,
// which is to nearest with ties to even). A value beyond int's range (a stored font size of
// 1e300) gives the nearer end of the range and NaN gives 0, where a plain cast is undefined.
inline int RoundHalfEven(double value)
{
    const double rounded = std::nearbyint(value);
    if (std::isnan(rounded)) return 0;
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}
