#pragma once
// The video player window's arithmetic, free of windows: the frame around the player, the
// full-window mode, the button bar and its auto-hide.
#include <array>

#include "host/VideoArea.h"

namespace video {

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

enum class ButtonAction {
    Exit,       // halt playback, hide the window
    Halt,       // halt playback where it is
    Play,       // start or resume playback
    DoubleSize, // the picture at double size, the frame around it
    OwnSize,    // the picture at its own size, the frame around it
    FullWindow, // the full-window mode on or off
    Volume,     // halt, leave the top layer, open the sound settings
};

struct ButtonDesign {
    int Index;
    const wchar_t* DesignName; // the caption as stored; the language's caption replaces it at load
    int Picture;               // number in the bar's picture list
    int Text;                  // LangCaption / LangText entry
    ButtonAction Action;
};

// Left to right, by index: an Exit button at each end.
constexpr std::array<ButtonDesign, ButtonCount> Buttons{{
    {0, L"Exit", 1, 42, ButtonAction::Exit},
    {1, L"Stop", 2, 43, ButtonAction::Halt},
    {2, L"Play", 3, 44, ButtonAction::Play},
    {3, L"ZoomOn", 4, 45, ButtonAction::DoubleSize},
    {4, L"ZoomOff", 5, 46, ButtonAction::OwnSize},
    {5, L"Full", 6, 47, ButtonAction::FullWindow},
    {6, L"Volume", 7, 48, ButtonAction::Volume},
    {7, L"Exit", 8, 49, ButtonAction::Exit},
}};

// The design of a button index; nullptr for an index the bar does not have.
const ButtonDesign* Button(int index);

// Every caption is two blanks followed by the language's caption.
constexpr wchar_t CaptionBlanks[] = L"  ";

// Timer1 of the full-window mode.
constexpr int AutoHideIntervalMs = 500;
constexpr int RevealBelowY = 4;

enum class BarChange { Keep, Show, Hide };

// pointerY in screen pixels: the top rows bring the bar back, below hideLimit it goes, in the band
// between nothing changes.
BarChange AutoHideTick(int pointerY, int hideLimit);

} // namespace video
