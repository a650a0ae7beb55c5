#include "host/Artwork.h"

#include "resources/art/PixelArt.h"

namespace {

UniqueBitmap NewDib(int width, int height, uint32_t*& bits)
{
    void* raw = nullptr;
    UniqueBitmap dib = MakeDibSection(width, height, raw);
    bits = static_cast<uint32_t*>(raw);
    return dib;
}

// Mask rows are padded to 16 bits.
int MaskStride(int width) { return (width + 15) / 16 * 2; }

// The colour and the AND mask of a picture as icons hold them, put at column left of bitmaps
// `stripWidth` pixels wide: the colour wherever the picture shows, and a mask bit set (the
// background shows through) where it is less than half opaque.
void PutIconBits(const PixelArt& art, int left, int stripWidth, uint32_t* color, std::vector<BYTE>& mask)
{
    const int stride = MaskStride(stripWidth);
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x) {
            const uint32_t p = art.at(x, y);
            const int column = left + x;
            color[static_cast<size_t>(y) * stripWidth + column] = Alpha(p) == 0 ? 0 : p;
            if (Alpha(p) < 128)
                mask[static_cast<size_t>(y) * stride + column / 8] |= static_cast<BYTE>(0x80 >> (column % 8));
        }
}

UniqueIcon MakeIconOrCursor(const PixelArt& art, bool icon, int hotX, int hotY)
{
    if (art.empty()) return UniqueIcon();
    uint32_t* bits = nullptr;
    UniqueBitmap color = NewDib(art.width, art.height, bits);
    if (!color) return UniqueIcon();
    std::vector<BYTE> maskBits(static_cast<size_t>(MaskStride(art.width)) * art.height, 0);
    PutIconBits(art, 0, art.width, bits, maskBits);
    GdiFlush();
    UniqueBitmap mask(CreateBitmap(art.width, art.height, 1, 1, maskBits.data()));
    if (!mask) return UniqueIcon();
    ICONINFO info{};
    info.fIcon = icon ? TRUE : FALSE;
    info.xHotspot = static_cast<DWORD>(hotX);
    info.yHotspot = static_cast<DWORD>(hotY);
    info.hbmColor = color.get();
    info.hbmMask = mask.get();
    // CreateIconIndirect copies both bitmaps; ours go when this returns.
    return UniqueIcon(CreateIconIndirect(&info));
}

} // namespace

UniqueIcon MakeIcon(const PixelArt& art) { return MakeIconOrCursor(art, true, 0, 0); }

UniqueCursor MakeCursor(const PixelArt& art, int hotX, int hotY)
{
    return UniqueCursor(MakeIconOrCursor(art, false, hotX, hotY).release());
}

UniqueBitmap MakeDibSection(int width, int height, void*& bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bits = nullptr;
    UniqueBitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) {
        bits = nullptr;
        return UniqueBitmap();
    }
    return dib;
}

UniqueBitmap MakeBitmap(const PixelArt& art)
{
    if (art.empty()) return UniqueBitmap();
    uint32_t* bits = nullptr;
    UniqueBitmap dib = NewDib(art.width, art.height, bits);
    if (!dib) return dib;
    for (size_t i = 0; i < art.argb.size(); ++i) {
        const uint32_t p = art.argb[i];
        const uint32_t a = static_cast<uint32_t>(Alpha(p));
        auto pre = [a](int c) { return (static_cast<uint32_t>(c) * a + 127) / 255; };
        bits[i] = a << 24 | pre(Red(p)) << 16 | pre(Green(p)) << 8 | pre(Blue(p));
    }
    GdiFlush();
    return dib;
}

UniqueBitmap MakeBitmap(const PixelArt& art, COLORREF background)
{
    if (art.empty()) return UniqueBitmap();
    PixelArt flat(art.width, art.height, ArtRgb(GetRValue(background), GetGValue(background), GetBValue(background)));
    return MakeBitmap(Overlay(std::move(flat), art));
}

UniqueImageList MakeImageList(const std::vector<PixelArt>& pictures, int width, int height)
{
    const int count = static_cast<int>(pictures.size());
    UniqueImageList list(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, count, 4));
    if (!list || count == 0 || width <= 0 || height <= 0) return list;
    // The images go in as one strip of icon bits: icon by icon, the list copies every icon first.
    // An empty picture keeps its place as a transparent image, so the numbers stay right.
    const int stripWidth = width * count;
    uint32_t* bits = nullptr;
    UniqueBitmap color = NewDib(stripWidth, height, bits);
    if (!color) return list;
    std::vector<BYTE> maskBits(static_cast<size_t>(MaskStride(stripWidth)) * height, 0);
    for (int i = 0; i < count; ++i) {
        const PixelArt& art = pictures[static_cast<size_t>(i)];
        const bool fits = art.width == width && art.height == height;
        PutIconBits(fits ? art : CenteredOn(art, width, height), i * width, stripWidth, bits, maskBits);
    }
    GdiFlush();
    UniqueBitmap mask(CreateBitmap(stripWidth, height, 1, 1, maskBits.data()));
    if (mask) ImageList_Add(list.get(), color.get(), mask.get());
    return list;
}
