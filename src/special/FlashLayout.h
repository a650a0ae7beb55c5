#pragma once
// The flash player window's decisions, free of windows: its button bar, the movie's four
// sizes and the bar's auto-hide.
#include <array>
#include <string>
#include <string_view>

namespace special {

constexpr double FlashBarHeightTwips = 470;      // Picture1
constexpr double FlashBarHiddenTopTwips = -500;  // above the window, out of view
constexpr double FlashButtonHeightTwips = 400;
constexpr unsigned FlashTimerIntervalMs = 150;   // Timer1
constexpr int FlashHideLimit = 28;               // a pointer below this row hides the bar
constexpr int FlashRevealBelowY = 4;             // pointer rows 0..3 bring the bar back
constexpr int FlashButtonCount = 6;              // cmd(1..6); there is no button 0

enum class FlashAction {
    Exit,      // stop the movie and hide the window
    Scale,     // the inner size divided by the button's divisor, centred
    FullSize,  // the whole inner area
};

struct FlashButtonDesign {
    int Index;
    const wchar_t* Caption; // as stored; the exit buttons take the language's caption at load
    FlashAction Action;
    double Divisor;         // for Scale
};

// Left to right, by index. Button 3 shows two thirds of the window, whatever its caption says.
constexpr std::array<FlashButtonDesign, FlashButtonCount> FlashButtons{{
    {1, L"Exit", FlashAction::Exit, 0},
    {2, L"1 / 2", FlashAction::Scale, 2},
    {3, L"3 / 4", FlashAction::Scale, 1.5},
    {4, L"4 / 5", FlashAction::Scale, 1.25},
    {5, L"1 / 1", FlashAction::FullSize, 0},
    {6, L"Exit", FlashAction::Exit, 0},
}};

// The design of a button index; nullptr for an index the bar does not have.
const FlashButtonDesign* FlashButton(int index);

// The exit buttons' caption: the language's caption without its leading blanks.
std::wstring FlashExitCaption(std::wstring_view langCaption);

struct FlashBarLayout {
    int ButtonWidthTwips = 0;
    std::array<int, FlashButtonCount + 1> LeftTwips{}; // by index 1..6; entry 0 unused
};

// Equal buttons edge to edge from the left: a sixth of the inner width less 10 twips each,
// rounded halves to even.
FlashBarLayout LayOutFlashBar(double innerWidthTwips);

struct MovieSize {
    double WidthTwips = 0;
    double HeightTwips = 0;
};

// The size a Scale button asks of the movie.
MovieSize ScaledMovieSize(double innerWidthTwips, double innerHeightTwips, double divisor);

struct MoviePlace {
    double LeftTwips = 0;
    double TopTwips = 0;
};

// Where a movie of the size the control really took stands centred in the inner area.
MoviePlace CentredMovie(double innerWidthTwips, double innerHeightTwips, double widthTwips, double heightTwips);

enum class FlashBarMove { Stay, Reveal, Hide };

// One Timer1 tick. The show test and the hide test take turns: checkPhase says which one this
// tick makes (0 show, 1 hide) and is turned for the next. pointerY is in screen pixels.
FlashBarMove FlashBarTick(int& checkPhase, int hideLimit, int pointerY);

} // namespace special
