#pragma once
// Pictures as plain pixels, so they can be kept as reviewable source and tested natively.
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

// 0xAARRGGBB; alpha 0 is transparent.
struct PixelArt {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;

    PixelArt() = default;
    PixelArt(int w, int h, uint32_t fill = 0);

    bool empty() const { return width <= 0 || height <= 0; }
    uint32_t at(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }
    uint32_t& at(int x, int y) { return argb[static_cast<size_t>(y) * width + x]; }
};

constexpr uint32_t ArtRgb(int r, int g, int b)
{
    return 0xFF000000u | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
           static_cast<uint32_t>(b);
}
constexpr uint32_t WithAlpha(uint32_t color, int alpha)
{
    return (color & 0x00FFFFFFu) | (static_cast<uint32_t>(alpha) << 24);
}
constexpr int Alpha(uint32_t c) { return static_cast<int>(c >> 24); }
constexpr int Red(uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int Green(uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int Blue(uint32_t c) { return static_cast<int>(c & 0xFF); }
constexpr uint32_t Transparent = 0;

// One character per pixel; every character used in the rows must be in the legend.
using Legend = std::vector<std::pair<char, uint32_t>>;

// Throws std::invalid_argument naming the row and column of a ragged row or an unknown
// character, so a typo in a picture fails loudly instead of drawing a wrong pixel.
PixelArt ParseGrid(std::initializer_list<std::string_view> rows, const Legend& legend);

// Mixes `over` onto `under` with `over`'s alpha scaled by coverage (0..1).
uint32_t BlendOver(uint32_t under, uint32_t over, double coverage = 1.0);
uint32_t Mix(uint32_t a, uint32_t b, double t);

// `top` drawn over `base` with its top-left corner at (dx, dy); parts outside are cut.
PixelArt Overlay(PixelArt base, const PixelArt& top, int dx = 0, int dy = 0);

// A copy of `art` centred on a transparent canvas of the given size (cut when larger).
PixelArt CenteredOn(const PixelArt& art, int width, int height);
