#include <gtest/gtest.h>

#include <random>

#include "SwfTestKit.h"
#include "swf/Render.h"

using namespace swftest;

namespace {

class NullPort : public swf::DrawingPort {
public:
    void Clear(swf::Rgba, swf::RectF) override {}
    void FillFigure(std::span<const swf::DevicePath> contours, const swf::Paint&, swf::FillRule) override
    {
        for (const auto& c : contours) segments += c.segments.size();
    }
    void StrokePath(const swf::DevicePath& path, float, swf::Rgba) override { segments += path.segments.size(); }
    void BeginMask(std::span<const swf::DeviceArea>) override { ++masks; }
    void EndMask() override
    {
        EXPECT_GT(masks, 0);
        --masks;
    }
    int masks = 0;
    std::size_t segments = 0;
};

// Loads, plays a few frames and draws each; returns whether the file loaded.
bool Exercise(const Bytes& file)
{
    const swf::LoadResult r = swf::LoadMovie(file);
    if (r.error != swf::LoadError::None) {
        EXPECT_EQ(r.movie, nullptr);
        return false;
    }
    EXPECT_NE(r.movie, nullptr);
    swf::Player p(r.movie);
    NullPort port;
    for (int i = 0; i < 4; ++i) {
        swf::RenderScene(p.BuildFrame(), port, 64, 48);
        EXPECT_EQ(port.masks, 0);
        p.Advance();
    }
    return true;
}

} // namespace

TEST(SwfHostileInput, EveryPrefixOfAMovieLoadsOrFailsCleanly)
{
    for (const Bytes& whole : {KitchenSink().Plain(), KitchenSink().Compressed()}) {
        std::size_t loaded = 0;
        for (std::size_t n = 0; n <= whole.size(); ++n) {
            const Bytes prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
            loaded += Exercise(prefix);
        }
        // Once the header is complete every longer prefix plays what it holds.
        EXPECT_GT(loaded, whole.size() / 2);
        EXPECT_TRUE(Exercise(whole));
    }
}

TEST(SwfHostileInput, FlippedBytesNeverReadOutOfBounds)
{
    std::mt19937 random(20240611);
    for (const Bytes& original : {KitchenSink().Plain(), SpriteMovie().Plain(), Gradients().Plain()}) {
        for (int round = 0; round < 400; ++round) {
            Bytes file = original;
            const int flips = 1 + static_cast<int>(random() % 8);
            for (int i = 0; i < flips; ++i) {
                // The signature is kept so that the damage reaches the tags.
                const std::size_t at = 3 + random() % (file.size() - 3);
                file[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
            }
            Exercise(file);
        }
    }
}

TEST(SwfHostileInput, CountsAndLengthsBeyondTheBytesLeaveTheTagOut)
{
    MovieWriter w(8, Stage, 12);
    // A shape whose fill style count (0xFF, then 0xFFFF) promises far more than the tag holds.
    w.Tag(code::DefineShape3, {1, 0, 0x00, 0xFF, 0xFF, 0xFF, 0x00});
    w.DefineRectangle(2, Red, {0, 100, 0, 100});
    // A place whose matrix runs past the end of its tag.
    w.Tag(code::PlaceObject2, {0x06, 1, 0, 2, 0, 0xFF});
    w.PlaceObject2(Place::New(2, 2));
    w.ShowFrame();
    Bytes file = w.Plain();
    auto m = swf::LoadMovie(file).movie;
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Find(1), nullptr);
    EXPECT_NE(m->Find(2), nullptr);
    EXPECT_EQ(m->skippedTags, 2u);
    ASSERT_EQ(m->timeline.frames.size(), 1u);
    EXPECT_EQ(m->timeline.frames[0].size(), 1u);

    // A tag that states a length beyond the file ends the tags there.
    Bytes longTag = file;
    const Bytes tail{static_cast<std::uint8_t>((code::DefineShape << 6) | 0x3F), 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3};
    longTag.insert(longTag.end(), tail.begin(), tail.end());
    EXPECT_TRUE(Exercise(longTag));
}
