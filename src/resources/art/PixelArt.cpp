#include "resources/art/PixelArt.h"

#include <algorithm>
#include <stdexcept>
#include <string>

PixelArt::PixelArt(int w, int h, uint32_t fill)
    : width(std::max(w, 0)), height(std::max(h, 0)),
      argb(static_cast<size_t>(std::max(w, 0)) * static_cast<size_t>(std::max(h, 0)), fill)
{
    if (width == 0 || height == 0) width = height = 0;
}

PixelArt ParseGrid(std::initializer_list<std::string_view> rows, const Legend& legend)
{
    if (rows.size() == 0) throw std::invalid_argument("picture has no rows");
    const int w = static_cast<int>(rows.begin()->size());
    if (w == 0) throw std::invalid_argument("picture has empty rows");
    uint32_t lookup[256];
    bool known[256] = {};
    for (const auto& [ch, color] : legend) {
        const auto i = static_cast<unsigned char>(ch);
        if (known[i]) throw std::invalid_argument(std::string("legend repeats '") + ch + "'");
        known[i] = true;
        lookup[i] = color;
    }
    PixelArt art(w, static_cast<int>(rows.size()));
    int y = 0;
    for (std::string_view row : rows) {
        if (static_cast<int>(row.size()) != w)
            throw std::invalid_argument("row " + std::to_string(y) + " is " + std::to_string(row.size()) +
                                        " wide, not " + std::to_string(w));
        for (int x = 0; x < w; ++x) {
            const auto i = static_cast<unsigned char>(row[x]);
            if (!known[i])
                throw std::invalid_argument("row " + std::to_string(y) + " column " + std::to_string(x) +
                                            ": '" + row[x] + "' is not in the legend");
            art.at(x, y) = lookup[i];
        }
        ++y;
    }
    return art;
}

namespace {

// std::lround, inline: pictures round millions of channels, and the library call dominates.
// The fraction x - trunc(x) is exact, so ties and near-ties round exactly as lround does.
long RoundHalfAway(double x)
{
    const long whole = static_cast<long>(x);
    const double fraction = x - static_cast<double>(whole);
    if (fraction >= 0.5) return whole + 1;
    if (fraction <= -0.5) return whole - 1;
    return whole;
}

} // namespace

uint32_t BlendOver(uint32_t under, uint32_t over, double coverage)
{
    const double a = Alpha(over) / 255.0 * std::clamp(coverage, 0.0, 1.0);
    if (a <= 0.0) return under;
    if (Alpha(under) == 0xFF) {
        // Over an opaque pixel the general form below divides by a + (1 - a), which is exactly 1
        // in floating point too: the same results without the divisions, on most pixels painted.
        const double keep = 1.0 - a;
        auto channel = [&](int o, int u) { return static_cast<int>(RoundHalfAway(o * a + u * keep)); };
        return ArtRgb(channel(Red(over), Red(under)), channel(Green(over), Green(under)),
                      channel(Blue(over), Blue(under)));
    }
    const double b = Alpha(under) / 255.0;
    const double outA = a + b * (1.0 - a);
    if (outA <= 0.0) return Transparent;
    auto channel = [&](int o, int u) {
        return static_cast<int>(RoundHalfAway((o * a + u * b * (1.0 - a)) / outA));
    };
    const uint32_t rgb = ArtRgb(channel(Red(over), Red(under)), channel(Green(over), Green(under)),
                             channel(Blue(over), Blue(under)));
    return WithAlpha(rgb, static_cast<int>(RoundHalfAway(outA * 255.0)));
}

uint32_t Mix(uint32_t a, uint32_t b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](int p, int q) { return static_cast<uint32_t>(RoundHalfAway(p + (q - p) * t)); };
    return (lerp(Alpha(a), Alpha(b)) << 24) | (lerp(Red(a), Red(b)) << 16) | (lerp(Green(a), Green(b)) << 8) |
           lerp(Blue(a), Blue(b));
}

PixelArt CenteredOn(const PixelArt& art, int width, int height)
{
    PixelArt out(width, height);
    const int dx = (out.width - art.width) / 2;
    const int dy = (out.height - art.height) / 2;
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x) {
            const int tx = x + dx, ty = y + dy;
            if (tx >= 0 && ty >= 0 && tx < out.width && ty < out.height) out.at(tx, ty) = art.at(x, y);
        }
    return out;
}

PixelArt Overlay(PixelArt base, const PixelArt& top, int dx, int dy)
{
    for (int y = 0; y < top.height; ++y)
        for (int x = 0; x < top.width; ++x) {
            const int tx = x + dx, ty = y + dy;
            if (tx >= 0 && ty >= 0 && tx < base.width && ty < base.height)
                base.at(tx, ty) = BlendOver(base.at(tx, ty), top.at(x, y));
        }
    return base;
}
