#include "resources/art/Painter.h"
#include "resources/art/Palette.h"
#include "resources/art/Pictures.h"

#include <algorithm>
#include <cmath>

namespace
{

// Maps the design grid onto the requested size.
struct Scale {
    double sx, sy;
    double X(double v) const { return v * sx; }
    double Y(double v) const { return v * sy; }
    double R(double v) const { return v * std::min(sx, sy); }
};

// A slide as it appears on a projection screen: title band, bullet lines and a bar chart.
void DrawSlide(Painter& p, double x0, double y0, double x1, double y1)
{
    const double w = x1 - x0, h = y1 - y0;
    p.VerticalGradient(x0, y0, x1, y1, ArtRgb(255, 255, 255), ArtRgb(226, 234, 248));
    p.VerticalGradient(x0, y0, x1, y0 + h * 0.2, Scheme::DeepBlue, ArtRgb(50, 90, 186));
    p.FillRect(x0 + w * 0.06, y0 + h * 0.07, x0 + w * 0.55, y0 + h * 0.13, WithAlpha(ArtRgb(255, 255, 255), 220));
    for (int i = 0; i < 3; ++i) {
        const double ly = y0 + h * (0.32 + i * 0.16);
        p.FillEllipse(x0 + w * 0.08, ly + h * 0.03, w * 0.018, h * 0.03, Scheme::Amber);
        p.FillRect(x0 + w * 0.12, ly, x0 + w * (0.44 - i * 0.06), ly + h * 0.06, ArtRgb(120, 128, 150));
    }
    const uint32_t bars[] = {ArtRgb(46, 112, 214), ArtRgb(52, 172, 60), Scheme::Amber, ArtRgb(224, 70, 50)};
    const double heights[] = {0.3, 0.45, 0.62, 0.52};
    for (int i = 0; i < 4; ++i) {
        const double bx = x0 + w * (0.55 + i * 0.1);
        p.FillRect(bx, y1 - h * 0.1 - h * heights[i], bx + w * 0.07, y1 - h * 0.1, bars[i]);
    }
    p.FillRect(x0 + w * 0.52, y1 - h * 0.1, x0 + w * 0.95, y1 - h * 0.1 + std::max(1.0, h * 0.015), ArtRgb(60, 60, 80));
}

void DrawCurtain(Painter& p, double x0, double x1, double y1, const Scale& s)
{
    const int folds = 4;
    const double fw = (x1 - x0) / folds;
    for (int i = 0; i < folds; ++i) {
        const double fx = x0 + i * fw;
        p.HorizontalGradient(fx, 0, fx + fw / 2, y1, ArtRgb(110, 10, 20), ArtRgb(196, 34, 44));
        p.HorizontalGradient(fx + fw / 2, 0, fx + fw, y1, ArtRgb(196, 34, 44), ArtRgb(110, 10, 20));
    }
    p.FillRect(x0, y1 - s.Y(3), x1, y1, ArtRgb(90, 8, 16));
}

} // namespace

PixelArt AboutArtwork(int width, int height)
{
    return Drawn(width, height, [](Painter& p, double w, double h) {
        const Scale s{w / 200.0, h / 150.0};

        // Hall, stage floor and the light from above, on an opaque ground so that no edge
        // between them is left see-through at small sizes.
        p.Fill(ArtRgb(58, 34, 16));
        p.VerticalGradient(0, 0, w, s.Y(116), ArtRgb(14, 22, 62), ArtRgb(40, 52, 104));
        p.VerticalGradient(0, s.Y(112), w, h, ArtRgb(132, 82, 40), ArtRgb(58, 34, 16));
        p.FillRect(0, s.Y(112), w, s.Y(113.5), ArtRgb(200, 150, 90));
        p.Glow(s.X(100), 0, s.X(120), s.Y(100), WithAlpha(ArtRgb(255, 240, 200), 80));

        // The screen, lit by the projector's beam.
        p.FillRect(s.X(48), s.Y(16), s.X(152), s.Y(20), ArtRgb(60, 62, 76));
        p.FillRect(s.X(52), s.Y(19), s.X(148), s.Y(88), ArtRgb(200, 204, 214));
        DrawSlide(p, s.X(55), s.Y(22), s.X(145), s.Y(85));
        p.FillPolygon({{s.X(96), s.Y(131)}, {s.X(104), s.Y(131)}, {s.X(145), s.Y(85)}, {s.X(55), s.Y(85)}},
                      WithAlpha(ArtRgb(255, 250, 220), 46));

        // Curtains and their valance.
        DrawCurtain(p, 0, s.X(34), s.Y(114), s);
        DrawCurtain(p, s.X(166), w, s.Y(114), s);
        p.VerticalGradient(0, 0, w, s.Y(10), ArtRgb(150, 20, 30), ArtRgb(100, 8, 18));
        for (int i = 0; i < 10; ++i)
            p.FillEllipse(s.X(10 + i * 20), s.Y(10), s.X(10), s.Y(4), ArtRgb(100, 8, 18));
        p.FillRect(0, s.Y(2), w, s.Y(3), WithAlpha(Scheme::Amber, 200));

        // Projector on its table, and the audience in front.
        p.FillRoundRect(s.X(90), s.Y(128), s.X(110), s.Y(136), s.R(2), ArtRgb(70, 74, 90));
        p.FillEllipse(s.X(100), s.Y(130), s.R(2.6), s.R(2.6), ArtRgb(255, 248, 210));
        p.Glow(s.X(100), s.Y(130), s.R(10), s.R(10), WithAlpha(ArtRgb(255, 248, 210), 160));
        constexpr uint32_t audience = ArtRgb(8, 12, 30);
        const double heads[][2] = {{14, 138},  {34, 141},  {54, 137},  {74, 142},
                                   {126, 142}, {146, 137}, {166, 141}, {186, 138}};
        for (const auto& head : heads) {
            p.FillEllipse(s.X(head[0]), s.Y(head[1]), s.X(7), s.Y(8), audience);
            p.FillEllipse(s.X(head[0]), s.Y(head[1] + 14), s.X(13), s.Y(9), audience);
        }
    });
}

