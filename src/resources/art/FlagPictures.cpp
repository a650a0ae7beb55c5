#include "resources/art/Painter.h"
#include "resources/art/Pictures.h"

#include <cmath>
#include <functional>
#include <utility>

namespace {

// Flags are 16x11 inside a 16x16 picture, with transparent rows above and below and a
// slightly darker rim so white flags still stand out on a pale button.
constexpr double W = 16, Top = 3, H = 11, Bottom = Top + H;

PixelArt Rimmed(PixelArt art)
{
    for (int y = static_cast<int>(Top); y < static_cast<int>(Bottom); ++y)
        for (int x = 0; x < art.width; ++x)
            if (x == 0 || x == art.width - 1 || y == Top || y == Bottom - 1)
                art.at(x, y) = Mix(art.at(x, y), ArtRgb(0, 0, 0), 0.3);
    return art;
}

PixelArt Flag(const std::function<void(Painter&)>& draw)
{
    PixelArt art(16, 16);
    Painter p(art);
    p.Clip(0, Top, W, Bottom);
    draw(p);
    return Rimmed(std::move(art));
}

void Horizontal(Painter& p, std::initializer_list<std::pair<double, uint32_t>> bands)
{
    // Whole pixel rows keep the stripes crisp at this size.
    double total = 0;
    for (const auto& b : bands) total += b.first;
    double sum = 0, y = Top;
    for (const auto& [share, color] : bands) {
        sum += share;
        const double next = Top + std::round(H * sum / total);
        p.FillRect(0, y, W, next, color);
        y = next;
    }
}

void Vertical(Painter& p, uint32_t a, uint32_t b, uint32_t c)
{
    p.FillRect(0, Top, 5, Bottom, a);
    p.FillRect(5, Top, 11, Bottom, b);
    p.FillRect(11, Top, W, Bottom, c);
}

// A Nordic cross on whole pixels, its upright shifted toward the hoist.
void NordicCross(Painter& p, uint32_t field, uint32_t cross, int width, uint32_t inner = 0, int innerWidth = 0)
{
    auto band = [](double centre, int w) {
        const double lo = std::floor(centre - w / 2.0 + 0.5);
        return std::pair{lo, lo + w};
    };
    p.FillRect(0, Top, W, Bottom, field);
    for (const auto& [color, w] : {std::pair{cross, width}, std::pair{inner, innerWidth}}) {
        if (w <= 0) continue;
        const auto [x0, x1] = band(6, w);
        const auto [y0, y1] = band(Top + H / 2, w);
        p.FillRect(x0, Top, x1, Bottom, color);
        p.FillRect(0, y0, W, y1, color);
    }
}

constexpr uint32_t White = ArtRgb(255, 255, 255);
constexpr uint32_t Black = ArtRgb(0, 0, 0);

// Its diagonals are too fine for drawing code at this size, so it is set pixel by pixel.
PixelArt UnitedKingdom()
{
    const PixelArt union_flag = ParseGrid(
        {
            "rwbbbbwrrwbbbbwr",
            "bwrwbbwrrwbbwrwb",
            "bbbwrwwrrwwrwbbb",
            "bbbbwrwrrwrwbbbb",
            "wwwwwwwrrwwwwwww",
            "rrrrrrrrrrrrrrrr",
            "wwwwwwwrrwwwwwww",
            "bbbbwrwrrwrwbbbb",
            "bbbwrwwrrwwrwbbb",
            "bwrwbbwrrwbbwrwb",
            "rwbbbbwrrwbbbbwr",
        },
        {{'b', ArtRgb(1, 33, 105)}, {'w', ArtRgb(255, 255, 255)}, {'r', ArtRgb(200, 16, 46)}});
    return Rimmed(Overlay(PixelArt(16, 16), union_flag, 0, static_cast<int>(Top)));
}

void Portugal(Painter& p)
{
    p.FillRect(0, Top, 6.4, Bottom, ArtRgb(0, 102, 0));
    p.FillRect(6.4, Top, W, Bottom, ArtRgb(218, 41, 28));
    p.FillEllipse(6.4, Top + H / 2, 2.9, 2.9, ArtRgb(255, 204, 0));
    p.FillEllipse(6.4, Top + H / 2, 1.6, 1.8, ArtRgb(218, 41, 28));
    p.FillEllipse(6.4, Top + H / 2, 0.9, 1.1, White);
}

void Switzerland(Painter& p)
{
    constexpr uint32_t red = ArtRgb(218, 41, 28);
    p.FillRect(0, Top, W, Bottom, red);
    p.FillRect(7, Top + 2, 9, Top + 10, White);
    p.FillRect(5, Top + 5, 11, Top + 7, White);
}

void Turkey(Painter& p)
{
    constexpr uint32_t red = ArtRgb(227, 10, 23);
    p.FillRect(0, Top, W, Bottom, red);
    const double cy = Top + H / 2;
    p.FillEllipse(5.6, cy, 3.6, 3.6, White);
    p.FillEllipse(6.5, cy, 2.9, 2.9, red);
    p.Star(10.6, cy, 2.2, 0.9, -90, White);
}

} // namespace

