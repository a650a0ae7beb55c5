#pragma once
// Drawing the program's pixel art on a device context.
#include <windows.h>

#include <functional>

#include "resources/art/PixelArt.h"

// Draws the picture at the rectangle's top-left corner, stretched to the rectangle when asked;
// transparent pixels leave what is below.
void PaintArt(HDC dc, const PixelArt& art, const RECT& where, bool stretch);

// A painter for a scalable picture that renders it again only when the area changes size.
std::function<void(HDC, const RECT&)> ArtPainter(PixelArt (*render)(int width, int height));
