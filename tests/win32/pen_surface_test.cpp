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
