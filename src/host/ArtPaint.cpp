#include "host/ArtPaint.h"

#include <memory>

void PaintArt(HDC dc, const PixelArt& art, const RECT& where, bool stretch)
{
    if (art.empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = art.width;
    info.bmiHeader.biHeight = -art.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int width = stretch ? where.right - where.left : art.width;
    const int height = stretch ? where.bottom - where.top : art.height;

    bool opaque = true;
    for (uint32_t pixel : art.argb)
        if (Alpha(pixel) != 255) {
            opaque = false;
            break;
        }
    if (opaque) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, where.left, where.top, width, height, 0, 0, art.width, art.height, art.argb.data(), &info,
                      DIB_RGB_COLORS, SRCCOPY);
        return;
    }
    // Transparent pixels: compose with what is already there.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP back = CreateCompatibleBitmap(dc, art.width, art.height);
    HGDIOBJ old = SelectObject(memory, back);
    SetStretchBltMode(memory, COLORONCOLOR);
    StretchBlt(memory, 0, 0, art.width, art.height, dc, where.left, where.top, width, height, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO readInfo = info;
    std::vector<uint32_t> pixels(art.argb.size());
    GetDIBits(memory, back, 0, static_cast<UINT>(art.height), pixels.data(), &readInfo, DIB_RGB_COLORS);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t p = art.argb[i];
        const int a = Alpha(p);
        if (a == 255)
            pixels[i] = p;
        else if (a > 0) {
            const uint32_t d = pixels[i];
            auto mix = [a](int src, int dst) { return (src * a + dst * (255 - a)) / 255; };
            pixels[i] = static_cast<uint32_t>(mix(Red(p), Red(d)) << 16 | mix(Green(p), Green(d)) << 8 |
                                              mix(Blue(p), Blue(d)));
        }
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, where.left, where.top, width, height, 0, 0, art.width, art.height, pixels.data(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
    DeleteObject(back);
    DeleteDC(memory);
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
