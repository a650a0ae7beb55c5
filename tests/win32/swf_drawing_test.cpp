#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdlib>

#include "SwfTestMovies.h"
#include "host/SwfGdiPlus.h"
#include "swf/Player.h"
#include "swf/ShowAll.h"

using namespace swftest;

namespace {

std::shared_ptr<const swf::Movie> Load(const Bytes& file)
{
    const swf::LoadResult r = swf::LoadMovie(file);
    EXPECT_EQ(r.error, swf::LoadError::None);
    return r.movie;
}

bool Near(COLORREF got, COLORREF want, int tolerance = 8)
{
    return std::abs(GetRValue(got) - GetRValue(want)) <= tolerance && std::abs(GetGValue(got) - GetGValue(want)) <= tolerance &&
           std::abs(GetBValue(got) - GetBValue(want)) <= tolerance;
}

::testing::AssertionResult ColourAt(const MovieCanvas& c, double x, double y, COLORREF want, int tolerance = 8)
{
    const int px = static_cast<int>(std::floor(x));
    const int py = static_cast<int>(std::floor(y));
    const COLORREF got = c.PixelAt(px, py);
    if (Near(got, want, tolerance)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << px << ", " << py << ") of " << c.Width() << " x " << c.Height()
                                         << " is RGB(" << int(GetRValue(got)) << ", " << int(GetGValue(got)) << ", "
                                         << int(GetBValue(got)) << ")";
}

} // namespace

TEST(SwfDrawing, RedSquareOnBlueAtEverySizeWithBlackBars)
{
    swf::Player player(Load(RedSquareOnBlue().Compressed()));
    const swf::Scene frame = player.BuildFrame();
    MovieCanvas canvas;
    // The player's four sizes on a 1280 x 1024 screen, a wide target and the movie's own size.
    const int sizes[][2] = {{640, 512}, {853, 683}, {1024, 819}, {1280, 1024}, {900, 300}, {400, 300}};
    for (const auto& size : sizes) {
        canvas.Resize(size[0], size[1]);
        canvas.Draw(frame);
        const swf::ShowAll map = swf::MapShowAll(frame.stage, size[0], size[1]);
        auto at = [&](double xTwips, double yTwips, COLORREF want) {
            const swf::PointF p = map.ToDevice({xTwips, yTwips});
            return ColourAt(canvas, p.x, p.y, want);
        };
        const double pixel = 1 / map.scale; // one pixel in twips
        EXPECT_TRUE(at(3000, 3000, RGB(255, 0, 0)));
        EXPECT_TRUE(at(2000 + 2 * pixel, 2000 + 2 * pixel, RGB(255, 0, 0)));
        EXPECT_TRUE(at(4000 - 2 * pixel, 4000 - 2 * pixel, RGB(255, 0, 0)));
        EXPECT_TRUE(at(2000 - 2 * pixel, 3000, RGB(0, 0, 255)));
        EXPECT_TRUE(at(4000 + 2 * pixel, 3000, RGB(0, 0, 255)));
        EXPECT_TRUE(at(1000, 1000, RGB(0, 0, 255)));
        EXPECT_TRUE(at(2 * pixel, 2 * pixel, RGB(0, 0, 255)));
        EXPECT_TRUE(at(8000 - 2 * pixel, 6000 - 2 * pixel, RGB(0, 0, 255)));
        // Bars where the target's shape differs from the stage's.
        if (map.stage.top >= 2) {
            EXPECT_TRUE(ColourAt(canvas, size[0] / 2.0, map.stage.top - 2, RGB(0, 0, 0)));
            EXPECT_TRUE(ColourAt(canvas, size[0] / 2.0, map.stage.bottom + 1, RGB(0, 0, 0)));
            EXPECT_TRUE(ColourAt(canvas, 0, 0, RGB(0, 0, 0)));
        }
        if (map.stage.left >= 2) {
            EXPECT_TRUE(ColourAt(canvas, map.stage.left - 2, size[1] / 2.0, RGB(0, 0, 0)));
            EXPECT_TRUE(ColourAt(canvas, map.stage.right + 1, size[1] / 2.0, RGB(0, 0, 0)));
        }
    }
    EXPECT_GT(swf::MapShowAll(frame.stage, 1280, 1024).stage.top, 20); // 5:4 against 4:3: bars above and below
    EXPECT_GT(swf::MapShowAll(frame.stage, 900, 300).stage.left, 20);
}

TEST(SwfDrawing, GradientEndsAndRadialCentreHaveTheirColours)
{
    swf::Player player(Load(Gradients().Plain()));
    MovieCanvas canvas;
    canvas.Resize(400, 300);
    canvas.Draw(player.BuildFrame());
    // Linear, red at the left end to blue at the right; halfway between in the middle.
    EXPECT_TRUE(ColourAt(canvas, 1, 75, RGB(255, 0, 0), 12));
    EXPECT_TRUE(ColourAt(canvas, 398, 75, RGB(0, 0, 255), 12));
    EXPECT_TRUE(ColourAt(canvas, 200, 75, RGB(128, 0, 127), 16));
    // Radial, 70 pixels in radius around (200, 225): white in the middle, black at the rim and
    // beyond it in the square's corners, grey halfway.
    EXPECT_TRUE(ColourAt(canvas, 200, 225, RGB(255, 255, 255), 16));
    EXPECT_TRUE(ColourAt(canvas, 235, 225, RGB(128, 128, 128), 24));
    EXPECT_TRUE(ColourAt(canvas, 200, 225 + 68, RGB(0, 0, 0), 16));
    EXPECT_TRUE(ColourAt(canvas, 133, 158, RGB(0, 0, 0), 4));
    EXPECT_TRUE(ColourAt(canvas, 120, 225, RGB(128, 128, 128), 4)); // the grey stage beside it
}

TEST(SwfDrawing, TwoFramesDifferAsTheSquareMoves)
{
    swf::Player player(Load(TwoFrames().Plain()));
    EXPECT_EQ(player.IntervalMs(), 250u);
    MovieCanvas canvas;
    canvas.Resize(400, 300);
    canvas.Draw(player.BuildFrame());
    EXPECT_TRUE(ColourAt(canvas, 100, 150, RGB(255, 0, 0)));
    EXPECT_TRUE(ColourAt(canvas, 300, 150, RGB(0, 0, 255)));
    player.Advance();
    canvas.Draw(player.BuildFrame());
    EXPECT_TRUE(ColourAt(canvas, 100, 150, RGB(0, 0, 255)));
    EXPECT_TRUE(ColourAt(canvas, 300, 150, RGB(255, 0, 0)));
    player.Advance(); // loops
    canvas.Draw(player.BuildFrame());
    EXPECT_TRUE(ColourAt(canvas, 100, 150, RGB(255, 0, 0)));
}

TEST(SwfDrawing, CurvedFiguresStrokesAndAlpha)
{
    swf::Player curved(Load(CurvedMovie().Plain()));
    MovieCanvas canvas;
    canvas.Resize(400, 300);
    canvas.Draw(curved.BuildFrame());
    EXPECT_TRUE(ColourAt(canvas, 200, 150, RGB(0, 255, 0)));
    EXPECT_TRUE(ColourAt(canvas, 299.5, 150, RGB(0, 0, 0), 40)); // the 2-pixel outline at (6000, 3000)
    EXPECT_TRUE(ColourAt(canvas, 305, 150, RGB(255, 255, 255)));
    // The curve bulges past the straight line between its ends: (270, 215) lies outside that line.
    EXPECT_TRUE(ColourAt(canvas, 270, 215, RGB(0, 255, 0)));
    EXPECT_TRUE(ColourAt(canvas, 290, 240, RGB(255, 255, 255)));

    // Half-transparent blue over the light grey stage.
    swf::Player sink(Load(KitchenSink().Plain()));
    canvas.Draw(sink.BuildFrame());
    // The framed square at (4000, 500) + (500, 500): 25 pixels in from its corner, outside its hole.
    EXPECT_TRUE(ColourAt(canvas, 200 + 10, 25 + 10, RGB(120, 120, 247), 12));
    // Its hole shows the stage.
    EXPECT_TRUE(ColourAt(canvas, 200 + 75, 25 + 75, RGB(240, 240, 240), 4));
}

TEST(SwfDrawing, MasksShowWhatTheyCoverOnly)
{
    swf::Player player(Load(MaskedMovie().Plain()));
    MovieCanvas canvas;
    canvas.Resize(400, 300);
    canvas.Draw(player.BuildFrame());
    EXPECT_TRUE(ColourAt(canvas, 200, 150, RGB(255, 0, 0)));   // red through the mask
    EXPECT_TRUE(ColourAt(canvas, 152, 102, RGB(255, 0, 0)));
    EXPECT_TRUE(ColourAt(canvas, 147, 150, RGB(0, 0, 255)));   // red rectangle outside the mask
    EXPECT_TRUE(ColourAt(canvas, 100, 100, RGB(0, 0, 255)));
    EXPECT_TRUE(ColourAt(canvas, 340, 270, RGB(0, 255, 0)));   // not masked
    EXPECT_TRUE(ColourAt(canvas, 310, 235, RGB(0, 255, 0)));
}

TEST(SwfDrawing, BlankAndResizeKeepNoHandles)
{
    swf::Player player(Load(KitchenSink().Plain()));
    MovieCanvas canvas;
    canvas.Resize(64, 48);
    canvas.Draw(player.BuildFrame());
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 200; ++i) {
        canvas.Resize(64 + i % 7, 48 + i % 5);
        canvas.Draw(player.BuildFrame());
        player.Advance();
    }
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
    canvas.Blank();
    EXPECT_EQ(canvas.PixelAt(10, 10), RGB(0, 0, 0));
    EXPECT_EQ(canvas.PixelAt(-1, 10), RGB(0, 0, 0));
}
