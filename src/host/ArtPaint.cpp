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
    // Premultiplied pixels: transparent parts leave what is below.
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, where.left, where.top, width, height, memory.get(), 0, 0, artWidth, artHeight, blend);
}

} // namespace

void PaintArt(HDC dc, const PixelArt& art, const RECT& where, bool stretch)
{
    UniqueBitmap bitmap = MakeBitmap(art);
    if (bitmap) DrawArtBitmap(dc, bitmap.get(), art.width, art.height, where, stretch, false);
}

void ScaledArt::Prepare(int width, int height)
{
    if (width <= 0 || height <= 0 || (cache_.width == width && cache_.height == height)) return;
    if (preparing_.valid() && preparingSize_.cx == width && preparingSize_.cy == height) return;
    preparingSize_ = SIZE{width, height};
    preparing_ = std::async(std::launch::async, render_, width, height);
}

const PixelArt& ScaledArt::At(int width, int height)
{
    if (cache_.width == width && cache_.height == height) return cache_;
    bitmap_.reset();
    if (preparing_.valid()) {
        PixelArt prepared = preparing_.get();
        if (preparingSize_.cx == width && preparingSize_.cy == height) {
            cache_ = std::move(prepared);
            return cache_;
        }
    }
    cache_ = render_(width, height);
    return cache_;
}

void ScaledArt::Paint(HDC dc, const RECT& client)
{
    const PixelArt& art = At(client.right - client.left, client.bottom - client.top);
    if (!bitmap_) {
        bitmap_ = MakeBitmap(art);
        opaque_ = std::all_of(art.argb.begin(), art.argb.end(), [](uint32_t p) { return Alpha(p) == 0xFF; });
    }
    if (bitmap_) DrawArtBitmap(dc, bitmap_.get(), art.width, art.height, client, false, opaque_);
}

std::function<void(HDC, const RECT&)> ArtPainter(std::shared_ptr<ScaledArt> art)
{
    return [art = std::move(art)](HDC dc, const RECT& client) { art->Paint(dc, client); };
}

std::function<void(HDC, const RECT&)> ArtPainter(ScaledArt::Render render)
{
    return ArtPainter(std::make_shared<ScaledArt>(render));
}
