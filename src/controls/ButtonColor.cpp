#include "controls/ButtonColor.h"

#include <algorithm>
#include <cmath>

namespace {
int Clamp(int v, int s)
{
    if (s > 0) return std::min(v, 255);
    if (s < 0) return std::max(v, 0);
    return v;
}
} // namespace

RgbColor ShiftColor(RgbColor c, int step, bool softBevel)
{
    const int s = softBevel ? step / 2 : step;
    const int r = Clamp(RedOf(c) + s, s);
    const int g = Clamp(GreenOf(c) + s, s);
    const int b = Clamp(BlueOf(c) + BlueOf(c) * s / 192, s);
    return MakeRgb(r, g, b);
}
