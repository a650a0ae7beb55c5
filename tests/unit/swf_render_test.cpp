#include <gtest/gtest.h>

#include "SwfTestKit.h"
#include "swf/Render.h"
#include "swf/ShowAll.h"

using namespace swftest;
using swfkit::Load;
using swfkit::RecordingPort;

TEST(SwfShowAll, WholeStageVisibleAspectKeptAndCentred)
{
    const swf::TwipsRect stage{0, 8000, 0, 6000}; // 4:3
    const swf::ShowAll same = swf::MapShowAll(stage, 800, 600);
    EXPECT_DOUBLE_EQ(same.scale, 0.1);
    EXPECT_EQ(same.stage, (swf::RectF{0, 0, 800, 600}));

    const swf::ShowAll wide = swf::MapShowAll(stage, 800, 300); // bars left and right
    EXPECT_DOUBLE_EQ(wide.scale, 0.05);
    EXPECT_EQ(wide.stage, (swf::RectF{200, 0, 600, 300}));
    EXPECT_EQ(wide.ToDevice({8000, 6000}), (swf::PointF{600, 300}));

    const swf::ShowAll tall = swf::MapShowAll(stage, 400, 600); // bars above and below
    EXPECT_EQ(tall.stage, (swf::RectF{0, 150, 400, 450}));
    EXPECT_EQ(tall.ToDevice({4000, 3000}), (swf::PointF{200, 300}));

    // A stage that does not start at 0 still lands on the target's middle.
    const swf::ShowAll shifted = swf::MapShowAll({-2000, 6000, 1000, 7000}, 800, 600);
    EXPECT_EQ(shifted.ToDevice({-2000, 1000}), (swf::PointF{0, 0}));
    EXPECT_EQ(shifted.ToDevice({6000, 7000}), (swf::PointF{800, 600}));

    EXPECT_EQ(swf::MapShowAll({0, 0, 0, 6000}, 800, 600).scale, 0);
    EXPECT_EQ(swf::MapShowAll({100, 0, 0, 6000}, 800, 600).scale, 0);
    EXPECT_EQ(swf::MapShowAll(stage, 0, 600).scale, 0);
}

TEST(SwfRender, FramesReachThePortInDevicePixels)
{
    swf::Player p(Load(RedSquareOnBlue().Plain()));
    RecordingPort port;
    swf::RenderScene(p.BuildFrame(), port, 800, 300);
    EXPECT_EQ(port.clears, 1);
    EXPECT_EQ(port.background, (swf::Rgba{0, 0, 255, 255}));
    EXPECT_EQ(port.stage, (swf::RectF{200, 0, 600, 300}));
    ASSERT_EQ(port.fills.size(), 1u);
    const swf::DevicePath& c = port.fills[0].contours.at(0);
    EXPECT_EQ(c.start, (swf::PointF{300, 100}));
    EXPECT_EQ(c.segments.at(1).to, (swf::PointF{400, 200}));
    EXPECT_EQ(port.fills[0].paint.color, (swf::Rgba{255, 0, 0, 255}));
    EXPECT_EQ(port.fills[0].rule, swf::FillRule::EvenOdd);
}

TEST(SwfRender, GradientsAndStrokeWidthsFollowTheScale)
{
    swf::Player g(Load(Gradients().Plain()));
    RecordingPort port;
    swf::RenderScene(g.BuildFrame(), port, 400, 300);
    ASSERT_EQ(port.fills.size(), 2u);
    // The gradient square's left and right edges land on the stage's left and right edges.
    const swf::Matrix& m = port.fills[0].paint.gradient;
    EXPECT_NEAR(m.Apply({-16384, 0}).x, 0, 1e-9);
    EXPECT_NEAR(m.Apply({16384, 0}).x, 400, 1e-9);
    const swf::Matrix& r = port.fills[1].paint.gradient;
    EXPECT_NEAR(r.Apply({0, 0}).x, 200, 1e-9);
    EXPECT_NEAR(r.Apply({16384, 0}).x, 270, 1e-9); // radius 1400 twips = 70 pixels
    EXPECT_EQ(port.fills[1].paint.stops.size(), 2u);

    swf::Player c(Load(CurvedMovie().Plain()));
    RecordingPort small;
    swf::RenderScene(c.BuildFrame(), small, 200, 150); // 40 twips at 1/40 pixel per twip
    ASSERT_EQ(small.strokes.size(), 1u);
    EXPECT_FLOAT_EQ(small.strokes[0].width, 1);
    RecordingPort large;
    swf::RenderScene(c.BuildFrame(), large, 1600, 1200);
    EXPECT_FLOAT_EQ(large.strokes.at(0).width, 8);
    EXPECT_TRUE(large.strokes[0].path.segments.at(0).curved);
    EXPECT_EQ(large.strokes[0].path.segments[0].control, (swf::PointF{1200, 1000}));

    // Nothing but the black target when the stage is empty.
    swf::Scene empty;
    RecordingPort none;
    swf::RenderScene(empty, none, 100, 100);
    EXPECT_EQ(none.clears, 1);
    EXPECT_EQ(none.stage, (swf::RectF{}));
}
