#include "swf/Geometry.h"

#include <cmath>

namespace swf {

namespace {
std::uint8_t Channel(double v)
{
    if (!(v > 0)) return 0; // NaN too
    if (v >= 255) return 255;
    return static_cast<std::uint8_t>(std::lround(v));
}
} // namespace

Rgba ColorTransform::Apply(Rgba c) const
{
    return {Channel(c.r * mult[0] + add[0]), Channel(c.g * mult[1] + add[1]), Channel(c.b * mult[2] + add[2]),
            Channel(c.a * mult[3] + add[3])};
}

ColorTransform ColorTransform::operator*(const ColorTransform& inner) const
{
    ColorTransform out;
    for (int i = 0; i < 4; ++i) {
        out.mult[i] = inner.mult[i] * mult[i];
        out.add[i] = inner.add[i] * mult[i] + add[i];
    }
    return out;
}

} // namespace swf
