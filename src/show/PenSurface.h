#pragma once
// The pen overlay's own picture: the frozen screen with every stroke drawn into it, so that
// strokes survive whatever repaints the window.
#include <windows.h>

#include "host/Handles.h"
#include "show/PenLogic.h"

class PenSurface {
public:
    // A surface of the window's client size, filled with `back`.
    PenSurface(int widthPixels, int heightPixels, COLORREF back);
    ~PenSurface();
    PenSurface(const PenSurface&) = delete;
    PenSurface& operator=(const PenSurface&) = delete;

    // Copies the picture so that its pixel (offsetX, offsetY) lands at the surface's (0, 0).
    void SetPicture(HBITMAP picture, int offsetX, int offsetY);

    // A segment in pixels of the surface; a zero-length one leaves a round dot of the width.
    // Returns the rectangle it touched.
    RECT Draw(POINT from, POINT to, COLORREF color, int width);

    // Paints the surface's (0, 0) at (x, y) of dc.
    void PaintTo(HDC dc, int x, int y) const;

    COLORREF PixelAt(int x, int y) const { return GetPixel(dc_.get(), x, y); }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_;
    int height_;
    UniqueMemDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ original_ = nullptr;
};
