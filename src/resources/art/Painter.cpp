#include "resources/art/Painter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

double Overlap(int pixel, double lo, double hi)
{
    return std::clamp(std::min(pixel + 1.0, hi) - std::max(static_cast<double>(pixel), lo), 0.0, 1.0);
}

double SegmentDistance(double px, double py, PointF a, PointF b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((px - a.x) * dx + (py - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

} // namespace

Painter::Painter(PixelArt& target) : img_(target) { NoClip(); }

void Painter::Clip(double x0, double y0, double x1, double y1)
{
    cx0_ = std::max(0.0, x0);
    cy0_ = std::max(0.0, y0);
    cx1_ = std::min<double>(img_.width, x1);
    cy1_ = std::min<double>(img_.height, y1);
    fx0_ = static_cast<int>(std::ceil(cx0_));
    fy0_ = static_cast<int>(std::ceil(cy0_));
    fx1_ = static_cast<int>(std::floor(cx1_));
    fy1_ = static_cast<int>(std::floor(cy1_));
}

void Painter::NoClip() { Clip(0, 0, img_.width, img_.height); }

void Painter::Plot(int x, int y, uint32_t color, double coverage)
{
    // Inside the clip both overlaps are exactly 1 and leave the coverage as it is.
    if (x < fx0_ || x >= fx1_ || y < fy0_ || y >= fy1_) coverage *= Overlap(x, cx0_, cx1_) * Overlap(y, cy0_, cy1_);
    if (coverage <= 0.0) return;
    uint32_t& p = img_.at(x, y);
    if (p != lastUnder_ || color != lastOver_ || coverage != lastCoverage_) {
        lastUnder_ = p;
        lastOver_ = color;
        lastCoverage_ = coverage;
        lastResult_ = BlendOver(p, color, coverage);
    }
    p = lastResult_;
}

template <typename Distance>
void Painter::Cover(double x0, double y0, double x1, double y1, uint32_t color, Distance distance)
{
    const int ix0 = std::max(static_cast<int>(std::floor(std::max(x0, cx0_))) - 1, 0);
    const int iy0 = std::max(static_cast<int>(std::floor(std::max(y0, cy0_))) - 1, 0);
    const int ix1 = std::min(static_cast<int>(std::ceil(std::min(x1, cx1_))) + 1, img_.width);
    const int iy1 = std::min(static_cast<int>(std::ceil(std::min(y1, cy1_))) + 1, img_.height);
    for (int y = iy0; y < iy1; ++y)
        for (int x = ix0; x < ix1; ++x) {
            const double cover = std::clamp(0.5 - distance(x + 0.5, y + 0.5), 0.0, 1.0);
            if (cover > 0.0) Plot(x, y, color, cover);
        }
}

void Painter::Fill(uint32_t color) { FillRect(0, 0, img_.width, img_.height, color); }

void Painter::FillRect(double x0, double y0, double x1, double y1, uint32_t color)
{
    VerticalGradient(x0, y0, x1, y1, color, color);
}

void Painter::VerticalGradient(double x0, double y0, double x1, double y1, uint32_t top, uint32_t bottom)
{
    Gradient(x0, y0, x1, y1, top, bottom, true);
}

void Painter::HorizontalGradient(double x0, double y0, double x1, double y1, uint32_t left, uint32_t right)
{
    Gradient(x0, y0, x1, y1, left, right, false);
}

void Painter::Gradient(double x0, double y0, double x1, double y1, uint32_t from, uint32_t to, bool vertical)
{
    const int ix0 = std::max(static_cast<int>(std::floor(std::max(x0, cx0_))), 0);
    const int iy0 = std::max(static_cast<int>(std::floor(std::max(y0, cy0_))), 0);
    const int ix1 = std::min(static_cast<int>(std::ceil(std::min(x1, cx1_))), img_.width);
    const int iy1 = std::min(static_cast<int>(std::ceil(std::min(y1, cy1_))), img_.height);
    if (ix0 >= ix1 || iy0 >= iy1) return;
    const double start = vertical ? y0 : x0, span = vertical ? y1 - y0 : x1 - x0;
    auto colorAt = [&](int i) { return span > 1.0 ? Mix(from, to, ((i + 0.5) - start) / span) : from; };
    // A colour and an overlap per column, worked out once instead of once per pixel.
    std::vector<uint32_t> columnColor;
    std::vector<double> columnOverlap(static_cast<size_t>(ix1 - ix0));
    for (int x = ix0; x < ix1; ++x) {
        columnOverlap[static_cast<size_t>(x - ix0)] = Overlap(x, x0, x1);
        if (!vertical) columnColor.push_back(colorAt(x));
    }
    for (int y = iy0; y < iy1; ++y) {
        const double rowOverlap = Overlap(y, y0, y1);
        const uint32_t rowColor = vertical ? colorAt(y) : from;
        for (int x = ix0; x < ix1; ++x) {
            const size_t column = static_cast<size_t>(x - ix0);
            Plot(x, y, vertical ? rowColor : columnColor[column], columnOverlap[column] * rowOverlap);
        }
    }
}

void Painter::FillEllipse(double cx, double cy, double rx, double ry, uint32_t color)
{
    if (rx <= 0 || ry <= 0) return;
    Cover(cx - rx, cy - ry, cx + rx, cy + ry, color, [=](double px, double py) {
        const double dx = px - cx, dy = py - cy;
        const double f = dx * dx / (rx * rx) + dy * dy / (ry * ry) - 1.0;
        const double g = 2.0 * std::hypot(dx / (rx * rx), dy / (ry * ry));
        return g > 1e-9 ? f / g : -std::min(rx, ry);
    });
}

void Painter::FillRoundRect(double x0, double y0, double x1, double y1, double radius, uint32_t color)
{
    radius = std::clamp(radius, 0.0, std::min(x1 - x0, y1 - y0) / 2);
    const double hx = (x1 - x0) / 2, hy = (y1 - y0) / 2;
    const double mx = x0 + hx, my = y0 + hy;
    Cover(x0, y0, x1, y1, color, [=](double px, double py) {
        const double qx = std::abs(px - mx) - hx + radius, qy = std::abs(py - my) - hy + radius;
        return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
    });
}

void Painter::GradientRoundRect(double x0, double y0, double x1, double y1, double radius, uint32_t top,
                                uint32_t bottom)
{
    // One clipped band per pixel row keeps the rounded corners exact.
    const double keep[4] = {cx0_, cy0_, cx1_, cy1_};
    const int first = std::max(static_cast<int>(std::floor(y0)), 0);
    const int last = std::min(static_cast<int>(std::ceil(y1)), img_.height);
    for (int y = first; y < last; ++y) {
        Clip(std::max(keep[0], 0.0), std::max(keep[1], static_cast<double>(y)), keep[2], std::min(keep[3], y + 1.0));
        if (cy1_ > cy0_) FillRoundRect(x0, y0, x1, y1, radius, Mix(top, bottom, (y + 0.5 - y0) / std::max(y1 - y0, 1.0)));
    }
    Clip(keep[0], keep[1], keep[2], keep[3]);
}

void Painter::FillPolygon(std::initializer_list<PointF> points, uint32_t color)
{
    FillPolygon(std::vector<PointF>(points), color);
}

void Painter::FillPolygon(const std::vector<PointF>& pts, uint32_t color)
{
    if (pts.size() < 3) return;
    double x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0;
    for (const PointF& p : pts) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    // The rows and columns Cover would visit.
    const int ix0 = std::max(static_cast<int>(std::floor(std::max(x0, cx0_))) - 1, 0);
    const int iy0 = std::max(static_cast<int>(std::floor(std::max(y0, cy0_))) - 1, 0);
    const int ix1 = std::min(static_cast<int>(std::ceil(std::min(x1, cx1_))) + 1, img_.width);
    const int iy1 = std::min(static_cast<int>(std::ceil(std::min(y1, cy1_))) + 1, img_.height);
    for (int y = iy0; y < iy1; ++y) PolygonRow(pts, y, ix0, ix1, color);
}

// One row of a polygon, pixel for pixel as the distance rule of Cover gives it. Only pixels
// within half a pixel of an edge need their distance; the others are fully in or out, which
// the crossings of the row tell.
void Painter::PolygonRow(const std::vector<PointF>& pts, int y, int ix0, int ix1, uint32_t color)
{
    const double py = y + 0.5;
    auto signedDistance = [&pts, py](double px) {
        bool inside = false;
        double best = 1e300;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const PointF a = pts[j], b = pts[i];
            if ((b.y > py) != (a.y > py) && px < (a.x - b.x) * (py - b.y) / (a.y - b.y) + b.x) inside = !inside;
            best = std::min(best, SegmentDistance(px, py, a, b));
        }
        return inside ? -best : best;
    };

    std::vector<double> crossings;
    std::vector<std::pair<int, int>> near; // pixel columns [first, last] close to an edge
    constexpr double Reach = 0.5 + 1e-6;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        const PointF a = pts[j], b = pts[i];
        if ((b.y > py) != (a.y > py)) crossings.push_back((a.x - b.x) * (py - b.y) / (a.y - b.y) + b.x);
        if (py < std::min(a.y, b.y) - Reach || py > std::max(a.y, b.y) + Reach) continue;
        double lo = std::min(a.x, b.x) - Reach, hi = std::max(a.x, b.x) + Reach;
        const double dx = b.x - a.x, dy = b.y - a.y;
        if (std::abs(dy) > 1e-9) {
            // Within reach of the segment means within reach of its line.
            const double centre = a.x + (py - a.y) * dx / dy;
            const double spread = Reach * std::hypot(dx, dy) / std::abs(dy);
            lo = std::max(lo, centre - spread);
            hi = std::min(hi, centre + spread);
        }
        if (lo > hi) continue;
        near.push_back({static_cast<int>(std::floor(lo - 0.5)) - 1, static_cast<int>(std::ceil(hi - 0.5)) + 1});
    }
    std::sort(crossings.begin(), crossings.end());
    std::sort(near.begin(), near.end());

    size_t nextNear = 0, passed = 0;
    for (int x = ix0; x < ix1; ++x) {
        const double px = x + 0.5;
        while (nextNear < near.size() && near[nextNear].second < x) ++nextNear;
        bool close = false;
        for (size_t k = nextNear; k < near.size() && near[k].first <= x; ++k)
            if (near[k].second >= x) close = true;
        if (close) {
            const double cover = std::clamp(0.5 - signedDistance(px), 0.0, 1.0);
            if (cover > 0.0) Plot(x, y, color, cover);
            continue;
        }
        // Far from every edge: inside exactly when an odd number of crossings lie to the right.
        while (passed < crossings.size() && !(px < crossings[passed])) ++passed;
        if ((crossings.size() - passed) % 2 == 1) Plot(x, y, color, 1.0);
    }
}

