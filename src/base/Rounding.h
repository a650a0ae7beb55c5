#pragma once
// Rounding as an assignment of a fraction to a whole number does it.
#include <cmath>

// Nearest integer, halves to the even neighbour (nearbyint follows the default rounding mode,
// which is to nearest with ties to even).
inline int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }
