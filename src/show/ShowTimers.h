#pragma once
// The decisions of the show bar's three timers, free of windows so they can be tested alone.
#include <cstdint>
#include <string>
#include <vector>

class WindowList;

namespace show {

constexpr int LaunchIntervalMs = 250;   // Timer2: starts the show once
constexpr int AutoHideIntervalMs = 450; // Timer1
constexpr int WatchIntervalMs = 500;    // Timer3
constexpr int LaunchSettleMs = 500;     // pause after starting the show
constexpr int BarHiddenTopTwips = -600;
constexpr int RevealBelowY = 4;         // pointer rows 0..3 bring the bar back

// Timer2 starts the show once: the first claim wins, also when a later tick arrives while
// the first one still lets messages run.
class LaunchOnce {
public:
    bool Claim()
    {
        if (claimed_) return false;
        claimed_ = true;
        return true;
    }
    bool Claimed() const { return claimed_; }

private:
    bool claimed_ = false;
};

enum class BarMove { Stay, Hide, Reveal };

// Timer1: barShown is the bar's BarShown (1 in view, 0 out of view), pointerY in screen pixels.
// A bar in view hides below hideLimit; a hidden bar returns only at the top edge (Y < 4).
BarMove AutoHideTick(int& barShown, int hideLimit, int pointerY);

enum class WatchResult {
    Waiting,  // the show window has not appeared yet
    Seen,     // it appeared on this tick
    Running,  // it is still there
    Gone,     // it was seen before and has now disappeared: end the bar
};

// The show's window among the top-level windows listed now; 0 when there is none.
std::intptr_t LocateShowWindow(WindowList& list, const std::wstring& showFileName);

// Timer3: lists the windows and decides what the show's window is doing.
class ShowWatch {
public:
    WatchResult Tick(WindowList& list, const std::wstring& showFileName);
    bool ShowSeen = false;
};

// The command line that starts the show: ShowCommand and the quoted presentation path.
std::wstring LaunchCommandLine(const std::wstring& showCommand, const std::wstring& showFile);

} // namespace show
