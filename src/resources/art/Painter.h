#pragma once
// Anti-aliased drawing onto a PixelArt, for pictures that must render at any size.
// Coordinates are in pixels as floating point; pixel (x, y) covers [x, x+1) x [y, y+1).
#include "resources/art/PixelArt.h"

#include <initializer_list>
#include <vector>

struct PointF {
    double x;
    double y;
};

class Painter {
public:
    explicit Painter(PixelArt& target);

    // Drawing outside the clip rectangle is dropped; the default clip is the whole picture.
    void Clip(double x0, double y0, double x1, double y1);
    void NoClip();

    void Fill(uint32_t color);
    void FillRect(double x0, double y0, double x1, double y1, uint32_t color);
    void VerticalGradient(double x0, double y0, double x1, double y1, uint32_t top, uint32_t bottom);
    void HorizontalGradient(double x0, double y0, double x1, double y1, uint32_t left, uint32_t right);
    void FillEllipse(double cx, double cy, double rx, double ry, uint32_t color);
    void FillRoundRect(double x0, double y0, double x1, double y1, double radius, uint32_t color);
    void GradientRoundRect(double x0, double y0, double x1, double y1, double radius, uint32_t top,
                           uint32_t bottom);
    void FillPolygon(std::initializer_list<PointF> points, uint32_t color);
    void FillPolygon(const std::vector<PointF>& points, uint32_t color);
    void Line(double x0, double y0, double x1, double y1, double width, uint32_t color);
    // A soft light: full colour at the centre fading to nothing at the radii.
    void Glow(double cx, double cy, double rx, double ry, uint32_t color);
    // Five-pointed star with its top point up.
    void Star(double cx, double cy, double outer, double inner, double turnDegrees, uint32_t color);

    int Width() const { return img_.width; }
    int Height() const { return img_.height; }

private:
    template <typename Distance>
    void Cover(double x0, double y0, double x1, double y1, uint32_t color, Distance distance);
    void Gradient(double x0, double y0, double x1, double y1, uint32_t from, uint32_t to, bool vertical);
    void Plot(int x, int y, uint32_t color, double coverage);
    void PolygonRow(const std::vector<PointF>& pts, int y, int ix0, int ix1, uint32_t color);

    PixelArt& img_;
    double cx0_, cy0_, cx1_, cy1_;
    // Pixels in [fx0_, fx1_) x [fy0_, fy1_) lie wholly inside the clip.
    int fx0_, fy0_, fx1_, fy1_;
    // The last blend, which large even areas repeat pixel after pixel.
    uint32_t lastUnder_ = 0, lastOver_ = 0, lastResult_ = 0;
    double lastCoverage_ = -1.0;
};

// A picture of any size drawn by draw(painter, width, height); an empty size draws nothing.
template <typename Draw>
PixelArt Drawn(int width, int height, Draw draw)
{
    PixelArt art(width, height);
    if (!art.empty()) {
        Painter p(art);
        draw(p, static_cast<double>(art.width), static_cast<double>(art.height));
    }
    return art;
}
