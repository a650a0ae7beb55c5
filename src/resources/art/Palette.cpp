#include "resources/art/Palette.h"

Legend IconLegend()
{
    return {
        {'.', Transparent},
        {'k', ArtRgb(36, 36, 52)},    // outline
        {'w', ArtRgb(255, 255, 255)},
        {'l', ArtRgb(226, 226, 226)}, // light grey
        {'g', ArtRgb(178, 178, 178)}, // grey
        {'G', ArtRgb(120, 120, 124)}, // dark grey
        {'d', ArtRgb(66, 66, 76)},    // darkest fill
        {'c', ArtRgb(150, 205, 255)}, // light blue
        {'b', ArtRgb(46, 112, 214)},  // blue
        {'B', ArtRgb(22, 54, 140)},   // dark blue
        {'r', ArtRgb(224, 44, 40)},   // red
        {'R', ArtRgb(140, 20, 20)},   // dark red
        {'y', ArtRgb(255, 214, 50)},  // yellow
        {'Y', ArtRgb(204, 150, 20)},  // gold
        {'o', ArtRgb(248, 146, 32)},  // orange
        {'n', ArtRgb(180, 114, 58)},  // brown
        {'N', ArtRgb(112, 64, 26)},   // dark brown
        {'f', ArtRgb(160, 232, 120)}, // light green
        {'e', ArtRgb(52, 172, 60)},   // green
        {'E', ArtRgb(22, 108, 30)},   // dark green
        {'p', ArtRgb(255, 253, 242)}, // paper
        {'s', ArtRgb(214, 208, 186)}, // paper shadow
        {'t', ArtRgb(242, 202, 150)}, // wood, skin
        {'m', ArtRgb(150, 70, 200)},  // purple
        {'M', ArtRgb(86, 30, 128)},   // dark purple
    };
}

Legend IconLegendWith(const Legend& changes)
{
    Legend legend = IconLegend();
    for (const auto& [ch, color] : changes)
        for (auto& entry : legend)
            if (entry.first == ch) entry.second = color;
    return legend;
}
