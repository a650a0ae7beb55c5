#include "resources/art/Painter.h"
#include "resources/art/Palette.h"
#include "resources/art/Pictures.h"

namespace {

constexpr int ButtonW = 18, ButtonH = 16;

PixelArt Face(uint32_t top, uint32_t bottom, uint32_t rim)
{
    PixelArt art(ButtonW, ButtonH);
    Painter p(art);
    p.FillRoundRect(0, 0, ButtonW, ButtonH, 3.5, rim);
    p.GradientRoundRect(1, 1, ButtonW - 1, ButtonH - 1, 2.5, top, bottom);
    p.FillRoundRect(2, 1.5, ButtonW - 2, ButtonH / 2.0, 2, WithAlpha(ArtRgb(255, 255, 255), 48));
    return art;
}

constexpr uint32_t Glyph = ArtRgb(255, 255, 255);
constexpr uint32_t GlyphShadow = WithAlpha(ArtRgb(0, 0, 40), 110);

PixelArt Close()
{
    PixelArt art = Face(ArtRgb(236, 104, 80), ArtRgb(172, 36, 24), ArtRgb(110, 20, 16));
    Painter p(art);
    for (const auto& [d, c] : {std::pair{0.8, GlyphShadow}, std::pair{0.0, Glyph}}) {
        p.Line(5.5 + d, 4.5 + d, 12.5 + d, 11.5 + d, 1.9, c);
        p.Line(12.5 + d, 4.5 + d, 5.5 + d, 11.5 + d, 1.9, c);
    }
    return art;
}

PixelArt FillScreen()
{
    PixelArt art = Face(ArtRgb(110, 152, 226), ArtRgb(36, 70, 156), ArtRgb(16, 32, 96));
    Painter p(art);
    for (const auto& [d, c] : {std::pair{0.8, GlyphShadow}, std::pair{0.0, Glyph}}) {
        p.FillRect(5 + d, 4 + d, 13 + d, 6 + d, c);
        p.FillRect(5 + d, 4 + d, 6.2 + d, 12 + d, c);
        p.FillRect(11.8 + d, 4 + d, 13 + d, 12 + d, c);
        p.FillRect(5 + d, 10.8 + d, 13 + d, 12 + d, c);
    }
    return art;
}

PixelArt Minimise()
{
    PixelArt art = Face(ArtRgb(110, 152, 226), ArtRgb(36, 70, 156), ArtRgb(16, 32, 96));
    Painter p(art);
    p.FillRect(5.8, 10.8, 13.8, 12.8, GlyphShadow);
    p.FillRect(5, 10, 13, 12, Glyph);
    return art;
}

} // namespace

const std::vector<PixelArt>& TitleButtonPictures()
{
    static const std::vector<PixelArt> pictures{Close(), FillScreen(), Minimise()};
    return pictures;
}
