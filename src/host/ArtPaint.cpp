#include "host/ArtPaint.h"

#include <memory>

#include "host/Artwork.h"
#include "host/Handles.h"

void PaintArt(HDC dc, const PixelArt& art, const RECT& where, bool stretch)
{
    UniqueBitmap bitmap = MakeBitmap(art);
    if (!bitmap) return;
    UniqueMemDc memory(CreateCompatibleDC(dc));
    Selected selected(memory.get(), bitmap.get());
    const int width = stretch ? where.right - where.left : art.width;
    const int height = stretch ? where.bottom - where.top : art.height;
    // Premultiplied pixels: transparent parts leave what is below.
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, where.left, where.top, width, height, memory.get(), 0, 0, art.width, art.height, blend);
}

std::function<void(HDC, const RECT&)> ArtPainter(PixelArt (*render)(int width, int height))
{
    auto cache = std::make_shared<PixelArt>();
    return [render, cache](HDC dc, const RECT& client) {
        const int width = client.right - client.left;
        const int height = client.bottom - client.top;
        if (cache->width != width || cache->height != height) *cache = render(width, height);
        PaintArt(dc, *cache, client, false);
    };
}
