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

UniqueIcon MakeIconOrCursor(const PixelArt& art, bool icon, int hotX, int hotY)
{
    if (art.empty()) return UniqueIcon();
    uint32_t* bits = nullptr;
    UniqueBitmap color = NewDib(art.width, art.height, bits);
    if (!color) return UniqueIcon();
    // Mask rows are padded to 16 bits; a set bit lets the background through.
    const int stride = (art.width + 15) / 16 * 2;
    std::vector<BYTE> maskBits(static_cast<size_t>(stride) * art.height, 0);
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x) {
            const uint32_t p = art.at(x, y);
            bits[static_cast<size_t>(y) * art.width + x] = Alpha(p) == 0 ? 0 : p;
            if (Alpha(p) < 128) maskBits[static_cast<size_t>(y) * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
        }
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
    UniqueImageList list(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, static_cast<int>(pictures.size()), 4));
    if (!list) return list;
    for (const PixelArt& art : pictures) {
        const bool fits = art.width == width && art.height == height;
        UniqueIcon icon = MakeIcon(fits ? art : CenteredOn(art, width, height));
        // An image that cannot be made still takes its place, so the numbers stay right.
        if (!icon || ImageList_AddIcon(list.get(), icon.get()) < 0)
            ImageList_AddIcon(list.get(), MakeIcon(PixelArt(width, height)).get());
    }
    return list;
}
