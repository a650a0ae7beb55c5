#include "swf/ShowAll.h"

#include <algorithm>
#include <cmath>

namespace swf {

namespace {
// Far outside any target yet well inside float precision for the drawing engine.
constexpr double DeviceLimit = 1 << 22;

float Clamp(double v)
{
    if (std::isnan(v)) return 0;
    return static_cast<float>(std::clamp(v, -DeviceLimit, DeviceLimit));
}
} // namespace

PointF ShowAll::ToDevice(Point p) const { return {Clamp(p.x * scale + offsetX), Clamp(p.y * scale + offsetY)}; }

ShowAll MapShowAll(const TwipsRect& stage, int width, int height)
{
    ShowAll m;
    const double w = static_cast<double>(stage.Width());
    const double h = static_cast<double>(stage.Height());
    if (w <= 0 || h <= 0 || width <= 0 || height <= 0) return m;
    m.scale = std::min(width / w, height / h);
    const double shownW = w * m.scale;
    const double shownH = h * m.scale;
    m.offsetX = (width - shownW) / 2 - stage.xMin * m.scale;
    m.offsetY = (height - shownH) / 2 - stage.yMin * m.scale;
    m.stage = {Clamp((width - shownW) / 2), Clamp((height - shownH) / 2), Clamp((width + shownW) / 2),
               Clamp((height + shownH) / 2)};
    return m;
}

} // namespace swf
