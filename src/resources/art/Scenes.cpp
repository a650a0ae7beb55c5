#include "resources/art/Painter.h"
#include "resources/art/Palette.h"
#include "resources/art/Pictures.h"

#include <algorithm>
#include <cmath>

namespace
{

// The product's mark: a projection screen on a tripod showing a play triangle, drawn in a
// square of `size` pixels at (x, y).
void DrawMark(Painter& p, double x, double y, double size)
{
    const double s = size / 32.0;
    auto X = [=](double v) { return x + v * s; };
    auto Y = [=](double v) { return y + v * s; };
    constexpr uint32_t rim = ArtRgb(16, 32, 96);
    const double leg = std::max(1.0, 2.0 * s);
    p.Line(X(16), Y(20), X(7.5), Y(30.5), leg, rim);
    p.Line(X(16), Y(20), X(24.5), Y(30.5), leg, rim);
    p.Line(X(16), Y(20), X(16), Y(30.5), leg, rim);
    p.FillRoundRect(X(2.5), Y(4), X(29.5), Y(22.5), 2 * s, rim);
    p.GradientRoundRect(X(4), Y(5.5), X(28), Y(21), 1.2 * s, ArtRgb(255, 255, 255), ArtRgb(206, 220, 244));
    p.FillRoundRect(X(1), Y(1.5), X(31), Y(5.5), 2 * s, ArtRgb(70, 76, 96));
    p.FillRect(X(3), Y(2.4), X(29), Y(3.4), WithAlpha(ArtRgb(255, 255, 255), 90));
    p.FillPolygon({{X(12.5), Y(8)}, {X(12.5), Y(19)}, {X(22), Y(13.5)}}, ArtRgb(226, 120, 20));
    p.FillPolygon({{X(13.3), Y(9.4)}, {X(13.3), Y(17.6)}, {X(20.4), Y(13.5)}}, Scheme::Amber);
}

PixelArt MarkPicture(int size)
{
    return Drawn(size, size, [](Painter& p, double w, double) { DrawMark(p, 0, 0, w); });
}

} // namespace

const PixelArt& AppIcon()
{
    static const PixelArt icon = MarkPicture(32);
    return icon;
}

const PixelArt& AppIconSmall()
{
    static const PixelArt icon = MarkPicture(16);
    return icon;
}

int TitleTextLeft(int height)
{
    return static_cast<int>(std::lround(height * 1.05)) + 4;
}

PixelArt RenderTitle(int width, int height)
{
    return Drawn(width, height, [](Painter& p, double w, double h) {
        p.VerticalGradient(0, 0, w, h, ArtRgb(12, 27, 82), ArtRgb(34, 68, 154));
        p.FillRect(0, 0, w, h * 0.45, WithAlpha(ArtRgb(255, 255, 255), 26));
        p.Glow(w * 0.78, 0, w * 0.35, h * 1.3, WithAlpha(ArtRgb(140, 180, 255), 70));
        if (h >= 6)
            p.FillRect(0, h - 2, w, h, Scheme::Amber);
        const double mark = std::min(h * 0.8, w);
        DrawMark(p, h * 0.15, (h - mark) / 2 - (h >= 6 ? 1 : 0), mark);
    });
}

PixelArt RenderBanner(int width, int height)
{
    return Drawn(width, height, [](Painter& p, double w, double h) {
        p.VerticalGradient(0, 0, w, h, ArtRgb(46, 86, 174), ArtRgb(20, 46, 120));
        // Stage lights from above, with faint beams fanning down.
        for (const double at : {0.12, 0.5, 0.88}) {
            p.FillPolygon(
                {{w * at - h * 0.15, 0}, {w * at + h * 0.15, 0}, {w * at + h * 0.9, h}, {w * at - h * 0.9, h}},
                WithAlpha(ArtRgb(255, 244, 214), 18));
            p.Glow(w * at, 0, h * 2.2, h * 1.1, WithAlpha(ArtRgb(255, 236, 190), 90));
        }
        p.FillRect(0, 0, w, 1, WithAlpha(ArtRgb(255, 255, 255), 60));
        if (h >= 4)
            p.FillRect(0, h - 1, w, h, ArtRgb(12, 26, 74));
    });
}

PixelArt RenderBackground(int width, int height)
{
    return Drawn(width, height, [](Painter& p, double w, double h) {
        p.VerticalGradient(0, 0, w, h, ArtRgb(248, 245, 235), ArtRgb(222, 229, 242));
        p.Glow(w * 0.82, h * 0.1, w * 0.5, h * 0.7, WithAlpha(ArtRgb(255, 255, 255), 170));
        p.Glow(w * 0.05, h * 0.95, w * 0.45, h * 0.55, WithAlpha(Scheme::SkyBlue, 40));
        // A soft sweep across the lower half, like light on a stage floor.
        p.FillPolygon({{0, h * 0.72}, {w * 0.45, h * 0.6}, {w, h * 0.78}, {w, h}, {0, h}},
                      WithAlpha(ArtRgb(255, 255, 255), 40));
        p.FillPolygon({{0, h * 0.86}, {w * 0.55, h * 0.74}, {w, h * 0.9}, {w, h}, {0, h}},
                      WithAlpha(Scheme::SkyBlue, 22));
    });
}
