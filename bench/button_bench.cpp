// Figures for the button: the cost of one paint beside a bare FillRect of the same area, and
// the CPU a process spends while a button is hovered with the pointer resting on it.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "BenchReport.h"
#include "controls/ProgramButtonDesign.h"
#include "host/ZelButtonOXP.h"
#include "host/Handles.h"
#include "host/Picture.h"

namespace {
using Clock = std::chrono::steady_clock;

double MicrosecondsPer(int count, Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count() / count;
}

double ProcessCpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// Runs this thread's message loop for the given time and returns the CPU share used.
double CpuShareWhileRunning(int milliseconds)
{
    const double cpu0 = ProcessCpuSeconds();
    const auto t0 = Clock::now();
    const UINT_PTR stop = SetTimer(nullptr, 0, milliseconds, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == stop) break;
        DispatchMessageW(&msg);
    }
    KillTimer(nullptr, stop);
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    return (ProcessCpuSeconds() - cpu0) / wall;
}

std::vector<std::uint32_t> Square16()
{
    std::vector<std::uint32_t> px(256, 0);
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 14; ++x) px[y * 16 + x] = (x == 2 || y == 2 || x == 13 || y == 13) ? 0xFF203020 : 0xFF30A040;
    return px;
}
} // namespace

int wmain()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"ButtonBench";
    RegisterClassExW(&wc);
    UniqueWindow host(CreateWindowExW(WS_EX_TOPMOST, L"ButtonBench", L"Bench", WS_POPUP | WS_VISIBLE, 100, 100, 300,
                                      100, nullptr, nullptr, wc.hInstance, nullptr));
    ZelButtonOXP button(host.get(), 1, L"cmd", ProgramButtonDesign(L"  Start"));
    SetWindowPos(button.hwnd(), nullptr, 20, 20, 100, 27, SWP_NOZORDER | SWP_NOACTIVATE);
    button.SetPictureNormal(std::make_shared<const Picture>(Picture::FromPixels(16, 16, Square16())));

    // Paints and fills take turns in short rounds, so that a stretch in which the machine is busy
    // slows both alike; the medians are compared.
    constexpr int Rounds = 21, PerRound = 100;
    std::vector<double> paints, fills;
    const UniqueBrush brush(CreateSolidBrush(RGB(236, 233, 216)));
    const RECT area{0, 0, 100, 27};
    for (int round = 0; round < Rounds; ++round) {
        auto t0 = Clock::now();
        for (int i = 0; i < PerRound; ++i) button.DrawButton(StateUp, true);
        paints.push_back(MicrosecondsPer(PerRound, Clock::now() - t0));
        // The buttons share their class's device context; the fills take it only between paints.
        const WindowDc dc(button.hwnd());
        t0 = Clock::now();
        for (int i = 0; i < PerRound; ++i) FillRect(dc.get(), &area, brush.get());
        GdiFlush();
        fills.push_back(MicrosecondsPer(PerRound, Clock::now() - t0));
    }
    const double paintUs = Median(paints), fillUs = Median(fills);
    std::printf("DrawButton 100x27 with a 16x16 picture: %.1f us per paint (median of %d rounds)\n", paintUs, Rounds);
    std::printf("Baseline FillRect of 100x27 on the window:  %.2f us per fill (%.1fx)\n", fillUs, paintUs / fillUs);

    constexpr int Seconds = 10;
    SetCursorPos(5, 5);
    const double idle = CpuShareWhileRunning(Seconds * 1000);
    POINT p{50, 13};
    ClientToScreen(button.hwnd(), &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 13));
    const bool hovering = button.State().Hovering;
    const double hovered = CpuShareWhileRunning(Seconds * 1000);
    // What the hover's timer alone costs this system: a timer at the same period whose ticks
    // reach a window that does nothing with them.
    SetCursorPos(5, 5);
    constexpr UINT_PTR BareTimer = 7;
    SetTimer(host.get(), BareTimer, USER_TIMER_MINIMUM, nullptr);
    const double bareTimer = CpuShareWhileRunning(Seconds * 1000);
    KillTimer(host.get(), BareTimer);
    std::printf("CPU share over %d s, idle:                  %.2f %%\n", Seconds, idle * 100);
    std::printf("CPU share over %d s, hovered:               %.2f %%%s\n", Seconds, hovered * 100,
                hovering ? "" : " (the hover did not start)");
    std::printf("CPU share over %d s, a bare %u ms timer:     %.2f %%\n", Seconds, USER_TIMER_MINIMUM, bareTimer * 100);

    char figure[32], floor[32], ratio[32];
    std::snprintf(figure, sizeof figure, "%.1f us", paintUs);
    std::snprintf(floor, sizeof floor, "%.2f us", fillUs);
    std::snprintf(ratio, sizeof ratio, "%.1fx", paintUs / fillUs);
    ReportFigure("DrawButton 100x27 with a 16x16 picture", figure, floor, ratio, "<= 15x");
    std::snprintf(figure, sizeof figure, "%.2f %%", hovered * 100);
    std::snprintf(floor, sizeof floor, "%.2f %%", idle * 100);
    std::snprintf(ratio, sizeof ratio, "%+.2f points", (hovered - idle) * 100);
    ReportFigure(hovering ? "CPU while the pointer rests on a button" : "CPU on a button (the hover did not start)",
                 figure, floor, ratio, "<= 1 %");
    std::snprintf(floor, sizeof floor, "%.2f %%", bareTimer * 100);
    std::snprintf(ratio, sizeof ratio, "%+.2f points", (hovered - bareTimer) * 100);
    ReportFigure("the same, floor: a bare timer at the hover's period", figure, floor, ratio, "-");
    return hovering ? 0 : 1;
}
