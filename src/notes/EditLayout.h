#pragma once
// The notes editor's layout arithmetic, in twips.
#include <array>

namespace notes {

// The window's parts as designed.
constexpr double StripHeightTwips = 450;   // Lab, the title strip
constexpr double SpacerHeightTwips = 435;  // Img, the band under the strip that holds the buttons
constexpr double SpacerTopTwips = StripHeightTwips + 10;
constexpr double ButtonTopTwips = 490;
constexpr double ButtonHeightTwips = 405;
constexpr int EditButtonCount = 4;

struct EditLayout {
    double ButtonWidth = 0;
    std::array<double, EditButtonCount + 1> ButtonLeft{}; // buttons 1..4
    double StripWidth = 0;                                // Lab and Img
    double TextTop = 0;                                   // Rich1
    double TextWidth = 0;
    double TextHeight = 0;
};

// Four buttons a quarter of the inner width each, neighbours overlapping by 15 twips; the strip
// and the spacer full width; the text from under the spacer to 10 twips below the inner area,
// never of negative height.
EditLayout LayOutEditor(double innerWidth, double innerHeight);

struct Placement {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
};

// Where the editor opens when no placement is stored: half the screen's width and height, left
// and top chosen so that a window of its design size would be centred.
Placement DefaultPlacement(double screenWidth, double screenHeight, double designWidth, double designHeight);

} // namespace notes
