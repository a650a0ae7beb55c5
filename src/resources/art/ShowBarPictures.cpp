#include "resources/art/IconParts.h"
#include "resources/art/Palette.h"
#include "resources/art/Pictures.h"

namespace {

PixelArt SheetWithSpeaker()
{
    return ParseGrid(
        {
            ".kkkkkkkkkkkkkk.",
            ".kppppppppppppk.",
            ".kppppppppppppk.",
            ".kppppppkpppppk.",
            ".kpppppkdppbppk.",
            ".kppppkddpppbpk.",
            ".kpkkkdddpbppbk.",
            ".kpkdddddpbppbk.",
            ".kpkdddddpbppbk.",
            ".kpkkkdddpbppbk.",
            ".kppppkddpppbpk.",
            ".kpppppkdppbppk.",
            ".kppppppkpppppk.",
            ".kppppppppppppk.",
            ".kppppppppppppk.",
            ".kkkkkkkkkkkkkk.",
        },
        IconLegend());
}

// A shield with a star.
PixelArt Emblem()
{
    return ParseGrid(
        {
            "................",
            ".kkkkkkkkkkkkkk.",
            ".kcbbbbbbbbbbBk.",
            ".kcbbbbyybbbbBk.",
            ".kcbbbbyybbbbBk.",
            ".kcyyyyyyyyyyBk.",
            ".kcbyyyyyyyybBk.",
            ".kcbbyyyyyybbBk.",
            ".kcbbyyyyyybbBk.",
            ".kcbyybbbbyybBk.",
            "..kcybbbbbbyBk..",
            "..kcbbbbbbbbBk..",
            "...kcbbbbbbBk...",
            "....kcbbbbBk....",
            ".....kcbbBk.....",
            "......kkkk......",
        },
        IconLegend());
}

PixelArt Notebook()
{
    return ParseGrid(
        {
            "................",
            "..kkkkkkkkkk....",
            ".gkppppppppk....",
            "..kprGGGGGpk....",
            ".gkprppppppk....",
            "..kprGGGGGpk....",
            ".gkprppppppk....",
            "..kprGGGGGpk....",
            ".gkprppppppk....",
            "..kprGGGGGpk....",
            ".gkprppppppk....",
            "..kprGGGGGpk....",
            ".gkprppppppk....",
            "..kprppppppk....",
            "..kkkkkkkkkk....",
            "................",
        },
        IconLegendWith({{'g', ArtRgb(150, 150, 160)}, {'r', ArtRgb(240, 150, 150)}}));
}

PixelArt MagicWand()
{
    return ParseGrid(
        {
            "................",
            ".........y......",
            "......y.....kk..",
            ".....ywy...kwwk.",
            "......y...kwwk..",
            ".........kGdk...",
            "........kGdk...y",
            "...y...kGdk.....",
            "......kGdk...y..",
            ".....kGdk...ywy.",
            "....kGdk.....y..",
            "...kGdk.........",
            "..kGdk..........",
            ".kGdk...........",
            ".kdk............",
            "..k.............",
        },
        IconLegend());
}

PixelArt MarkerPen()
{
    return ParseGrid(
        {
            "................",
            "...........kk...",
            "..........krrk..",
            ".........krrRk..",
            "........krrRk...",
            ".......kwlgk....",
            "......kwlgk.....",
            ".....kwlgk......",
            "....kwlgk.......",
            "...kwlgk........",
            "..kGGdk.........",
            "..kGdk..........",
            "..krk...........",
            ".krk............",
            ".kr.............",
            ".rrrrrrrrrrrr...",
        },
        IconLegend());
}

} // namespace

const std::vector<PixelArt>& ShowBarPictures()
{
    static const std::vector<PixelArt> pictures = [] {
        std::vector<PixelArt> v;
        v.push_back(ExitDoor(DoorLook::Wooden));
        v.push_back(SheetWithSpeaker());
        v.push_back(Emblem());
        v.push_back(Overlay(Notebook(), Pencil12(), 4, 4));
        v.push_back(MagicWand());
        v.push_back(MarkerPen());
        v.push_back(ExitDoor(DoorLook::Steel));
        return v;
    }();
    return pictures;
}
