#include <gtest/gtest.h>

#include <windows.h>

#include "show/PenCursor.h"
#include "show/PenSurface.h"

namespace {

constexpr COLORREF PenRed = RGB(255, 0, 0);
constexpr COLORREF Back = RGB(0, 0, 192);

// Rows of column x that carry the colour.
int RowsOf(const PenSurface& surface, int x, int fromY, int toY, COLORREF colour)
{
    int count = 0;
    for (int y = fromY; y <= toY; ++y) count += surface.PixelAt(x, y) == colour;
    return count;
}

} // namespace

TEST(PenOverlaySurface, StrokesHaveThePenWidthAndDotsAreRound)
{
    PenSurface surface(200, 100, Back);
    surface.Draw({20, 50}, {180, 50}, PenRed, 3);
    EXPECT_EQ(RowsOf(surface, 100, 40, 60, PenRed), 3);
    EXPECT_EQ(surface.PixelAt(100, 50), PenRed);

    surface.Draw({20, 80}, {180, 80}, RGB(0, 0, 0), 2);
    EXPECT_EQ(RowsOf(surface, 100, 70, 90, RGB(0, 0, 0)), 2);

    // A press without a move leaves a dot of the width.
    surface.Draw({50, 20}, {50, 20}, PenRed, 3);
    EXPECT_EQ(surface.PixelAt(50, 20), PenRed);
    EXPECT_EQ(RowsOf(surface, 50, 10, 30, PenRed), 3);
    EXPECT_EQ(surface.PixelAt(55, 20), Back);
    surface.Draw({150, 20}, {150, 20}, PenRed, 4);
    EXPECT_EQ(RowsOf(surface, 149, 10, 30, PenRed), 4);
    EXPECT_EQ(surface.PixelAt(148, 18), Back); // corners stay out of a round dot
}

TEST(PenOverlaySurface, PictureIsShiftedAndPaintedBack)
{
    // A picture with one marked pixel at (10, 10), shifted by (2, 2) onto the surface.
    HDC screen = GetDC(nullptr);
    UniqueBitmap picture(CreateCompatibleBitmap(screen, 50, 50));
    UniqueMemDc dc(CreateCompatibleDC(screen));
    ReleaseDC(nullptr, screen);
    {
        Selected in(dc.get(), picture.get());
        RECT all{0, 0, 50, 50};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetPixelV(dc.get(), 10, 10, RGB(0, 255, 0));
    }
    PenSurface surface(40, 40, Back);
    surface.SetPicture(picture.get(), 2, 2);
    EXPECT_EQ(surface.PixelAt(8, 8), RGB(0, 255, 0));
    EXPECT_EQ(surface.PixelAt(9, 9), RGB(255, 255, 255));

    WindowDc screenDc(nullptr);
    UniqueBitmap target(CreateCompatibleBitmap(screenDc.get(), 60, 60));
    Selected in(dc.get(), target.get());
    surface.PaintTo(dc.get(), 5, 5);
    EXPECT_EQ(GetPixel(dc.get(), 13, 13), RGB(0, 255, 0));
}

TEST(PenOverlayCursor, ThirtyTwoSquareWithHotSpotAtTheTip)
{
    UniqueCursor cursor = CreatePenCursor();
    ASSERT_TRUE(cursor);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor.get(), &info));
    UniqueBitmap mask(info.hbmMask);
    UniqueBitmap colour(info.hbmColor);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 2u);
    EXPECT_EQ(info.yHotspot, 3u);
    BITMAP bm{};
    ASSERT_TRUE(GetObjectW(colour.get(), sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, 32);
    EXPECT_EQ(bm.bmHeight, 32);
}
