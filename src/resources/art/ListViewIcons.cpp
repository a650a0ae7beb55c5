#include "resources/art/IconParts.h"
#include "resources/art/Painter.h"
#include "resources/art/Palette.h"
#include "resources/art/Pictures.h"

namespace {

PixelArt PresentationDocument16()
{
    return ParseGrid(
        {
            "..kkkkkkkkk.....",
            "..kpppppppkk....",
            "..kpppppppksk...",
            "..kpppppppkkkk..",
            "..kooooooooook..",
            "..kooooooooook..",
            "..kppppppppppk..",
            "..kpGGGGGppppk..",
            "..kppppppppppk..",
            "..kpppppppoopk..",
            "..kpppppeeoopk..",
            "..kpppbbeeoopk..",
            "..kpppbbeeoopk..",
            "..kpGGGGGGGGpk..",
            "..kppppppppppk..",
            "..kkkkkkkkkkkk..",
        },
        IconLegend());
}

PixelArt PlayBadge()
{
    return ParseGrid(
        {
            "..kkkk..",
            ".keeeek.",
            "kewweeek",
            "kewwwwek",
            "kewwwwek",
            "kewweeek",
            ".keeeek.",
            "..kkkk..",
        },
        IconLegend());
}

// A presentation document: a page with a folded corner, a title band and a chart.
PixelArt PresentationDocument32()
{
    PixelArt art(32, 32);
    Painter p(art);
    constexpr uint32_t rim = ArtRgb(60, 60, 80);
    p.FillPolygon({{6.5, 2.5}, {21, 2.5}, {27.5, 9}, {27.5, 30.5}, {6.5, 30.5}}, WithAlpha(ArtRgb(0, 0, 0), 60));
    p.FillPolygon({{5, 1}, {20, 1}, {26, 7}, {26, 29}, {5, 29}}, rim);
    p.FillPolygon({{6, 2}, {19.6, 2}, {25, 7.4}, {25, 28}, {6, 28}}, ArtRgb(255, 253, 242));
    p.FillPolygon({{19.5, 1.5}, {19.5, 7.5}, {25.5, 7.5}}, ArtRgb(214, 208, 186));
    p.Line(19.5, 1.5, 19.5, 7.5, 1, rim);
    p.Line(19.5, 7.5, 25.5, 7.5, 1, rim);
    p.VerticalGradient(6, 9, 25, 13, Scheme::Amber, ArtRgb(226, 120, 20));
    p.FillRect(8, 15, 16, 16, ArtRgb(130, 130, 140));
    p.FillRect(8, 18, 14, 19, ArtRgb(130, 130, 140));
    p.FillRect(8, 21, 15, 22, ArtRgb(130, 130, 140));
    p.FillRect(17, 21, 19, 26, ArtRgb(46, 112, 214));
    p.FillRect(19.5, 18, 21.5, 26, ArtRgb(52, 172, 60));
    p.FillRect(22, 15, 24, 26, Scheme::Amber);
    p.FillRect(8, 26, 24, 27, rim);
    return art;
}

} // namespace

const std::vector<PixelArt>& ListViewSmallIcons()
{
    static const std::vector<PixelArt> icons = [] {
        std::vector<PixelArt> v(ListSmallSlideShow, PixelArt(16, 16));
        v[ListSmallPresentation - 1] = PresentationDocument16();
        v[ListSmallSlideShow - 1] = Overlay(SlideLandscape(), PlayBadge(), 8, 8);
        return v;
    }();
    return icons;
}

const std::vector<PixelArt>& ListViewLargeIcons()
{
    static const std::vector<PixelArt> icons = [] {
        std::vector<PixelArt> v(ListLargePresentation, PixelArt(32, 32));
        v[ListLargePresentation - 1] = PresentationDocument32();
        return v;
    }();
    return icons;
}