void Painter::Line(double x0, double y0, double x1, double y1, double width, uint32_t color)
{
    const double r = width / 2;
    Cover(std::min(x0, x1) - r, std::min(y0, y1) - r, std::max(x0, x1) + r, std::max(y0, y1) + r, color,
          [=](double px, double py) { return SegmentDistance(px, py, {x0, y0}, {x1, y1}) - r; });
}

void Painter::Glow(double cx, double cy, double rx, double ry, uint32_t color)
{
    if (rx <= 0 || ry <= 0) return;
    const int ix0 = std::max(static_cast<int>(std::floor(std::max(cx - rx, cx0_))), 0);
    const int iy0 = std::max(static_cast<int>(std::floor(std::max(cy - ry, cy0_))), 0);
    const int ix1 = std::min(static_cast<int>(std::ceil(std::min(cx + rx, cx1_))), img_.width);
    const int iy1 = std::min(static_cast<int>(std::ceil(std::min(cy + ry, cy1_))), img_.height);
    for (int y = iy0; y < iy1; ++y) {
        // Only the columns near the ellipse's chord on this row can lie inside it.
        const double dy = (y + 0.5 - cy) / ry;
        const double room = 1.0 + 1e-9 - dy * dy;
        if (room < 0.0) continue;
        const double half = rx * std::sqrt(room);
        const int from = std::max(ix0, static_cast<int>(std::floor(cx - half - 0.5)) - 1);
        const int to = std::min(ix1, static_cast<int>(std::ceil(cx + half - 0.5)) + 2);
        // A plain square root: std::hypot guards against overflows that distances inside a
        // picture can't reach, at several times the cost, and a background glows on a million pixels.
        const double dy2 = dy * dy;
        for (int x = from; x < to; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double r = std::sqrt(dx * dx + dy2);
            if (r < 1.0) Plot(x, y, color, (1.0 - r) * (1.0 - r));
        }
    }
}

void Painter::Star(double cx, double cy, double outer, double inner, double turnDegrees, uint32_t color)
{
    std::vector<PointF> pts;
    for (int i = 0; i < 10; ++i) {
        const double angle = (turnDegrees - 90.0 + i * 36.0) * Pi / 180.0;
        const double r = i % 2 == 0 ? outer : inner;
        pts.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
    }
    FillPolygon(pts, color);
}
