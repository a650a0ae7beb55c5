// Time from the picker's pick of the 320 x 240 clip to its first decoded picture on the screen,
// beside the DirectShow graph alone opening and playing the same clip into a plain window, in
// the same run.
#include <windows.h>

#include <ole2.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "ClipPictures.h"
#include "WineTestSupport.h"
#include "app/Shared.h"
#include "host/Form.h"
#include "host/MediaGraph.h"
#include "host/MessageLoop.h"
#include "special/frmWiz.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Runs = 5;
constexpr int TimeoutMs = 15000;
constexpr UINT GraphEvent = WM_APP + 1;
// The player window's Exit button and its player control.
constexpr int IdPlayerExit = 300;
constexpr int IdPlayerControl = 320;

double MsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

RECT ScreenRect(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

bool ShowsClip(HWND picture) { return picture && clips::ShowsHalves(ScreenRect(picture), clips::Red, clips::Blue); }

// The player window of this process once it shows: a form in the task bar.
HWND VisiblePlayer()
{
    return testsupport::FindProcessWindow(GetCurrentProcessId(), L"VistoraForm",
                                          [](HWND w) { return (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0; });
}

void Report(const char* what, std::vector<double> ms)
{
    if (ms.empty()) {
        std::printf("%-44s no run reached a picture\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %7.1f ms   best %7.1f ms   worst %7.1f ms   (%zu runs)\n", what, ms[ms.size() / 2],
                ms.front(), ms.back(), ms.size());
}

// The baseline: the graph alone, built and started in a plain window.
std::vector<double> GraphAlone(const std::wstring& clip, int runs)
{
    host::FormStyle style;
    style.style = WS_POPUP;
    style.exStyle = WS_EX_TOPMOST;
    style.backColor = RGB(128, 128, 128);
    host::Form window(style);
    window.Load();
    window.Move(0, 0, 9600, 7200);
    window.Show();
    host::SleepPumping(300);
    const RECT place{40, 40, 360, 280};
    RECT onScreen = place;
    MapWindowPoints(window.hwnd(), HWND_DESKTOP, reinterpret_cast<POINT*>(&onScreen), 2);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        host::SleepPumping(300); // the grey ground is back
        const Clock::time_point start = Clock::now();
        host::MediaGraph graph(window.hwnd(), GraphEvent);
        graph.SetVideoRect(place);
        if (!graph.Open(clip) || !graph.Play()) continue;
        if (testsupport::WaitFor([&] { return clips::ShowsHalves(onScreen, clips::Red, clips::Blue); }, TimeoutMs, 2))
            times.push_back(MsBetween(start, Clock::now()));
    }
    return times;
}

// The program's road: the picker's Play on the clip, the player window loaded and shown
// modally, the first picture on the screen. Another thread watches the screen and then presses
// the player's Exit.
std::vector<double> FromThePick()
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        frmWiz picker;
        picker.Load();
        picker.Show();
        host::SleepPumping(300);
        picker.SetSelectedIndex(0);

        std::atomic<bool> seen{false};
        Clock::time_point start;
        Clock::time_point shown;
        std::atomic<bool> picking{false};
        std::thread watcher([&] {
            while (!picking) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            HWND player = nullptr;
            const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(TimeoutMs);
            while (Clock::now() < deadline) {
                if (!player) player = VisiblePlayer();
                if (player && ShowsClip(GetWindow(testsupport::ChildById(player, IdPlayerControl), GW_CHILD))) {
                    shown = Clock::now();
                    seen = true;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            while (!player && Clock::now() < deadline) player = VisiblePlayer();
            if (player) PostMessageW(testsupport::ChildById(player, IdPlayerExit), BM_CLICK, 0, 0);
        });
        start = Clock::now();
        picking = true;
        picker.Pick();
        watcher.join();
        picker.Unload();
        host::ReleasePending();
        if (seen) times.push_back(MsBetween(start, shown));
        host::SleepPumping(300);
    }
    return times;
}

} // namespace

int wmain()
{
    OleInitialize(nullptr);
    const std::wstring clip = clips::Path(L"mpeg4.avi");
    if (GetFileAttributesW(clip.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::printf("the clips are missing: tools/make-clips.sh makes them\n");
        return 1;
    }
    {
        testsupport::ScratchFolder folder(L"video-bench");
        CopyFileW(clip.c_str(), (folder / L"Clip.avi").c_str(), FALSE);
        shared.ProgramFolder = folder.path();
        shared.BarHideLimit = 28;

        // The first graph of a process loads the decoders.
        GraphAlone(clip, 1);
        std::printf("first decoded picture of the 320 x 240 clip (mpeg4.avi) on the screen:\n");
        Report("graph alone, open to picture (baseline)", GraphAlone(clip, Runs));
        Report("picker's pick to picture in the player", FromThePick());
    }
    OleUninitialize();
    return 0;
}
