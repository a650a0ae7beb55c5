#include <gtest/gtest.h>

#include <cmath>

#include "SwfTestKit.h"
#include "swf/Render.h"

using namespace swftest;
using swfkit::Load;

namespace {

std::vector<std::uint16_t> Depths(const swf::SpriteInstance& s)
{
    std::vector<std::uint16_t> d;
    for (const auto& [depth, placed] : s.Objects()) d.push_back(depth);
    return d;
}

const swf::Placed& At(const swf::Player& p, std::uint16_t depth) { return p.Root().Objects().at(depth); }

const swf::SceneFill& FillAt(const swf::Scene& s, std::size_t i) { return std::get<swf::SceneFill>(s.items.at(i)); }

} // namespace

TEST(SwfDisplayList, PlaceMoveReplaceRemoveAndLoopBackToAFreshFirstFrame)
{
    swf::Player p(Load(KitchenSink().Plain()));
    EXPECT_TRUE(p.Playing());
    EXPECT_EQ(p.FrameCount(), 3u);
    EXPECT_EQ(p.IntervalMs(), 42u);
    EXPECT_EQ(p.CurrentFrame(), 0u);
    EXPECT_EQ(Depths(p.Root()), (std::vector<std::uint16_t>{1, 2, 3, 4, 9}));
    EXPECT_EQ(At(p, 2).colorTransform.mult[0], 0.5);

    p.Advance();
    EXPECT_EQ(p.CurrentFrame(), 1u);
    EXPECT_EQ(Depths(p.Root()), (std::vector<std::uint16_t>{1, 2, 9}));
    EXPECT_EQ(At(p, 1).matrix.tx, 600); // moved
    EXPECT_EQ(At(p, 1).character, 1);
    EXPECT_EQ(At(p, 2).character, 3); // replaced, keeping its place and colours
    EXPECT_EQ(At(p, 2).matrix.tx, 4000);
    EXPECT_EQ(At(p, 2).colorTransform.mult[0], 0.5);

    p.Advance();
    EXPECT_EQ(Depths(p.Root()), (std::vector<std::uint16_t>{1, 2, 5, 9}));
    EXPECT_TRUE(At(p, 5).sprite);
    EXPECT_EQ(At(p, 1).colorTransform.add[3], -64);
    EXPECT_EQ(At(p, 1).matrix.tx, 600); // a colour change keeps the matrix

    p.Advance(); // after the last frame: the first again, as if newly loaded
    EXPECT_EQ(p.CurrentFrame(), 0u);
    EXPECT_EQ(Depths(p.Root()), (std::vector<std::uint16_t>{1, 2, 3, 4, 9}));
    EXPECT_EQ(At(p, 1).matrix.tx, 500);
    EXPECT_EQ(At(p, 1).colorTransform, swf::ColorTransform{});
    EXPECT_EQ(At(p, 2).character, 2);

    p.Stop();
    p.Advance();
    EXPECT_FALSE(p.Playing());
    EXPECT_EQ(p.CurrentFrame(), 0u);
    p.Play();
    p.Advance();
    EXPECT_EQ(p.CurrentFrame(), 1u);
}

