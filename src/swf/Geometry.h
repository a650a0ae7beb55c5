#pragma once
// Colours, affine matrices and colour transforms of a movie, and the paths its shapes are made of.
#include <array>
#include <cstdint>
#include <vector>

namespace swf {

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
    bool operator==(const Rgba&) const = default;
};

// In twips (1/20 pixel at the movie's own size).
struct TwipsRect {
    std::int32_t xMin = 0;
    std::int32_t xMax = 0;
    std::int32_t yMin = 0;
    std::int32_t yMax = 0;
    std::int64_t Width() const { return std::int64_t{xMax} - xMin; }
    std::int64_t Height() const { return std::int64_t{yMax} - yMin; }
    bool operator==(const TwipsRect&) const = default;
};

struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point&) const = default;
};

// x' = a x + c y + tx, y' = b x + d y + ty (the movie's scale, rotate-skew and translate terms).
struct Matrix {
    double a = 1;
    double b = 0;
    double c = 0;
    double d = 1;
    double tx = 0;
    double ty = 0;

    Point Apply(Point p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
    // This matrix applied after `inner`.
    Matrix operator*(const Matrix& inner) const
    {
        return {a * inner.a + c * inner.b,  b * inner.a + d * inner.b,  a * inner.c + c * inner.d,
                b * inner.c + d * inner.d,  a * inner.tx + c * inner.ty + tx, b * inner.tx + d * inner.ty + ty};
    }
    bool operator==(const Matrix&) const = default;
};

// Channel' = channel * mult + add, per red, green, blue and alpha, clamped to 0..255 when applied.
struct ColorTransform {
    std::array<double, 4> mult{1, 1, 1, 1};
    std::array<double, 4> add{0, 0, 0, 0};

    Rgba Apply(Rgba c) const;
    // This transform applied after `inner`.
    ColorTransform operator*(const ColorTransform& inner) const;
    bool operator==(const ColorTransform&) const = default;
};

// A closed figure or an open stroke: a start point and straight or quadratic Bézier segments.
template <typename P>
struct BasicPath {
    struct Segment {
        P control; // used by curves only
        P to;
        bool curved = false;
        bool operator==(const Segment&) const = default;
    };
    P start;
    std::vector<Segment> segments;
    bool operator==(const BasicPath&) const = default;
};

} // namespace swf
