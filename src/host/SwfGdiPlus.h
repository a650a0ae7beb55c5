#pragma once
// Draws flash movie frames with GDI+, anti-aliased, into a kept bitmap.
#include <windows.h>

#include "host/GdiCanvas.h"
#include "swf/Scene.h"

// Starts GDI+ on first use, once for the process; it is shut down when the process ends.
// False when GDI+ cannot start: drawing then leaves the bitmap black.
bool EnsureGdiPlus();

// A 32-bit bitmap of any size holding the last frame drawn: the whole stage shown with its
// aspect kept and centred, in the movie's background colour, and black around it.
class MovieCanvas {
public:
    MovieCanvas();

    // A new, black bitmap of this size (at least 1 x 1).
    void Resize(int width, int height);
    int Width() const { return surface_.Width(); }
    int Height() const { return surface_.Height(); }

    void Draw(const swf::Scene& frame);
    // All black: no movie, or one that could not be loaded.
    void Blank();

    HDC dc() const { return surface_.dc(); }
    void CopyTo(HDC target) const { surface_.CopyTo(target); }
    // RGB() of a pixel; black outside the bitmap.
    COLORREF PixelAt(int x, int y) const;

private:
    RetainedSurface surface_;
};