TEST(SwfDisplayList, ShapesComeBackToFrontWithComposedPlacement)
{
    swf::Player p(Load(KitchenSink().Plain()));
    const swf::Scene s = p.BuildFrame();
    EXPECT_EQ(s.background, (swf::Rgba{240, 240, 240, 255}));
    // Depth 1: red and green squares; 2: the framed square and its two outlines; 3: yellow square,
    // green triangle and its hairline; 4: the wound figure and its two outlines; 9: a mask over
    // depths up to 12, where nothing is.
    ASSERT_EQ(s.items.size(), 2u + 3u + 3u + 3u + 2u);
    EXPECT_TRUE(std::holds_alternative<swf::SceneMaskBegin>(s.items[11]));
    EXPECT_TRUE(std::holds_alternative<swf::SceneMaskEnd>(s.items[12]));
    EXPECT_EQ(FillAt(s, 0).paint.color, (swf::Rgba{255, 0, 0, 255}));
    EXPECT_EQ(FillAt(s, 0).contours.at(0).start, (swf::Point{1500, 1500})); // (1000, 1000) + (500, 500)
    EXPECT_EQ(FillAt(s, 1).paint.color, (swf::Rgba{0, 255, 0, 255}));
    EXPECT_TRUE(std::holds_alternative<swf::SceneStroke>(s.items[3]));
    EXPECT_EQ(FillAt(s, 5).paint.color, (swf::Rgba{255, 255, 0, 255}));
    // Scaled by 2 and moved to (500, 3000).
    EXPECT_EQ(FillAt(s, 5).contours.at(0).start, (swf::Point{500, 3000}));
    EXPECT_EQ(FillAt(s, 5).contours.at(0).segments.at(0).to, (swf::Point{2500, 3000}));
    EXPECT_EQ(FillAt(s, 8).rule, swf::FillRule::NonZero);
    EXPECT_EQ(FillAt(s, 8).paint.kind, swf::FillKind::FocalGradient);
    // The hairline stays a hairline; the 60-twip line is scaled by the rotation-and-scale matrix.
    EXPECT_EQ(std::get<swf::SceneStroke>(s.items[7]).width, 0);
    EXPECT_NEAR(std::get<swf::SceneStroke>(s.items[9]).width, 60 * std::sqrt(0.5), 1e-9);
}

TEST(SwfSprites, OwnTimelineAdvancesWithTheMovieAndLoops)
{
    swf::Player p(Load(SpriteMovie().Plain()));
    const int expectedX[] = {1000, 2000, 3000, 1000, 1000, 2000};
    const std::size_t expectedSpriteFrame[] = {0, 1, 2, 0, 0, 1};
    for (int step = 0; step < 6; ++step) {
        const swf::Placed& placed = At(p, 1);
        ASSERT_TRUE(placed.sprite);
        EXPECT_EQ(placed.sprite->Frame(), expectedSpriteFrame[step]) << step;
        const swf::Scene s = p.BuildFrame();
        ASSERT_EQ(s.items.size(), 1u);
        EXPECT_EQ(FillAt(s, 0).contours.at(0).start, (swf::Point{static_cast<double>(expectedX[step]), 1000})) << step;
        p.Advance(); // main frame 4 loops to 1, which places the sprite anew at its first frame
    }
}

TEST(SwfSprites, ColourTransformsAndMatricesCompose)
{
    MovieWriter w(8, Stage, 12);
    ShapeBuilder square(3, {Fill::SolidOf({200, 0, 0, 255})}, {Line{20, {0, 0, 0, 200}}});
    square.Style(std::nullopt, 1, 1).Rectangle({0, 100, 0, 100});
    w.DefineShape(1, square, {0, 100, 0, 100});
    TagStream inner;
    inner.PlaceObject2(Place::New(1, 1).With(Matrix{2, 0, 0, 2, 100, 0}).Colors(ColorTransform{128, 256, 256, 128, 0, 100, 0, 0}));
    inner.ShowFrame();
    w.DefineSprite(2, inner);
    w.PlaceObject2(Place::New(1, 2).With(Matrix{1, 0, 0, 1, 1000, 2000}).Colors(ColorTransform{256, 256, 256, 256, 0, 0, 50, 0}));
    w.ShowFrame();
    swf::Player p(Load(w.Plain()));
    const swf::Scene s = p.BuildFrame();
    ASSERT_EQ(s.items.size(), 2u);
    // Red 200 * 0.5, green 0 + 100, blue 0 + 50, alpha 255 * 0.5.
    EXPECT_EQ(FillAt(s, 0).paint.color, (swf::Rgba{100, 100, 50, 128}));
    EXPECT_EQ(FillAt(s, 0).contours.at(0).start, (swf::Point{1100, 2000}));
    EXPECT_EQ(FillAt(s, 0).contours.at(0).segments.at(0).to, (swf::Point{1300, 2000}));
    const auto& outline = std::get<swf::SceneStroke>(s.items[1]);
    EXPECT_EQ(outline.color, (swf::Rgba{0, 100, 50, 100}));
    EXPECT_DOUBLE_EQ(outline.width, 40);

    // Clamped to 0..255 only when applied.
    swf::ColorTransform brighten;
    brighten.mult = {2, 2, 2, 1};
    swf::ColorTransform darken;
    darken.add = {-300, 0, 0, 0};
    EXPECT_EQ((brighten * darken).Apply({200, 100, 0, 255}), (swf::Rgba{0, 200, 0, 255}));
    EXPECT_EQ((darken * brighten).Apply({200, 100, 0, 255}), (swf::Rgba{100, 200, 0, 255}));
}

