#include <gtest/gtest.h>

#include <cstring>

#include "SwfTestKit.h"
#include "swf/BitReader.h"

using namespace swftest;
using swfkit::Load;
using swfkit::ShapeOf;

TEST(SwfBitReader, FieldsAcrossByteBoundariesAndSignExtension)
{
    const std::uint8_t bytes[] = {0b10110011, 0b01111111, 0xFF, 0x34, 0x12};
    swf::BitReader in(bytes);
    EXPECT_EQ(in.UB(3), 0b101u);
    EXPECT_EQ(in.SB(4), -7);        // 1001
    EXPECT_EQ(in.UB(9), 0b101111111u);
    EXPECT_EQ(in.SB(8), -1);
    EXPECT_EQ(in.U16(), 0x1234);    // aligned, little-endian
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_THROW(in.U8(), swf::Malformed);
    swf::BitReader wide(bytes);
    EXPECT_EQ(wide.SB(32), static_cast<std::int32_t>(0xB37FFF34u));
    EXPECT_THROW(wide.UB(9), swf::Malformed); // only 8 bits are left
}

TEST(SwfHeader, PlainAndCompressedMoviesReadAlike)
{
    const MovieWriter w = RedSquareOnBlue();
    const Bytes plain = w.Plain();
    const Bytes packed = w.Compressed();
    ASSERT_EQ(std::memcmp(packed.data(), "CWS", 3), 0);
    for (const Bytes* file : {&plain, &packed}) {
        const auto m = Load(*file);
        ASSERT_TRUE(m);
        EXPECT_EQ(m->compressed, file == &packed);
        EXPECT_EQ(m->version, 6);
        EXPECT_EQ(m->fileLength, plain.size());
        EXPECT_EQ(m->stage, (swf::TwipsRect{0, 8000, 0, 6000}));
        EXPECT_DOUBLE_EQ(m->frameRate, 12);
        EXPECT_EQ(m->headerFrames, 1);
        EXPECT_EQ(m->timeline.frames.size(), 1u);
        EXPECT_EQ(m->background, (swf::Rgba{0, 0, 255, 255}));
        EXPECT_EQ(m->skippedTags, 0u);
        const swf::Shape& s = ShapeOf(*m, 1);
        ASSERT_EQ(s.fills.size(), 1u);
        EXPECT_EQ(s.fills[0].color, (swf::Rgba{255, 0, 0, 255}));
        ASSERT_EQ(s.layers.size(), 1u);
        ASSERT_EQ(s.layers[0].fills.size(), 1u);
        EXPECT_EQ(s.layers[0].fills[0].contours.size(), 1u);
    }
    // Only the compressed form needs the stated length; a plain movie plays what it holds.
    Bytes misstated = plain;
    misstated[4] = misstated[5] = misstated[6] = misstated[7] = 0xFF;
    const auto m = Load(misstated);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->timeline.frames.size(), 1u);
}

TEST(SwfHeader, WhatCannotBeAMovieIsAnError)
{
    auto errorOf = [](Bytes b) { return swf::LoadMovie(b).error; };
    Bytes lzma = RedSquareOnBlue().Plain();
    lzma[0] = 'Z';
    EXPECT_EQ(errorOf(lzma), swf::LoadError::LzmaCompressed);
    EXPECT_EQ(errorOf({'G', 'I', 'F', '8', '9', 'a'}), swf::LoadError::NotAMovie);
    EXPECT_EQ(errorOf({}), swf::LoadError::NotAMovie);
    EXPECT_EQ(errorOf({'F', 'W', 'S', 6, 30, 0}), swf::LoadError::Truncated);
    EXPECT_EQ(errorOf({'F', 'W', 'S', 6, 30, 0, 0, 0, 0x78}), swf::LoadError::Truncated); // half a stage rect

    Bytes corrupt = RedSquareOnBlue().Compressed();
    for (std::size_t i = 10; i < corrupt.size(); ++i) corrupt[i] ^= 0x5A;
    EXPECT_EQ(errorOf(corrupt), swf::LoadError::BadCompression);

    Bytes huge = RedSquareOnBlue().Compressed();
    huge[4] = huge[5] = huge[6] = huge[7] = 0xFF;
    EXPECT_EQ(errorOf(huge), swf::LoadError::TooLarge);
    const auto result = swf::LoadMovie(huge);
    EXPECT_EQ(result.movie, nullptr);
}

