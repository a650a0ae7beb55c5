#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "SwfTestKit.h"
#include "swf/ShapeAssembly.h"

using namespace swftest;
using swfkit::Closed;
using swfkit::Load;
using swfkit::ShapeOf;
using swfkit::SignedArea2;

namespace {
swf::Edge Straight(int x0, int y0, int x1, int y1) { return {{x0, y0}, {x1, y1}, {x1, y1}, false}; }

std::size_t SegmentCount(const std::vector<swf::TwipsPath>& paths)
{
    std::size_t n = 0;
    for (const auto& p : paths) n += p.segments.size();
    return n;
}
} // namespace

TEST(SwfShapeAssembly, TwoSquaresSharingAnEdgeMakeTwoClosedClockwiseFigures)
{
    const auto m = Load(KitchenSink().Plain());
    const swf::Shape& s = ShapeOf(*m, 1);
    ASSERT_EQ(s.layers.size(), 1u);
    const auto& fills = s.layers[0].fills;
    ASSERT_EQ(fills.size(), 2u);
    for (const swf::FilledRegion& region : fills) {
        ASSERT_EQ(region.contours.size(), 1u) << region.fill;
        const swf::TwipsPath& c = region.contours[0];
        EXPECT_TRUE(Closed(c));
        EXPECT_EQ(c.segments.size(), 4u);
        // Both run clockwise around their own square, whichever side of the edges it lay on.
        EXPECT_DOUBLE_EQ(SignedArea2(c), 2.0 * 1000 * 1000);
    }
    EXPECT_EQ(s.fills[fills[0].fill].color, (swf::Rgba{255, 0, 0, 255}));
    EXPECT_EQ(s.fills[fills[1].fill].color, (swf::Rgba{0, 255, 0, 255}));
    // The shared edge bounds both: downwards for red, upwards for green.
    auto uses = [](const swf::TwipsPath& c, swf::TwipsPoint from, swf::TwipsPoint to) {
        swf::TwipsPoint at = c.start;
        for (const auto& seg : c.segments) {
            if (at == from && seg.to == to) return true;
            at = seg.to;
        }
        return false;
    };
    EXPECT_TRUE(uses(fills[0].contours[0], {1000, 0}, {1000, 1000}));
    EXPECT_TRUE(uses(fills[1].contours[0], {1000, 1000}, {1000, 0}));
}

TEST(SwfShapeAssembly, AHoleRunsTheOtherWayAndStrokesFollowTheLineStyle)
{
    const auto m = Load(KitchenSink().Plain());
    const swf::Shape& s = ShapeOf(*m, 2);
    ASSERT_EQ(s.layers.size(), 1u);
    ASSERT_EQ(s.layers[0].fills.size(), 1u);
    const auto& contours = s.layers[0].fills[0].contours;
    ASSERT_EQ(contours.size(), 2u);
    std::vector<double> areas{SignedArea2(contours[0]), SignedArea2(contours[1])};
    std::sort(areas.begin(), areas.end());
    EXPECT_DOUBLE_EQ(areas[0], -2.0 * 1000 * 1000);
    EXPECT_DOUBLE_EQ(areas[1], 2.0 * 3000 * 3000);
    EXPECT_TRUE(Closed(contours[0]) && Closed(contours[1]));

    const auto& strokes = s.layers[0].strokes;
    ASSERT_EQ(strokes.size(), 2u); // outer and inner outline: the move between them lifts the pen
    EXPECT_EQ(strokes[0].path.start, (swf::TwipsPoint{0, 0}));
    EXPECT_EQ(strokes[0].path.segments.size(), 4u);
    EXPECT_EQ(strokes[1].path.start, (swf::TwipsPoint{1000, 1000}));
    EXPECT_EQ(strokes[1].path.segments.size(), 4u);
}

TEST(SwfShapeAssembly, CurvesStayQuadraticWithTheirControlPoints)
{
    const auto m = Load(CurvedMovie().Plain());
    const swf::Shape& s = ShapeOf(*m, 1);
    const auto& fill = s.layers.at(0).fills.at(0);
    ASSERT_EQ(fill.contours.size(), 1u);
    const swf::TwipsPath& c = fill.contours[0];
    EXPECT_EQ(c.start, (swf::TwipsPoint{6000, 3000}));
    ASSERT_EQ(c.segments.size(), 4u);
    for (const auto& seg : c.segments) EXPECT_TRUE(seg.curved);
    EXPECT_EQ(c.segments[0].control, (swf::TwipsPoint{6000, 5000}));
    EXPECT_EQ(c.segments[0].to, (swf::TwipsPoint{4000, 5000}));
    EXPECT_TRUE(Closed(c));
    ASSERT_EQ(s.layers[0].strokes.size(), 1u);
    EXPECT_EQ(s.layers[0].strokes[0].path, c); // the outline follows the same edges
}

TEST(SwfShapeAssembly, ChainingFindsEveryFigureWhateverTheEdgeOrder)
{
    // Two separate triangles and two squares touching at a corner, edges shuffled.
    std::vector<swf::Edge> edges{
        Straight(0, 0, 100, 0),       Straight(100, 0, 0, 100),     Straight(0, 100, 0, 0),
        Straight(500, 0, 600, 0),     Straight(600, 0, 500, 100),   Straight(500, 100, 500, 0),
        Straight(200, 200, 300, 200), Straight(300, 200, 300, 300), Straight(300, 300, 200, 300), Straight(200, 300, 200, 200),
        Straight(300, 300, 400, 300), Straight(400, 300, 400, 400), Straight(400, 400, 300, 400), Straight(300, 400, 300, 300),
    };
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(edges.begin(), edges.end(), random);
        const auto contours = swf::ChainContours(edges);
        EXPECT_EQ(SegmentCount(contours), edges.size());
        double total = 0;
        for (const auto& c : contours) {
            EXPECT_TRUE(Closed(c));
            total += SignedArea2(c);
        }
        EXPECT_DOUBLE_EQ(total, 2.0 * (5000 + 5000 + 10000 + 10000));
        EXPECT_LE(contours.size(), 4u);
        EXPECT_GE(contours.size(), 3u); // the corner may join the squares into one figure
    }
}

TEST(SwfShapeAssembly, BrokenOutlinesUseEveryEdgeOnceAndEqualFillsBoundNothing)
{
    // A square with a gap: the chain runs to the gap and stops.
    const auto open = swf::ChainContours({Straight(0, 0, 10, 0), Straight(10, 0, 10, 10), Straight(0, 10, 0, 0)});
    EXPECT_EQ(SegmentCount(open), 3u);
    for (const auto& c : open) EXPECT_FALSE(Closed(c));

    swf::LayerBuilder layer;
    layer.AddEdge(Straight(0, 0, 10, 0), 2, 2, swf::LayerBuilder::None);
    layer.AddEdge(Straight(10, 0, 10, 10), swf::LayerBuilder::None, swf::LayerBuilder::None, 0);
    const swf::ShapeLayer l = layer.Finish();
    EXPECT_TRUE(l.fills.empty());
    ASSERT_EQ(l.strokes.size(), 1u);
    EXPECT_EQ(l.strokes[0].path.start, (swf::TwipsPoint{10, 0}));
}
