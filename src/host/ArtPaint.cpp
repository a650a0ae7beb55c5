#include "host/ArtPaint.h"

#include <algorithm>
#include <memory>

#include "host/Artwork.h"
#include "host/Handles.h"

namespace {

// Draws a bitmap made by MakeBitmap of a picture of this size.
void DrawArtBitmap(HDC dc, HBITMAP bitmap, int artWidth, int artHeight, const RECT& where, bool stretch,
                   bool opaque)
{
    UniqueMemDc memory(CreateCompatibleDC(dc));
    Selected selected(memory.get(), bitmap);
    const int width = stretch ? where.right - where.left : artWidth;
    const int height = stretch ? where.bottom - where.top : artHeight;
    if (opaque && width == artWidth && height == artHeight) {
        BitBlt(dc, where.left, where.top, width, height, memory.get(), 0, 0, SRCCOPY);
        return;
    }
    // Premultiplied pixels: transparent parts leave what is below. GDI's own entry: the image
    // library's AlphaBlend only forwards to it, and would be one more library loaded at start-up.
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, where.left, where.top, width, height, memory.get(), 0, 0, artWidth, artHeight, blend);
}

} // namespace

void PaintArt(HDC dc, const PixelArt& art, const RECT& where, bool stretch)
{
    UniqueBitmap bitmap = MakeBitmap(art);
    if (bitmap) DrawArtBitmap(dc, bitmap.get(), art.width, art.height, where, stretch, false);
}

ScaledArt::Made ScaledArt::Make(Render render, int width, int height)
{
    Made made{render(width, height), UniqueBitmap(), false};
    made.bitmap = MakeBitmap(made.art);
    made.opaque = std::all_of(made.art.argb.begin(), made.art.argb.end(), [](uint32_t p) { return Alpha(p) == 0xFF; });
    return made;
}

void ScaledArt::Prepare(int width, int height)
{
    if (width <= 0 || height <= 0 || (made_.art.width == width && made_.art.height == height)) return;
    if (preparing_.valid() && preparingSize_.cx == width && preparingSize_.cy == height) return;
    preparingSize_ = SIZE{width, height};
    preparing_ = std::async(std::launch::async, &ScaledArt::Make, render_, width, height);
}

const PixelArt& ScaledArt::At(int width, int height)
{
    if (made_.art.width == width && made_.art.height == height) return made_.art;
    if (preparing_.valid()) {
        Made prepared = preparing_.get();
        if (preparingSize_.cx == width && preparingSize_.cy == height) {
            made_ = std::move(prepared);
            return made_.art;
        }
    }
    made_ = Make(render_, width, height);
    return made_.art;
}

void ScaledArt::Paint(HDC dc, const RECT& client)
{
    const PixelArt& art = At(client.right - client.left, client.bottom - client.top);
    if (made_.bitmap) DrawArtBitmap(dc, made_.bitmap.get(), art.width, art.height, client, false, made_.opaque);
}

std::function<void(HDC, const RECT&)> ArtPainter(std::shared_ptr<ScaledArt> art)
{
    return [art = std::move(art)](HDC dc, const RECT& client) { art->Paint(dc, client); };
}

std::function<void(HDC, const RECT&)> ArtPainter(ScaledArt::Render render)
{
    return ArtPainter(std::make_shared<ScaledArt>(render));
}