TEST(SwfSprites, ASpriteThatPlacesItselfStopsAtTheNestingLimit)
{
    MovieWriter w(6, Stage, 12);
    w.DefineRectangle(1, Red, {0, 100, 0, 100});
    TagStream self;
    self.PlaceObject2(Place::New(1, 1));
    self.PlaceObject2(Place::New(2, 2).With(Matrix::Translate(100, 0)));
    self.PlaceObject2(Place::New(3, 2).With(Matrix::Translate(0, 100)));
    self.ShowFrame();
    self.ShowFrame();
    w.DefineSprite(2, self);
    w.PlaceObject2(Place::New(1, 2));
    w.ShowFrame();
    swf::Player p(Load(w.Plain()));
    // Two copies of itself per level would be 2^16 sprites; the object limit stops it first.
    for (int i = 0; i < 3; ++i) {
        const swf::Scene s = p.BuildFrame();
        EXPECT_GT(s.items.size(), 1000u);
        EXPECT_LE(s.items.size(), swf::limits::PlacedObjects);
        p.Advance();
    }
}

TEST(SwfDisplayList, AMaskCutsOutTheDepthsItCoversAndIsNotDrawn)
{
    swf::Player p(Load(MaskedMovie().Plain()));
    swfkit::RecordingPort port;
    swf::RenderScene(p.BuildFrame(), port, 400, 300);
    EXPECT_EQ(port.order, "[F]F"); // the red rectangle inside the mask, the green square after it
    ASSERT_EQ(port.masks.size(), 1u);
    ASSERT_EQ(port.masks[0].size(), 1u);
    const swf::DeviceArea& area = port.masks[0][0];
    ASSERT_EQ(area.contours.size(), 1u);
    EXPECT_EQ(area.contours[0].start, (swf::PointF{150, 100}));
    EXPECT_EQ(area.contours[0].segments.at(1).to, (swf::PointF{250, 200}));
    EXPECT_EQ(port.fills.at(0).paint.color, (swf::Rgba{255, 0, 0, 255}));

    // A sprite as the mask lends its shapes; masks nest, and a mask with no shapes hides all.
    MovieWriter w(6, Stage, 12);
    w.DefineRectangle(1, Red, {0, 1000, 0, 1000});
    TagStream holder;
    holder.PlaceObject2(Place::New(1, 1));
    holder.PlaceObject2(Place::New(2, 1).With(Matrix::Translate(2000, 0)));
    holder.ShowFrame();
    w.DefineSprite(2, holder);
    TagStream nothing;
    nothing.ShowFrame();
    w.DefineSprite(3, nothing);
    w.PlaceObject2(Place::New(1, 2).Clip(10));
    w.PlaceObject2(Place::New(2, 3).Clip(5));
    w.PlaceObject2(Place::New(4, 1));
    w.PlaceObject2(Place::New(7, 1));
    w.PlaceObject2(Place::New(12, 1));
    w.ShowFrame();
    swf::Player nested(Load(w.Plain()));
    swfkit::RecordingPort second;
    swf::RenderScene(nested.BuildFrame(), second, 400, 300);
    EXPECT_EQ(second.order, "[[F]F]F");
    ASSERT_EQ(second.masks.size(), 2u);
    EXPECT_EQ(second.masks[0].size(), 2u);
    EXPECT_EQ(second.masks[0][1].contours.at(0).start, (swf::PointF{100, 0}));
    EXPECT_TRUE(second.masks[1].empty());
}
