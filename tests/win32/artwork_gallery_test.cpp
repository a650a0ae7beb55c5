#include <gtest/gtest.h>

#include "WineTestSupport.h"
#include "host/ArtPaint.h"
#include "host/Artwork.h"
#include "host/Picture.h"
#include "resources/art/Pictures.h"

#include <atomic>
#include <string>
#include <vector>

namespace {

constexpr COLORREF Magenta = RGB(255, 0, 255);

// A top-down 32-bit surface to draw on and read back.
class Surface {
public:
    Surface(int width, int height, COLORREF fill) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* raw = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &raw, nullptr, 0));
        bits_ = static_cast<uint32_t*>(raw);
        old_ = SelectObject(dc_.get(), bitmap_.get());
        UniqueBrush brush(CreateSolidBrush(fill));
        RECT all{0, 0, width, height};
        FillRect(dc_.get(), &all, brush.get());
    }
    ~Surface() { SelectObject(dc_.get(), old_); }
    HDC dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const uint32_t p = bits_[static_cast<size_t>(y) * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Writes the surface as a 32-bit BMP file.
    bool Save(const std::wstring& path) const
    {
        GdiFlush();
        const DWORD pixels = static_cast<DWORD>(width_) * height_ * 4;
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, pixels, 0, 0, 0, 0};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof info;
        file.bfSize = file.bfOffBits + pixels;
        std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
        bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
        // Opaque throughout: GDI leaves the alpha bytes of filled areas at 0.
        std::vector<uint32_t> opaque(bits_, bits_ + static_cast<size_t>(width_) * height_);
        for (uint32_t& p : opaque) p |= 0xFF000000u;
        bytes.append(reinterpret_cast<const char*>(opaque.data()), pixels);
        return testsupport::WriteBytes(path, bytes);
    }

private:
    int width_, height_;
    UniqueMemDc dc_;
    UniqueBitmap bitmap_;
    uint32_t* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

bool Close(COLORREF c, uint32_t want, int tolerance = 12)
{
    return std::abs(GetRValue(c) - Red(want)) <= tolerance && std::abs(GetGValue(c) - Green(want)) <= tolerance &&
           std::abs(GetBValue(c) - Blue(want)) <= tolerance;
}

} // namespace

TEST(ArtworkHandles, IconsKeepColoursAndLetTheBackgroundThrough)
{
    const PixelArt& door = MainButtonPictures()[0];
    UniqueIcon icon = MakeIcon(door);
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    EXPECT_TRUE(info.fIcon);
    BITMAP bm{};
    ASSERT_TRUE(GetObjectW(mask.get(), sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, 16);

    Surface s(16, 16, Magenta);
    ASSERT_TRUE(DrawIconEx(s.dc(), 0, 0, icon.get(), 16, 16, 0, nullptr, DI_NORMAL));
    int seen = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const uint32_t p = door.at(x, y);
            if (Alpha(p) == 0) {
                EXPECT_EQ(s.At(x, y), Magenta) << x << "," << y;
            } else if (Alpha(p) == 255) {
                EXPECT_TRUE(Close(s.At(x, y), p)) << x << "," << y;
                ++seen;
            }
        }
    EXPECT_GT(seen, 60);

    EXPECT_FALSE(MakeIcon(PixelArt()));
    EXPECT_FALSE(MakeCursor(PixelArt(), 0, 0));
    EXPECT_FALSE(MakeBitmap(PixelArt()));
}

TEST(ArtworkHandles, PenCursorHasItsHotSpot)
{
    const CursorArt& pen = PenCursorArt();
    UniqueCursor cursor = MakeCursor(pen.art, pen.hotX, pen.hotY);
    ASSERT_TRUE(cursor);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor.get(), &info));
    UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 2u);
    EXPECT_EQ(info.yHotspot, 3u);
}

