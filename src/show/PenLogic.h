#pragma once
// The pen overlay's rules: its palette, toolbar layout, strokes and the toolbar's auto-hide.
#include <array>
#include <cstdint>
#include <optional>

namespace pen {

// The standard 16 colours as OLE colours (0x00BBGGRR).
constexpr std::array<std::uint32_t, 16> Palette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

constexpr int DefaultColor = 12; // bright red
constexpr int DefaultWidth = 3;
constexpr int HideLimit = 25;
constexpr int ToolbarIntervalMs = 500;
constexpr int ImageOffsetTwips = -30;     // the capture sits slightly up and left
constexpr int ToolbarLeftTwips = 40;
constexpr int ToolbarTopTwips = 40;
constexpr int ToolbarHeightTwips = 450;
constexpr int ToolbarMarginTwips = 120;   // inner width minus this is the toolbar's width
constexpr int SwatchSizeTwips = 375;
constexpr int FirstSwatchLeftTwips = 20;
constexpr int WidthLabelTopTwips = 10;
constexpr int WidthLabelGapTwips = 30;
constexpr int BackWidthTwips = 1575;
constexpr int BackHeightTwips = 400;
constexpr int BackTopTwips = -10;
constexpr int BackRightGapTwips = 180;
constexpr int DrawBandTwips = 200;        // moves at or above this Y draw nothing
constexpr int LeftButton = 1;

// Stroke width in pixels for the width label with index 1..3 ("1", "2", "3").
constexpr int WidthForLabel(int index) { return index + 1; }

struct ToolbarLayout {
    int WidthTwips = 0;
    std::array<int, 16> SwatchLeftTwips{};
    std::array<int, 4> WidthLabelLeftTwips{}; // by index 1..3; entry 0 unused
    int BackLeftTwips = 0;
};

ToolbarLayout LayoutToolbar(int innerWidthTwips);

struct Point {
    int X = 0;
    int Y = 0;
    bool operator==(const Point&) const = default;
};

// A line from From to To; a press draws one with both ends equal (a dot).
struct Segment {
    Point From;
    Point To;
    int Color = DefaultColor;
    int Width = DefaultWidth;
    bool operator==(const Segment&) const = default;
};

// One stroke at a time, in the picture's own twips. Colour and width are taken at the press.
class Stroke {
public:
    std::optional<Segment> MouseDown(int button, Point at, int color, int width);
    std::optional<Segment> MouseMove(Point at);
    void MouseUp() { PenDown = 0; }

    int PenDown = 0;

private:
    Point current_;
    int color_ = DefaultColor;
    int width_ = DefaultWidth;
};

enum class ToolbarMove { Stay, Show, Hide };

// One tick of the toolbar's timer. Ticks alternate between a show test and a hide test,
// switching barShown each time.
ToolbarMove ToolbarTick(int& barShown, int hideLimit, int pointerY);

} // namespace pen
