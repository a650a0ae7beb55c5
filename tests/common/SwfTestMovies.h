#pragma once
// The test movies shared by the unit tests, the Windows drawing tests, the independent parser
// check and the fuzzer's seeds. Stages are 8000 x 6000 twips: 400 x 300 pixels at their size.
#include <string>
#include <utility>
#include <vector>

#include "SwfWriter.h"

namespace swftest {

constexpr Color Red{255, 0, 0};
constexpr Color Green{0, 255, 0};
constexpr Color Blue{0, 0, 255};
constexpr Color Yellow{255, 255, 0};
constexpr Color White{255, 255, 255};
constexpr Color Black{0, 0, 0};
constexpr Color Grey{128, 128, 128};
constexpr Rect Stage{0, 8000, 0, 6000};

// A red square, 2000..4000 twips both ways, on a blue stage: one frame.
inline MovieWriter RedSquareOnBlue(std::uint8_t version = 6)
{
    MovieWriter m(version, Stage, 12);
    m.Background(Blue);
    m.DefineRectangle(1, Red, {2000, 4000, 2000, 4000});
    m.PlaceObject2(Place::New(1, 1).With(Matrix{}));
    m.ShowFrame();
    m.End();
    return m;
}

// A red 2000-twip square at (1000, 2000) in frame 1, moved to (5000, 2000) in frame 2; 4 fps.
inline MovieWriter TwoFrames()
{
    MovieWriter m(6, Stage, 4);
    m.Background(Blue);
    m.DefineRectangle(1, Red, {0, 2000, 0, 2000});
    m.PlaceObject2(Place::New(1, 1).With(Matrix::Translate(1000, 2000)));
    m.ShowFrame();
    m.PlaceObject2(Place::Modify(1).With(Matrix::Translate(5000, 2000)));
    m.ShowFrame();
    m.End();
    return m;
}

// A linear gradient from red (left) to blue (right) over the top half of the stage, and a
// radial gradient, white in the middle to black, in a square below; a grey stage.
inline MovieWriter Gradients()
{
    MovieWriter m(8, Stage, 12);
    m.Background(Grey);
    // The gradient square (32768 twips wide) scaled onto the stage's width and centred on it.
    const Matrix across{8000.0 / 32768, 0, 0, 3000.0 / 32768, 4000, 1500};
    ShapeBuilder band(3, {Fill::LinearOf(across, {{0, Red}, {255, Blue}})}, {});
    band.Style(std::nullopt, 1, std::nullopt).Rectangle({0, 8000, 0, 3000});
    m.DefineShape(1, band, {0, 8000, 0, 3000});
    const Matrix circle{1400.0 / 16384, 0, 0, 1400.0 / 16384, 4000, 4500};
    ShapeBuilder spot(3, {Fill::RadialOf(circle, {{0, White}, {255, Black}})}, {});
    spot.Style(std::nullopt, 1, std::nullopt).Rectangle({2600, 5400, 3100, 5900});
    m.DefineShape(2, spot, {2600, 5400, 3100, 5900});
    m.PlaceObject2(Place::New(1, 1));
    m.PlaceObject2(Place::New(2, 2));
    m.ShowFrame();
    m.End();
    return m;
}

// A sprite of three frames that moves a 1000-twip red square right by 1000 twips a frame,
// placed at (1000, 1000) in the first of four main frames.
inline MovieWriter SpriteMovie()
{
    MovieWriter m(6, Stage, 12);
    m.Background(White);
    m.DefineRectangle(1, Red, {0, 1000, 0, 1000});
    TagStream sprite;
    sprite.PlaceObject2(Place::New(1, 1).With(Matrix{}));
    sprite.ShowFrame();
    sprite.PlaceObject2(Place::Modify(1).With(Matrix::Translate(1000, 0)));
    sprite.ShowFrame();
    sprite.PlaceObject2(Place::Modify(1).With(Matrix::Translate(2000, 0)));
    sprite.ShowFrame();
    sprite.End();
    m.DefineSprite(2, sprite);
    m.PlaceObject2(Place::New(1, 2).With(Matrix::Translate(1000, 1000)));
    for (int i = 0; i < 4; ++i) m.ShowFrame();
    m.End();
    return m;
}

// A green rounded figure of four curves around (4000, 3000), outlined 2 pixels black.
inline MovieWriter CurvedMovie()
{
    MovieWriter m(6, Stage, 12);
    m.Background(White);
    ShapeBuilder round(2, {Fill::SolidOf(Green)}, {Line{40, Black}});
    round.MoveStyle(6000, 3000, std::nullopt, 1, 1)
        .CurveTo(6000, 5000, 4000, 5000)
        .CurveTo(2000, 5000, 2000, 3000)
        .CurveTo(2000, 1000, 4000, 1000)
        .CurveTo(6000, 1000, 6000, 3000);
    m.DefineShape(1, round, {1980, 6020, 980, 5020});
    m.PlaceObject2(Place::New(1, 1));
    m.ShowFrame();
    m.End();
    return m;
}

// Every tag the player reads and some it skips, over three frames.
inline MovieWriter KitchenSink()
{
    MovieWriter m(8, Stage, 24);
    m.Tag(69, {0, 0, 0, 0}); // file attributes: skipped
    m.Background({240, 240, 240});
    // 1: two squares sharing an edge, red left and green right; the shared edge carries both.
    ShapeBuilder pair(1, {Fill::SolidOf(Red), Fill::SolidOf(Green)}, {});
    pair.MoveStyle(1000, 1000, std::nullopt, 1, std::nullopt)
        .LineTo(0, 1000).LineTo(0, 0).LineTo(1000, 0)
        .Style(2, 1, std::nullopt)
        .LineTo(1000, 1000)
        .Style(2, 0, std::nullopt)
        .LineTo(2000, 1000).LineTo(2000, 0).LineTo(1000, 0);
    m.DefineShape(1, pair, {0, 2000, 0, 1000});
    // 2: a half-transparent blue square with a square hole, outlined.
    ShapeBuilder frame(3, {Fill::SolidOf({0, 0, 255, 128})}, {Line{20, Black}});
    frame.MoveStyle(0, 0, std::nullopt, 1, 1).LineTo(3000, 0).LineTo(3000, 3000).LineTo(0, 3000).LineTo(0, 0)
        .MoveStyle(1000, 1000, 1, 0, 1).LineTo(2000, 1000).LineTo(2000, 2000).LineTo(1000, 2000).LineTo(1000, 1000);
    m.DefineShape(2, frame, {-10, 3010, -10, 3010});
    // 3: a yellow square, then new styles and a green triangle in a second layer.
    ShapeBuilder layers(3, {Fill::SolidOf(Yellow)}, {});
    layers.Style(std::nullopt, 1, std::nullopt).Rectangle({0, 1000, 0, 1000})
        .NewStyles({Fill::SolidOf(Green)}, {Line{0, Red}}, 0, 0, std::nullopt, 1, std::nullopt)
        .Style(std::nullopt, std::nullopt, 1)
        .LineTo(500, 0).LineTo(0, 500).LineTo(0, 0);
    m.DefineShape(3, layers, {0, 1000, 0, 1000});
    // 4: two overlapping squares drawn the same way round, filled by the nonzero rule, with a
    // focal gradient and a LINESTYLE2 outline.
    ShapeBuilder wound(4, {Fill::FocalOf(Matrix{0.1, 0, 0, 0.1, 1000, 1000}, {{0, White}, {128, Red}, {255, Black}}, 0.5)},
                       {Line{60, {0, 0, 128, 255}}});
    wound.Style(std::nullopt, 1, 1).Rectangle({0, 1500, 0, 1500}).Rectangle({500, 2000, 500, 2000});
    m.DefineShape(4, wound, {0, 2000, 0, 2000}, true);
    m.Tag(12, {0x06, 0x00}); // a script (play): skipped
    m.Tag(777, {1, 2, 3});   // a tag no player knows
    m.PlaceObject2(Place::New(1, 1).With(Matrix::Translate(500, 500)));
    m.PlaceObject1(2, 2, Matrix::Translate(4000, 500), ColorTransform{128, 256, 256, 256, 0, 0, 64, 0});
    Place three = Place::New(3, 3).With(Matrix{2, 0, 0, 2, 500, 3000});
    m.PlaceObject3(three, "Layers", 1);
    m.PlaceObject2(Place::New(4, 4).With(Matrix{0.5, 0.5, -0.5, 0.5, 6000, 3000}).Ratio(7).Name("wound"));
    m.PlaceObject2(Place::New(9, 1).Clip(12));
    m.ShowFrame();
    m.PlaceObject2(Place::Modify(1).With(Matrix::Translate(600, 700)));
    m.PlaceObject2(Place::Modify(2).Char(3));
    m.RemoveObject2(3);
    m.RemoveObject1(4, 4);
    m.ShowFrame();
    TagStream blink;
    blink.PlaceObject2(Place::New(1, 1).Colors(ColorTransform{256, 256, 256, 128, 0, 0, 0, 0}));
    blink.ShowFrame();
    blink.RemoveObject2(1);
    blink.Tag(777, {});
    blink.ShowFrame();
    blink.End();
    m.DefineSprite(5, blink);
    m.PlaceObject2(Place::New(5, 5).With(Matrix::Translate(6000, 5000)));
    m.PlaceObject2(Place::Modify(1).Colors(ColorTransform{256, 256, 256, 256, 0, 0, 0, -64}));
    m.ShowFrame();
    m.End();
    return m;
}

// A red rectangle (1000..7000 x 1000..5000) seen only through a square mask (3000..5000 x
// 2000..4000), and an unmasked green square (6000..7500 x 4500..5800) above; a blue stage.
inline MovieWriter MaskedMovie()
{
    MovieWriter m(6, Stage, 12);
    m.Background(Blue);
    m.DefineRectangle(1, Black, {3000, 5000, 2000, 4000});
    m.DefineRectangle(2, Red, {1000, 7000, 1000, 5000});
    m.DefineRectangle(3, Green, {6000, 7500, 4500, 5800});
    m.PlaceObject2(Place::New(1, 1).Clip(2));
    m.PlaceObject2(Place::New(2, 2));
    m.PlaceObject2(Place::New(3, 3));
    m.ShowFrame();
    m.End();
    return m;
}

// Every test movie by name, plain and compressed, for the parser check and the fuzzer's seeds.
inline std::vector<std::pair<std::string, MovieWriter>> AllTestMovies()
{
    return {{"red_square", RedSquareOnBlue()}, {"two_frames", TwoFrames()}, {"gradients", Gradients()},
            {"sprite", SpriteMovie()},         {"curved", CurvedMovie()},   {"kitchen_sink", KitchenSink()},
            {"masked", MaskedMovie()}};
}

} // namespace swftest