TEST(SwfHeader, FrameRatesAndTimerIntervals)
{
    MovieWriter w(6, Stage, 29.97);
    w.ShowFrame();
    const auto m = Load(w.Plain());
    EXPECT_NEAR(m->frameRate, 29.97, 1.0 / 256);
    EXPECT_EQ(swf::FrameIntervalMs(m->frameRate), 33u);
    EXPECT_EQ(swf::FrameIntervalMs(4), 250u);
    EXPECT_EQ(swf::FrameIntervalMs(0), 83u); // a movie that states 0 fps plays at 12
    EXPECT_EQ(swf::FrameIntervalMs(1.0 / 256), 256000u);
    EXPECT_EQ(swf::FrameIntervalMs(255.99), 4u);
}

TEST(SwfTags, KitchenSinkControlTagsAndSkippedTags)
{
    const auto m = Load(KitchenSink().Plain());
    ASSERT_TRUE(m);
    EXPECT_EQ(m->background, (swf::Rgba{240, 240, 240, 255}));
    // File attributes, a script and an unknown tag in the movie, one more unknown in the sprite.
    EXPECT_EQ(m->skippedTags, 4u);
    for (std::uint16_t id = 1; id <= 4; ++id) EXPECT_TRUE(std::holds_alternative<swf::Shape>(*m->Find(id))) << id;
    ASSERT_TRUE(std::holds_alternative<swf::Sprite>(*m->Find(5)));
    EXPECT_EQ(std::get<swf::Sprite>(*m->Find(5)).timeline.frames.size(), 2u);
    ASSERT_EQ(m->timeline.frames.size(), 3u);

    const auto& f1 = m->timeline.frames[0];
    ASSERT_EQ(f1.size(), 5u);
    const auto& p1 = std::get<swf::PlaceObject>(f1[0]);
    EXPECT_EQ(p1.depth, 1);
    EXPECT_EQ(p1.character, 1);
    EXPECT_EQ(p1.matrix, (swf::Matrix{1, 0, 0, 1, 500, 500}));
    EXPECT_FALSE(p1.move);
    // PlaceObject: a colour transform without alpha.
    const auto& p2 = std::get<swf::PlaceObject>(f1[1]);
    ASSERT_TRUE(p2.colorTransform);
    EXPECT_EQ(p2.colorTransform->mult, (std::array<double, 4>{0.5, 1, 1, 1}));
    EXPECT_EQ(p2.colorTransform->add, (std::array<double, 4>{0, 0, 64, 0}));
    // PlaceObject3: the class name before the character and the blend mode after are skipped.
    const auto& p3 = std::get<swf::PlaceObject>(f1[2]);
    EXPECT_EQ(p3.depth, 3);
    EXPECT_EQ(p3.character, 3);
    EXPECT_EQ(p3.matrix, (swf::Matrix{2, 0, 0, 2, 500, 3000}));
    // Rotation terms, a ratio and a name.
    const auto& p4 = std::get<swf::PlaceObject>(f1[3]);
    EXPECT_EQ(p4.matrix, (swf::Matrix{0.5, 0.5, -0.5, 0.5, 6000, 3000}));
    EXPECT_EQ(p4.ratio, 7);
    EXPECT_FALSE(p4.clipDepth);
    EXPECT_EQ(std::get<swf::PlaceObject>(f1[4]).clipDepth, 12);

    const auto& f2 = m->timeline.frames[1];
    ASSERT_EQ(f2.size(), 4u);
    EXPECT_TRUE(std::get<swf::PlaceObject>(f2[0]).move);
    EXPECT_FALSE(std::get<swf::PlaceObject>(f2[0]).character);
    EXPECT_TRUE(std::get<swf::PlaceObject>(f2[1]).move);
    EXPECT_EQ(std::get<swf::PlaceObject>(f2[1]).character, 3);
    EXPECT_EQ(std::get<swf::RemoveObject>(f2[2]).depth, 3);
    EXPECT_EQ(std::get<swf::RemoveObject>(f2[3]).depth, 4);

    const auto& alpha = std::get<swf::PlaceObject>(m->timeline.frames[2][1]);
    ASSERT_TRUE(alpha.colorTransform);
    EXPECT_EQ(alpha.colorTransform->add[3], -64);
}

