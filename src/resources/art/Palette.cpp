#include "resources/art/Palette.h"

Legend IconLegend()
{
    return {
        {'.', Transparent},
        {'k', Rgb(36, 36, 52)},    // outline
        {'w', Rgb(255, 255, 255)},
        {'l', Rgb(226, 226, 226)}, // light grey
        {'g', Rgb(178, 178, 178)}, // grey
        {'G', Rgb(120, 120, 124)}, // dark grey
        {'d', Rgb(66, 66, 76)},    // darkest fill
        {'c', Rgb(150, 205, 255)}, // light blue
        {'b', Rgb(46, 112, 214)},  // blue
        {'B', Rgb(22, 54, 140)},   // dark blue
        {'r', Rgb(224, 44, 40)},   // red
        {'R', Rgb(140, 20, 20)},   // dark red
        {'y', Rgb(255, 214, 50)},  // yellow
        {'Y', Rgb(204, 150, 20)},  // gold
        {'o', Rgb(248, 146, 32)},  // orange
        {'n', Rgb(180, 114, 58)},  // brown
        {'N', Rgb(112, 64, 26)},   // dark brown
        {'f', Rgb(160, 232, 120)}, // light green
        {'e', Rgb(52, 172, 60)},   // green
        {'E', Rgb(22, 108, 30)},   // dark green
        {'p', Rgb(255, 253, 242)}, // paper
        {'s', Rgb(214, 208, 186)}, // paper shadow
        {'t', Rgb(242, 202, 150)}, // wood, skin
        {'m', Rgb(150, 70, 200)},  // purple
        {'M', Rgb(86, 30, 128)},   // dark purple
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
