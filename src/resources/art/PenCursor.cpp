#include "resources/art/Painter.h"
#include "resources/art/Pictures.h"

#include <cmath>

namespace {

// The pen lies along the diagonal from its tip at the hot spot to the lower right.
constexpr double TipX = 2.3, TipY = 3.3;
const double Along = std::sqrt(0.5);

PointF At(double t, double u)
{
    return {TipX + (t - u) * Along, TipY + (t + u) * Along};
}

// A stretch of the pen between t0 and t1, half as wide as w0 at t0 and w1 at t1.
void Segment(Painter& p, double t0, double w0, double t1, double w1, uint32_t color)
{
    p.FillPolygon({At(t0, -w0), At(t1, -w1), At(t1, w1), At(t0, w0)}, color);
}

PixelArt DrawPen()
{
    PixelArt art(32, 32);
    Painter p(art);
    constexpr uint32_t outline = ArtRgb(20, 20, 30);
    // A dark rim all round keeps the pen visible on light and dark slides alike.
    Segment(p, -0.9, 0.9, 8.0, 4.3, outline);
    Segment(p, 8.0, 4.3, 31.0, 4.3, outline);
    Segment(p, 0.3, 0.3, 3.0, 1.3, ArtRgb(60, 60, 70));       // graphite
    Segment(p, 3.0, 1.3, 7.6, 3.2, ArtRgb(240, 204, 150));     // sharpened wood
    Segment(p, 7.6, 3.2, 25.0, 3.2, ArtRgb(40, 84, 190));      // barrel
    Segment(p, 8.5, 1.6, 24.5, 0.4, ArtRgb(120, 166, 240));    // highlight along the barrel
    Segment(p, 25.0, 3.2, 29.8, 3.2, ArtRgb(224, 44, 40));     // cap
    return art;
}

} // namespace

const CursorArt& PenCursorArt()
{
    static const CursorArt cursor{DrawPen(), 2, 3};
    return cursor;
}