TEST(ArtworkHandles, BitmapsArePremultipliedOrFlattened)
{
    PixelArt art(2, 1);
    art.at(0, 0) = WithAlpha(ArtRgb(200, 100, 50), 128);
    art.at(1, 0) = ArtRgb(10, 20, 30);
    UniqueBitmap pre = MakeBitmap(art);
    ASSERT_TRUE(pre);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(pre.get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
    const auto* bits = static_cast<const uint32_t*>(dib.dsBm.bmBits);
    EXPECT_EQ(bits[0] >> 24, 128u);
    EXPECT_NEAR(static_cast<int>((bits[0] >> 16) & 0xFF), 100, 1);
    EXPECT_EQ(bits[1], ArtRgb(10, 20, 30));

    UniqueBitmap flat = MakeBitmap(art, RGB(0, 0, 250));
    ASSERT_EQ(GetObjectW(flat.get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
    bits = static_cast<const uint32_t*>(dib.dsBm.bmBits);
    EXPECT_NEAR(Red(bits[0]), 100, 2);
    EXPECT_NEAR(Blue(bits[0]), 150, 2);
    EXPECT_EQ(Alpha(bits[0]), 255);
}

TEST(ArtworkHandles, ImageListsKeepTheNumbering)
{
    UniqueImageList main = MakeImageList(MainButtonPictures(), 16, 16);
    ASSERT_TRUE(main);
    EXPECT_EQ(ImageList_GetImageCount(main.get()), 13);
    UniqueImageList small = MakeImageList(ListViewSmallIcons(), 16, 16);
    EXPECT_EQ(ImageList_GetImageCount(small.get()), 11);

    // A picture smaller than the list is centred in its cell.
    PixelArt dot(2, 2, ArtRgb(255, 0, 0));
    UniqueImageList list = MakeImageList({dot, PixelArt(4, 4, ArtRgb(0, 0, 255))}, 4, 4);
    ASSERT_EQ(ImageList_GetImageCount(list.get()), 2);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list.get(), &cx, &cy);
    EXPECT_EQ(cx, 4);
    Surface s(4, 4, Magenta);
    ASSERT_TRUE(ImageList_Draw(list.get(), 0, s.dc(), 0, 0, ILD_NORMAL));
    EXPECT_EQ(s.At(0, 0), Magenta);
    EXPECT_EQ(s.At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(s.At(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(s.At(3, 3), Magenta);
}

namespace {
std::atomic<int> Renders{0};
std::atomic<DWORD> RenderThread{0};
PixelArt CountedRender(int width, int height)
{
    ++Renders;
    RenderThread = GetCurrentThreadId();
    return PixelArt(width, height, ArtRgb(width, height, 7));
}
} // namespace

// A picture prepared ahead is the one painted, rendered once on another thread; a paint at
// another size renders anew.
TEST(ArtworkHandles, ScaledArtPaintsThePreparedPictureWhereTheSizeFits)
{
    ScaledArt art(&CountedRender);
    Renders = 0;
    art.Prepare(40, 30);
    Surface s(40, 30, Magenta);
    art.Paint(s.dc(), RECT{0, 0, 40, 30});
    EXPECT_EQ(s.At(39, 29), RGB(40, 30, 7));
    EXPECT_EQ(Renders, 1);
    EXPECT_NE(RenderThread, GetCurrentThreadId());
    art.Prepare(40, 30);
    art.Paint(s.dc(), RECT{0, 0, 40, 30});
    EXPECT_EQ(Renders, 1) << "the size it has is not rendered again";

    art.Prepare(20, 10);
    const PixelArt& other = art.At(30, 20);
    EXPECT_EQ(other.width, 30);
    EXPECT_EQ(other.at(0, 0), ArtRgb(30, 20, 7));
    EXPECT_EQ(Renders, 3);
    EXPECT_EQ(RenderThread, GetCurrentThreadId());
}

namespace {
// Opaque on the left half, half transparent on the right.
PixelArt HalfClearRender(int width, int height)
{
    PixelArt art(width, height, ArtRgb(0, 128, 0));
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x) art.at(x, y) = WithAlpha(ArtRgb(0, 0, 255), 128);
    return art;
}
} // namespace

// A picture kept for its next paints still lets what is below show through where it is clear,
// and sits at the client's origin.
TEST(ArtworkHandles, ScaledArtKeptBetweenPaintsBlendsItsClearParts)
{
    ScaledArt art(&HalfClearRender);
    for (int paint = 0; paint < 2; ++paint) {
        Surface s(40, 20, Magenta);
        art.Paint(s.dc(), RECT{0, 0, 40, 20});
        EXPECT_EQ(s.At(5, 5), RGB(0, 128, 0)) << "paint " << paint;
        const COLORREF blended = s.At(35, 5);
        EXPECT_GT(GetRValue(blended), 100) << "paint " << paint;
        EXPECT_GT(GetBValue(blended), 200) << "paint " << paint;
    }
    ScaledArt opaque(&CountedRender);
    Surface s(60, 40, Magenta);
    opaque.Paint(s.dc(), RECT{10, 10, 40, 30});
    EXPECT_EQ(s.At(9, 9), Magenta);
    EXPECT_EQ(s.At(10, 10), RGB(30, 20, 7));
    EXPECT_EQ(s.At(39, 29), RGB(30, 20, 7));
    EXPECT_EQ(s.At(40, 30), Magenta);
}

// Icons made ahead on another thread draw as icons made when first drawn; a picture that goes
// before its icon is taken waits for the thread, and what can't be prepared is left as it is.
TEST(ArtworkHandles, PreparedPictureIconsDrawAsIconsMadeWhenDrawn)
{
    const PixelArt art = HalfClearRender(24, 16);
    const Picture prepared = Picture::FromPixels(art.width, art.height, art.argb);
    const Picture drawn = Picture::FromPixels(art.width, art.height, art.argb);
    const Picture empty;
    Picture::PrepareIcons({&prepared, &prepared, nullptr, &empty});
    {
        const Picture gone = Picture::FromPixels(art.width, art.height, art.argb);
        Picture::PrepareIcons({&gone});
    }
    EXPECT_TRUE(prepared);
    EXPECT_FALSE(empty);

    PixelBlock fromPrepared(art.width, art.height), fromDrawn(art.width, art.height);
    prepared.Render(RGB(10, 20, 30), fromPrepared);
    drawn.Render(RGB(10, 20, 30), fromDrawn);
    EXPECT_NE(prepared.Icon(), nullptr);
    EXPECT_EQ(fromPrepared.At(2, 2), RGB(0, 128, 0));
    EXPECT_EQ(fromPrepared.Bytes(), fromDrawn.Bytes());

    // An icon already made is not made again.
    const HICON icon = prepared.Icon();
    Picture::PrepareIcons({&prepared});
    EXPECT_EQ(prepared.Icon(), icon);
}

// Every picture, the small ones enlarged four times, on one sheet saved for review.
TEST(ArtworkGallery, SavesEveryPictureEnlarged)
{
    constexpr int Zoom = 4, Gap = 8;
    constexpr COLORREF Face = RGB(236, 233, 216);
    Surface sheet(1240, 1310, Face);
    int y = Gap;
    auto iconRow = [&](const std::vector<PixelArt>& set) {
        int x = Gap, tallest = 0;
        for (const PixelArt& art : set) {
            UniqueIcon icon = MakeIcon(art);
            if (icon) DrawIconEx(sheet.dc(), x, y, icon.get(), art.width * Zoom, art.height * Zoom, 0, nullptr, DI_NORMAL);
            x += art.width * Zoom + Gap;
            tallest = std::max(tallest, art.height * Zoom);
        }
        const int top = y;
        y += tallest + Gap;
        return top;
    };
    const int mainTop = iconRow(MainButtonPictures());
    const int flagTop = iconRow(FlagPictures());
    iconRow(ShowBarPictures());
    iconRow(NotesEditorPictures());
    iconRow(VideoPlayerPictures());
    iconRow(TitleButtonPictures());
    const std::vector<PixelArt> lists{ListViewSmallIcons()[ListSmallPresentation - 1],
                                      ListViewSmallIcons()[ListSmallSlideShow - 1],
                                      ListViewLargeIcons()[ListLargePresentation - 1], AppIcon(), PenCursorArt().art,
                                      PenBackPicture()};
    iconRow(lists);

    auto scene = [&](const PixelArt& art, int x) {
        UniqueBitmap bitmap = MakeBitmap(art, Face);
        UniqueMemDc from(CreateCompatibleDC(sheet.dc()));
        Selected keep(from.get(), bitmap.get());
        BitBlt(sheet.dc(), x, y, art.width, art.height, from.get(), 0, 0, SRCCOPY);
        return art.height;
    };
    y += scene(RenderTitle(1200, 32), Gap);
    y += scene(RenderBanner(1200, 64), Gap) + Gap;
    const int h = scene(RenderBackground(560, 300), Gap);
    scene(AboutArtwork(200, 150), 560 + 2 * Gap);
    scene(AboutPhoto(120, 150), 760 + 3 * Gap);
    scene(AboutArtwork(300, 225), 880 + 4 * Gap);
    y += h + Gap;

    // What was drawn is what the pictures hold: Italy's thirds, and the door's clear corner.
    const int italy = Gap + 4 * (16 * Zoom + Gap);
    EXPECT_TRUE(Close(sheet.At(italy + 2 * Zoom + 1, flagTop + 8 * Zoom + 1), ArtRgb(0, 146, 70), 30));
    EXPECT_TRUE(Close(sheet.At(italy + 8 * Zoom + 1, flagTop + 8 * Zoom + 1), ArtRgb(255, 255, 255), 30));
    EXPECT_TRUE(Close(sheet.At(italy + 13 * Zoom + 1, flagTop + 8 * Zoom + 1), ArtRgb(206, 43, 55), 30));
    EXPECT_EQ(sheet.At(Gap + 15 * Zoom + 1, mainTop + 1), Face);

    const std::wstring folder = testsupport::BuildFolder() + L"\\screenshots";
    ASSERT_FALSE(testsupport::BuildFolder().empty()) << "VISTORA_BUILD is not set";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\artwork-gallery.bmp";
    ASSERT_TRUE(sheet.Save(path));
    EXPECT_GT(testsupport::ReadBytes(path).size(), 1240u * 1310u * 4u);
}
