#include "resources/art/IconParts.h"

#include "resources/art/Palette.h"

PixelArt ExitDoor(DoorLook look)
{
    const Legend legend = look == DoorLook::Wooden
                              ? IconLegend()
                              : IconLegendWith({{'n', ArtRgb(120, 150, 190)}, {'N', ArtRgb(60, 84, 130)},
                                                {'e', ArtRgb(232, 60, 48)}, {'y', ArtRgb(230, 230, 230)}});
    return ParseGrid(
        {
            "................",
            "kkkkkkkkk.......",
            "knnNddddk.......",
            "knnNddddk.k.....",
            "knnnNdddk.kk....",
            "knnnNdddk.kek...",
            "knnnNkkkkkkeek..",
            "knynNkeeeeeeeek.",
            "knynNkeeeeeeeek.",
            "knnnNkkkkkkeek..",
            "knnnNdddk.kek...",
            "knnNddddk.kk....",
            "knnNddddk.k.....",
            "knnNddddk.......",
            "knNdddddk.......",
            "kkkkkkkkk.......",
        },
        legend);
}

PixelArt PlayTriangle(bool bright)
{
    const Legend legend = bright ? IconLegend()
                                 : IconLegendWith({{'k', ArtRgb(104, 104, 112)}, {'f', ArtRgb(250, 250, 250)},
                                                   {'e', ArtRgb(226, 226, 226)}, {'E', ArtRgb(196, 196, 196)}});
    return ParseGrid(
        {
            "................",
            "...kk...........",
            "...kfkk.........",
            "...kfeekk.......",
            "...kffeeek......",
            "...kfeeeeekk....",
            "...kfeeeeeeek...",
            "...kfeeeeeeeekk.",
            "...kfeeeeeeeEkk.",
            "...kfeeeeeeEk...",
            "...kfeeeeEkk....",
            "...kfeeeEk......",
            "...kfeEkk.......",
            "...kfkk.........",
            "...kk...........",
            "................",
        },
        legend);
}

PixelArt Pencil12()
{
    return ParseGrid(
        {
            "..........kk",
            ".........krk",
            "........krRk",
            ".......klgk.",
            "......kygk..",
            ".....kyYk...",
            "....kyYk....",
            "...kyYk.....",
            "..ktYk......",
            ".ktnk.......",
            ".kdk........",
            ".k..........",
        },
        IconLegend());
}

PixelArt TextPage()
{
    return ParseGrid(
        {
            ".kkkkkkkk.......",
            ".kppppppkk......",
            ".kpGGGGpksk.....",
            ".kppppppkkkk....",
            ".kpGGGGGGGpk....",
            ".kpppppppppk....",
            ".kpGGGGGGGpk....",
            ".kpppppppppk....",
            ".kpGGGGGGGpk....",
            ".kpppppppppk....",
            ".kpGGGGGGGpk....",
            ".kpppppppppk....",
            ".kpGGGGGpppk....",
            ".kpppppppppk....",
            ".kpppppppppk....",
            ".kkkkkkkkkkk....",
        },
        IconLegend());
}

PixelArt SlideLandscape()
{
    return ParseGrid(
        {
            "................",
            "................",
            "kkkkkkkkkkkkkkkk",
            "kbbbbbbbbbbbbbbk",
            "kbwwwwwwwbbbbbbk",
            "kbbbbbbbbbbbbbbk",
            "kppppppppppppppk",
            "kpGpGGGpppppoopk",
            "kpppppppppppoopk",
            "kpGpGGGpppeeoopk",
            "kpppppppbbeeoopk",
            "kpGpGGGpbbeeoopk",
            "kpppppppbbeeoopk",
            "kkkkkkkkkkkkkkkk",
            "................",
            "................",
        },
        IconLegend());
}
