#include "resources/art/IconParts.h"
#include "resources/art/Palette.h"
#include "resources/art/Pictures.h"

namespace {

PixelArt Globe()
{
    return ParseGrid(
        {
            ".....kkkkkk.....",
            "...kkcbbeebkk...",
            "..kccbbeeeebbk..",
            ".kcceebbeeebbbk.",
            ".kceeeebbeebbbk.",
            "kceeeeebbbbbeebk",
            "kbeeeebbbbbeeebk",
            "kbbeeebbbbeeeebk",
            "kbbbeebbbbeeeebk",
            "kbbbbeebbbbeeebk",
            "kbbbbeeebbbbeeBk",
            ".kbbbbeebbbbbBk.",
            ".kbbbbebbbbbBBk.",
            "..kbbbbbbbbBBk..",
            "...kkbbbBBBkk...",
            ".....kkkkkk.....",
        },
        IconLegend());
}

// Two speech bubbles, one with a letter and one with lines of text.
PixelArt Languages()
{
    return ParseGrid(
        {
            "kkkkkkkkkk......",
            "kbbbwbbbbk......",
            "kbbwbwbbbk......",
            "kbwbbbwbbk......",
            "kbwwwwwbbk......",
            "kbwbbbwbbk......",
            "kbbbbbbkkkkkkkkk",
            "kkbkkkkkyyyyyyyk",
            "..kk...kyNNNNNyk",
            ".......kyyyyyyyk",
            ".......kyNNNNyyk",
            ".......kyyyyyyyk",
            ".......kkkkykkkk",
            "..........kyk...",
            "...........kk...",
            "................",
        },
        IconLegend());
}

PixelArt PowerPlug()
{
    return ParseGrid(
        {
            "....kk....kk....",
            "....kl....kl....",
            "....kl....kl....",
            "....kl....kl....",
            "..kkkkkkkkkkkk..",
            "..kggggggggggk..",
            "..kgGGGGyGGGdk..",
            "..kgGGGyyGGGdk..",
            "..kgGGyyyyGGdk..",
            "...kgGGyyGGdk...",
            "....kkGyGGkk....",
            "......kddk......",
            "......kddk......",
            ".......kddk.....",
            "........kddkk...",
            ".........kkkk...",
        },
        IconLegend());
}

PixelArt Book()
{
    return ParseGrid(
        {
            "................",
            "..kkkkkkkkkkk...",
            "..kBcbbbbbbbkk..",
            "..kBcbbbbbbbkpk.",
            "..kBcbyyyyybkpk.",
            "..kBcbyYYYybkpk.",
            "..kBcbyyyyybkpk.",
            "..kBcbbbbbbbkpk.",
            "..kBcbbbbbbbkpk.",
            "..kBcbbbbbbbkpk.",
            "..kBcbbbbbbbkpk.",
            "..kBcbbbbbbbkpk.",
            "..kBcbbbbbbbkpk.",
            "..kkkkkkkkkkkpk.",
            "...kpppppppppsk.",
            "....kkkkkkkkkk..",
        },
        IconLegend());
}

// A projection screen on a tripod: the presentation program itself.
PixelArt ProjectionScreen()
{
    return ParseGrid(
        {
            ".kkkkkkkkkkkkkk.",
            ".kGGGGGGGGGGGGk.",
            "..kwwwwwwwwwwk..",
            "..kwBBBBBBwwwk..",
            "..kwwwwwwwwwwk..",
            "..kwwwwwwwoowk..",
            "..kwwwwweeoowk..",
            "..kwwwbbeeoowk..",
            "..kwwwbbeeoowk..",
            "..kkkkkkkkkkkk..",
            ".......kk.......",
            "......kkkk......",
            ".....k.kk.k.....",
            "....k..kk..k....",
            "...k...kk...k...",
            "..k....kk....k..",
        },
        IconLegend());
}

} // namespace

const std::vector<PixelArt>& MainButtonPictures()
{
    static const std::vector<PixelArt> pictures = [] {
        std::vector<PixelArt> v;
        v.push_back(ExitDoor(DoorLook::Wooden));           // 1 exit
        v.push_back(PlayTriangle(false));                  // 2 start, nothing chosen yet
        v.push_back(Globe());                              // 3 web site or About box
        v.push_back(Languages());                          // 4 own language, flag unknown
        v.push_back(FlagPictures()[3]);                    // 5 switch to English
        v.push_back(PowerPlug());                          // 6 power settings
        v.push_back(Overlay(TextPage(), Pencil12(), 4, 4)); // 7 edit the texts
        v.push_back(Book());                               // 8 guide
        v.push_back(ExitDoor(DoorLook::Steel));            // 9 exit
        v.push_back(Overlay(SlideLandscape(), Pencil12(), 4, 4)); // 10 open for editing
        v.push_back(SlideLandscape());                     // 11 a slide
        v.push_back(PlayTriangle(true));                   // 12 start the show
        v.push_back(ProjectionScreen());                   // 13 the presentation program
        return v;
    }();
    return pictures;
}