const std::vector<PixelArt>& FlagPictures()
{
    static const std::vector<PixelArt> flags = [] {
        const uint32_t sweBlue = ArtRgb(0, 106, 167), sweYellow = ArtRgb(254, 204, 0);
        std::vector<PixelArt> v;
        v.push_back(Flag([](Painter& p) { // Spain
            Horizontal(p, {{1, ArtRgb(198, 11, 30)}, {2, ArtRgb(255, 196, 0)}, {1, ArtRgb(198, 11, 30)}});
        }));
        v.push_back(Flag([](Painter& p) { Vertical(p, ArtRgb(0, 85, 164), White, ArtRgb(239, 65, 53)); })); // France
        v.push_back(Flag([](Painter& p) { // Germany
            Horizontal(p, {{1, Black}, {1, ArtRgb(221, 0, 0)}, {1, ArtRgb(255, 206, 0)}});
        }));
        v.push_back(UnitedKingdom());
        v.push_back(Flag([](Painter& p) { Vertical(p, ArtRgb(0, 146, 70), White, ArtRgb(206, 43, 55)); })); // Italy
        v.push_back(Flag([](Painter& p) { // Austria
            Horizontal(p, {{1, ArtRgb(237, 41, 57)}, {1, White}, {1, ArtRgb(237, 41, 57)}});
        }));
        v.push_back(Flag([](Painter& p) { Vertical(p, Black, ArtRgb(253, 218, 36), ArtRgb(239, 51, 64)); })); // Belgium
        v.push_back(Flag([](Painter& p) { NordicCross(p, ArtRgb(200, 16, 46), White, 2); }));          // Denmark
        v.push_back(Flag([](Painter& p) { NordicCross(p, White, ArtRgb(0, 47, 108), 3); }));           // Finland
        v.push_back(Flag([](Painter& p) {                                                            // Norway
            NordicCross(p, ArtRgb(186, 12, 47), White, 4, ArtRgb(0, 32, 91), 2);
        }));
        v.push_back(Flag([](Painter& p) { // Netherlands
            Horizontal(p, {{1, ArtRgb(174, 28, 40)}, {1, White}, {1, ArtRgb(33, 70, 139)}});
        }));
        v.push_back(Flag(Portugal));
        v.push_back(Flag([](Painter& p) { // Russia
            Horizontal(p, {{1, White}, {1, ArtRgb(0, 57, 166)}, {1, ArtRgb(213, 43, 30)}});
        }));
        v.push_back(Flag([=](Painter& p) { NordicCross(p, sweBlue, sweYellow, 2); })); // Sweden
        v.push_back(Flag(Switzerland));
        v.push_back(Flag(Turkey));
        return v;
    }();
    return flags;
}