PixelArt AboutPhoto(int width, int height)
{
    PixelArt art = Drawn(width, height, [](Painter& p, double w, double h) {
        const Scale s{w / 120.0, h / 150.0};

        // The room: warm wall, darker floor, the projection behind the speaker.
        p.VerticalGradient(0, 0, w, s.Y(110), ArtRgb(150, 136, 116), ArtRgb(110, 96, 80));
        p.VerticalGradient(0, s.Y(110), w, h, ArtRgb(84, 70, 58), ArtRgb(52, 42, 34));
        p.Glow(s.X(34), s.Y(44), s.X(60), s.Y(60), WithAlpha(ArtRgb(255, 250, 235), 120));
        p.FillRect(s.X(6), s.Y(16), s.X(64), s.Y(72), ArtRgb(70, 66, 62));
        DrawSlide(p, s.X(8), s.Y(18), s.X(62), s.Y(70));

        // The presenter, pointing at the slide.
        constexpr uint32_t suit = ArtRgb(30, 34, 52), skin = ArtRgb(226, 178, 136), hair = ArtRgb(58, 40, 28);
        p.FillPolygon({{s.X(66), s.Y(70)},
                       {s.X(98), s.Y(70)},
                       {s.X(104), s.Y(124)},
                       {s.X(99), s.Y(150)},
                       {s.X(67), s.Y(150)},
                       {s.X(61), s.Y(124)}},
                      suit);
        p.FillPolygon({{s.X(77), s.Y(70)}, {s.X(87), s.Y(70)}, {s.X(82), s.Y(86)}}, ArtRgb(240, 240, 236));
        p.FillPolygon(
            {{s.X(81), s.Y(72)}, {s.X(83), s.Y(72)}, {s.X(84), s.Y(84)}, {s.X(82), s.Y(87)}, {s.X(80), s.Y(84)}},
            ArtRgb(170, 30, 40));
        p.FillRect(s.X(78.5), s.Y(60), s.X(85.5), s.Y(71), skin);
        p.Line(s.X(69), s.Y(76), s.X(46), s.Y(56), s.R(8), suit);
        p.FillEllipse(s.X(44), s.Y(54.5), s.R(3.4), s.R(3.2), skin);
        p.Line(s.X(43), s.Y(53.5), s.X(38), s.Y(49), s.R(1.8), skin);
        p.FillEllipse(s.X(82), s.Y(50), s.X(9), s.Y(11.5), skin);
        p.FillEllipse(s.X(83), s.Y(43), s.X(9.6), s.Y(6.5), hair);
        p.FillEllipse(s.X(74.5), s.Y(50), s.X(1.6), s.Y(3), skin);
        // Rim light from the screen along the presenter's left side.
        p.Line(s.X(66), s.Y(72), s.X(61.5), s.Y(122), s.R(1.2), WithAlpha(ArtRgb(255, 240, 210), 120));
    });
    if (art.empty())
        return art;

    // A photograph's look: warm tone, darker corners and a white border.
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x) {
            const double dx = (x + 0.5) / width - 0.5, dy = (y + 0.5) / height - 0.5;
            const double dark = std::clamp((dx * dx + dy * dy) * 1.5, 0.0, 0.45);
            const uint32_t warm = Mix(art.at(x, y), ArtRgb(255, 214, 160), 0.08);
            art.at(x, y) = Mix(warm, ArtRgb(20, 12, 6), dark);
        }
    Painter p(art);
    const double w = width, h = height;
    const double border = std::max(1.0, std::min(w / 120.0, h / 150.0) * 4);
    p.FillRect(0, 0, w, border, ArtRgb(250, 248, 240));
    p.FillRect(0, h - border, w, h, ArtRgb(250, 248, 240));
    p.FillRect(0, 0, border, h, ArtRgb(250, 248, 240));
    p.FillRect(w - border, 0, w, h, ArtRgb(250, 248, 240));
    return art;
}
