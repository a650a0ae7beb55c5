#pragma once
// The video player's arithmetic, free of windows: how big the player control is and where its
// picture goes, the frame around the player, the full-window mode and the bar's auto-hide.
#include <array>

namespace video {

// The player control's DisplaySize values.
constexpr int DisplayOwnSize = 0;
constexpr int DisplayDoubleSize = 2;
constexpr int DisplayFitToControl = 4;

struct PixelSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const PixelSize&) const = default;
};

// A place by its left, top, width and height: in pixels, or in twips.
template <typename T>
struct Box {
    T Left{};
    T Top{};
    T Width{};
    T Height{};
    bool operator==(const Box&) const = default;
};
using PixelRect = Box<int>;
using TwipsRect = Box<double>;

struct PlayerArea {
    PixelSize Control; // the control's own size
    PixelRect Picture; // the picture, relative to the control
};

// video is the picture's own size (0 by 0 when nothing could be opened), control the control's
// current size. With autoSize the control takes the size the picture is shown at (fitting to the
// control keeps the control's size). A picture fitted to the control keeps its proportions and is
// centred; one larger than a control that keeps its size is shrunk the same way.
PlayerArea ArrangePlayer(PixelSize video, int displaySize, bool autoSize, PixelSize control);

// Where the frame (Pic) and the player inside it go, and the bar's (Menu) width.
struct PlayerFrame {
    TwipsRect Pic;
    TwipsRect Player; // relative to Pic
    double MenuWidth = 0;
};

constexpr double PlayerInsetTwips = 40;  // the player's offset inside the frame
constexpr double FrameMarginTwips = 160; // the frame is this much larger than the player
constexpr double FrameBelowCentreTwips = 160;

// GO_Resize: the frame around a player of the given size, centred across the window's inner
// area and sitting 160 twips below its vertical centre.
PlayerFrame FrameAroundPlayer(double innerWidth, double innerHeight, double playerWidth, double playerHeight);

// The full-window mode: the frame covers the inner area and the player fills it but for a margin
// (never a negative size, however small the window).
PlayerFrame FullWindowFrame(double innerWidth, double innerHeight);

constexpr int ButtonCount = 8;
constexpr double MenuHeightTwips = 470;
constexpr double FirstButtonLeftTwips = 10;

struct ButtonRow {
    double Width = 0;
    std::array<double, ButtonCount> Left{};
};

// The eight buttons share the inner width: each inner width / 8 - 10 wide (not rounded), the
// first at 10, each next one a button's width further.
ButtonRow LayoutButtons(double innerWidth);

// Timer1 of the full-window mode.
constexpr int AutoHideIntervalMs = 500;
constexpr int RevealBelowY = 4;

enum class BarChange { Keep, Show, Hide };

// pointerY in screen pixels: the top rows bring the bar back, below hideLimit it goes, in the band
// between nothing changes.
BarChange AutoHideTick(int pointerY, int hideLimit);

} // namespace video
