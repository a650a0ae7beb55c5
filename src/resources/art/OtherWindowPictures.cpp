#include "resources/art/IconParts.h"
#include "resources/art/Palette.h"
#include "resources/art/Pictures.h"

namespace {

PixelArt Letters()
{
    return ParseGrid(
        {
            "................",
            "................",
            "................",
            "...BB....BBBBB..",
            "..BBBB...BB..BB.",
            ".BB..BB..BB..BB.",
            ".BB..BB..BB.BB..",
            ".BBBBBB..BBBB...",
            ".BBBBBB..BB.BB..",
            ".BB..BB..BB..BB.",
            ".BB..BB..BB..BB.",
            ".BB..BB..BB..BB.",
            ".BB..BB..BBBBB..",
            "................",
            ".rrrrrrrrrrrrrr.",
            "................",
        },
        IconLegend());
}

PixelArt FloppyDisk()
{
    return ParseGrid(
        {
            ".kkkkkkkkkkkkkk.",
            ".kbklllllGGlkbk.",
            ".kbklllllGGlkbk.",
            ".kbklllllGGlkbk.",
            ".kbkkkkkkkkkkbk.",
            ".kbbbbbbbbbbbbk.",
            ".kbbbbbbbbbbbbk.",
            ".kbkkkkkkkkkkbk.",
            ".kbkwwwwwwwwkbk.",
            ".kbkwGGGGGGwkbk.",
            ".kbkwwwwwwwwkbk.",
            ".kbkwGGGGGwwkbk.",
            ".kbkwwwwwwwwkbk.",
            ".kbkwwwwwwwwkbk.",
            ".kBBBBBBBBBBBBk.",
            ".kkkkkkkkkkkkkk.",
        },
        IconLegend());
}

PixelArt Stop()
{
    return ParseGrid(
        {
            "................",
            "................",
            "..kkkkkkkkkkkk..",
            "..korrrrrrrrRk..",
            "..korrrrrrrrRk..",
            "..krrrrrrrrrRk..",
            "..krrrrrrrrrRk..",
            "..krrrrrrrrrRk..",
            "..krrrrrrrrrRk..",
            "..krrrrrrrrrRk..",
            "..krrrrrrrrrRk..",
            "..krrrrrrrrrRk..",
            "..kRRRRRRRRRRk..",
            "..kkkkkkkkkkkk..",
            "................",
            "................",
        },
        IconLegend());
}

// A magnifying glass with a minus sign, or a plus sign when zooming in.
PixelArt Magnifier(bool plus)
{
    const PixelArt lens = ParseGrid(
        {
            "...kkkkk........",
            ".kkwcccckk......",
            ".kwccccccck.....",
            "kwcccccccck.....",
            "kccccccccck.....",
            "kccBBBBBcck.....",
            "kccccccccck.....",
            "kccccccccck.....",
            ".kcccccccck.....",
            ".kkcccckkkdk....",
            "...kkkkk.kddk...",
            "..........kddk..",
            "...........kddk.",
            "............kddk",
            ".............kdk",
            "..............k.",
        },
        IconLegend());
    return plus ? Overlay(lens, ParseGrid({"B", "B", "B", "B", "B"}, IconLegend()), 5, 3) : lens;
}

// Arrows out to the four corners around a small screen.
PixelArt FullWindow()
{
    return ParseGrid(
        {
            "BBBBB......BBBBB",
            "BBBB........BBBB",
            "BBB..........BBB",
            "BB.B........B.BB",
            "B...B......B...B",
            ".....B....B.....",
            "......kkkk......",
            "......kcck......",
            "......kcck......",
            "......kkkk......",
            ".....B....B.....",
            "B...B......B...B",
            "BB.B........B.BB",
            "BBB..........BBB",
            "BBBB........BBBB",
            "BBBBB......BBBBB",
        },
        IconLegend());
}

PixelArt Speaker()
{
    return ParseGrid(
        {
            "................",
            "........k.......",
            ".......kk....b..",
            "......kGk..b..b.",
            ".....kGGk...b..b",
            "kkkkkGGGk.b..b.b",
            "kgGGGGGGk.b..b.b",
            "kgGGGGGGk.b..b.b",
            "kgGGGGGGk.b..b.b",
            "kgGGGGGGk.b..b.b",
            "kkkkkGGGk.b..b.b",
            ".....kGGk...b..b",
            "......kGk..b..b.",
            ".......kk....b..",
            "........k.......",
            "................",
        },
        IconLegend());
}

// A green arrow that points left and turns back on itself.
PixelArt TurningArrow()
{
    return ParseGrid(
        {
            ".....k..........",
            "....kfk.........",
            "...kfek.........",
            "..kfeekkkkkkk...",
            ".kfeeefffffffk..",
            "kfeeeeeeeeeeefk.",
            ".kEeeeEEEEEEeefk",
            "..kEeekkkkkkeeek",
            "...kEek....keeek",
            "....kEk....keeek",
            ".....kkkkkkkeeek",
            ".....kffffffeeEk",
            ".....keeeeeeeEk.",
            ".....kEEEEEEEk..",
            "......kkkkkkk...",
            "................",
        },
        IconLegend());
}

} // namespace

const PixelArt& PenBackPicture()
{
    static const PixelArt picture = TurningArrow();
    return picture;
}

const std::vector<PixelArt>& NotesEditorPictures()
{
    static const std::vector<PixelArt> pictures{ExitDoor(DoorLook::Wooden), Letters(), FloppyDisk(),
                                                ExitDoor(DoorLook::Steel)};
    return pictures;
}

const std::vector<PixelArt>& PickerPictures()
{
    static const std::vector<PixelArt> pictures{ExitDoor(DoorLook::Wooden), PlayTriangle(true)};
    return pictures;
}

const std::vector<PixelArt>& VideoPlayerPictures()
{
    static const std::vector<PixelArt> pictures{ExitDoor(DoorLook::Wooden), Stop(),     PlayTriangle(true),
                                                Magnifier(true),            Magnifier(false),  FullWindow(),
                                                Speaker(),                  ExitDoor(DoorLook::Steel)};
    return pictures;
}
