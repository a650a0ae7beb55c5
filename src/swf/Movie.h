#pragma once
// A movie as read from its file: the stage, the characters it defines and its timeline.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <unordered_map>
#include <variant>
#include <vector>

#include "swf/Geometry.h"

namespace swf {

// Bounds that keep a hostile file from taking unbounded memory or time.
namespace limits {
constexpr std::size_t BodyBytes = 64u << 20;  // the movie after decompression
constexpr std::size_t Tags = 1u << 20;        // all tags, sprites' included
constexpr std::size_t Edges = 2u << 20;       // all shape edges of the movie
constexpr std::size_t Styles = 1u << 18;      // all fill and line styles of the movie
constexpr std::size_t GradientStops = 15;     // more are allowed by the bit field, never drawn
} // namespace limits

struct GradientStop {
    std::uint8_t ratio = 0; // 0..255 along the gradient
    Rgba color;
    bool operator==(const GradientStop&) const = default;
};

enum class FillKind { Solid, LinearGradient, RadialGradient, FocalGradient, Bitmap };

// Gradients are defined on the square -16384..16384 twips, placed by `matrix`.
struct FillStyle {
    FillKind kind = FillKind::Solid;
    Rgba color;
    Matrix matrix;
    std::vector<GradientStop> stops;
    double focal = 0; // -1..1 along the gradient's x axis
};

// Width 0 is a hairline, one device pixel wide.
struct LineStyle {
    std::uint16_t width = 0;
    Rgba color;
};

// Shape coordinates are whole twips, so edges meet only where their ends are equal.
struct TwipsPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const TwipsPoint&) const = default;
};
using TwipsPath = BasicPath<TwipsPoint>;

// All closed figures of one fill style; the region they enclose is filled.
struct FilledRegion {
    std::size_t fill = 0; // index into Shape::fills
    std::vector<TwipsPath> contours;
};

struct StrokedPath {
    std::size_t line = 0; // index into Shape::lines
    TwipsPath path;
};

// The fills and then the strokes drawn with one set of styles. A shape starts a new layer each
// time it brings new styles.
struct ShapeLayer {
    std::vector<FilledRegion> fills;
    std::vector<StrokedPath> strokes;
};

// Each fill style's contours are filled even-odd. After assembly every edge separates its fill
// from something else, so crossing an edge always enters or leaves the fill, however the chains
// turned where several contours touch; nonzero would also count on consistently oriented edges
// from the authoring tool. DefineShape4 may ask for nonzero (overlapping outlines of one fill).
enum class FillRule { EvenOdd, NonZero };

struct Shape {
    TwipsRect bounds;
    std::vector<FillStyle> fills;
    std::vector<LineStyle> lines;
    std::vector<ShapeLayer> layers;
    FillRule rule = FillRule::EvenOdd;
};

struct PlaceObject {
    std::uint16_t depth = 0;
    bool move = false; // modify or replace what is at the depth
    std::optional<std::uint16_t> character;
    std::optional<Matrix> matrix;
    std::optional<ColorTransform> colorTransform;
    std::optional<std::uint16_t> ratio;
    std::optional<std::uint16_t> clipDepth; // the object masks the depths up to this one
};

struct RemoveObject {
    std::uint16_t depth = 0;
};

using ControlTag = std::variant<PlaceObject, RemoveObject>;

// One list of control tags per frame, each list ended by a ShowFrame in the file.
struct Timeline {
    std::vector<std::vector<ControlTag>> frames;
};

struct Sprite {
    Timeline timeline;
};

using Character = std::variant<Shape, Sprite>;

struct Movie {
    std::uint8_t version = 0;
    bool compressed = false;
    std::uint32_t fileLength = 0; // as the header states it
    TwipsRect stage;
    double frameRate = 0;           // frames per second, as stored
    std::uint16_t headerFrames = 0; // as the header states it; the timeline holds what is there
    Rgba background{255, 255, 255, 255};
    Timeline timeline;
    std::unordered_map<std::uint16_t, Character> characters;
    std::size_t skippedTags = 0; // tags not played, or malformed and left out

    const Character* Find(std::uint16_t id) const
    {
        const auto it = characters.find(id);
        return it == characters.end() ? nullptr : &it->second;
    }
};

enum class LoadError {
    None,
    NotAMovie,        // no FWS or CWS signature
    LzmaCompressed,   // ZWS: not supported
    Truncated,        // the header is incomplete
    BadCompression,   // the zlib stream is corrupt
    TooLarge,         // the movie would exceed limits::BodyBytes
};

struct LoadResult {
    std::shared_ptr<const Movie> movie; // null unless error is None
    LoadError error = LoadError::None;
};

// Reads a whole movie file. Never throws for bad input: what cannot be a movie gives an error,
// and a tag that is damaged inside a readable movie is left out.
LoadResult LoadMovie(std::span<const std::uint8_t> file);

} // namespace swf