TEST(SwfTags, ShapeStylesOfEveryVersion)
{
    const auto g = Load(Gradients().Plain());
    const swf::FillStyle& linear = ShapeOf(*g, 1).fills.at(0);
    EXPECT_EQ(linear.kind, swf::FillKind::LinearGradient);
    ASSERT_EQ(linear.stops.size(), 2u);
    EXPECT_EQ(linear.stops[0].ratio, 0);
    EXPECT_EQ(linear.stops[0].color, (swf::Rgba{255, 0, 0, 255}));
    EXPECT_EQ(linear.stops[1].ratio, 255);
    EXPECT_EQ(linear.stops[1].color, (swf::Rgba{0, 0, 255, 255}));
    EXPECT_NEAR(linear.matrix.a, 8000.0 / 32768, 1e-4);
    EXPECT_EQ(linear.matrix.tx, 4000);
    EXPECT_EQ(ShapeOf(*g, 2).fills.at(0).kind, swf::FillKind::RadialGradient);

    const auto k = Load(KitchenSink().Plain());
    // DefineShape3: RGBA colours.
    const swf::Shape& frame = ShapeOf(*k, 2);
    EXPECT_EQ(frame.fills.at(0).color, (swf::Rgba{0, 0, 255, 128}));
    EXPECT_EQ(frame.lines.at(0).width, 20);
    // New styles start a second layer whose indices refer to the new arrays.
    const swf::Shape& layered = ShapeOf(*k, 3);
    ASSERT_EQ(layered.layers.size(), 2u);
    ASSERT_EQ(layered.layers[1].fills.size(), 1u);
    EXPECT_EQ(layered.fills.at(layered.layers[1].fills[0].fill).color, (swf::Rgba{0, 255, 0, 255}));
    ASSERT_EQ(layered.layers[1].strokes.size(), 1u);
    const swf::LineStyle& hair = layered.lines.at(layered.layers[1].strokes[0].line);
    EXPECT_EQ(hair.width, 0);
    EXPECT_EQ(hair.color, (swf::Rgba{255, 0, 0, 255}));
    EXPECT_TRUE(layered.layers[0].strokes.empty());
    // DefineShape4: the winding rule, a focal gradient and LINESTYLE2.
    const swf::Shape& wound = ShapeOf(*k, 4);
    EXPECT_EQ(wound.rule, swf::FillRule::NonZero);
    EXPECT_EQ(wound.fills.at(0).kind, swf::FillKind::FocalGradient);
    EXPECT_DOUBLE_EQ(wound.fills[0].focal, 0.5);
    EXPECT_EQ(wound.fills[0].stops.size(), 3u);
    EXPECT_EQ(wound.lines.at(0).width, 60);
    EXPECT_EQ(wound.lines[0].color, (swf::Rgba{0, 0, 128, 255}));
    EXPECT_EQ(ShapeOf(*k, 1).rule, swf::FillRule::EvenOdd);
}

TEST(SwfTags, LongTagHeadersRedefinitionsAndCutStreams)
{
    MovieWriter w(6, Stage, 12);
    w.DefineRectangle(1, Red, {0, 100, 0, 100});
    w.DefineRectangle(1, Green, {0, 100, 0, 100}); // the first definition stays
    w.PlaceObject2(Place::New(1, 1));
    w.Tag(code::ShowFrame, {}, true);
    w.PlaceObject2(Place::New(2, 1));
    w.ShowFrame();
    w.PlaceObject2(Place::New(3, 1)); // after the last frame: belongs to none
    Bytes file = w.Plain();
    const auto m = Load(file);
    EXPECT_EQ(ShapeOf(*m, 1).fills.at(0).color, (swf::Rgba{255, 0, 0, 255}));
    EXPECT_EQ(m->timeline.frames.size(), 2u);

    // A file cut inside the second frame's tags keeps the first frame.
    file.resize(file.size() - 9);
    const auto cut = Load(file);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->timeline.frames.size(), 1u);
}
