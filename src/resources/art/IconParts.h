#pragma once
// Pieces that several picture sets share: one drawing, recoloured or combined.
#include "resources/art/PixelArt.h"

enum class DoorLook { Wooden, Steel };
PixelArt ExitDoor(DoorLook look);       // a door with an arrow leaving through it
PixelArt PlayTriangle(bool bright);     // bright green, or grey and outlined
PixelArt Pencil12();                    // 12x12, tip at the bottom left
PixelArt TextPage();                    // a written page, 12 wide at the left of 16x16
PixelArt SlideLandscape();              // a slide with title and bar chart, 16x16
