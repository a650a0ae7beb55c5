// A long session in one Vistora: round after round of a show with the pen must not pile up
// handles, memory, windows or programs.
#include <gtest/gtest.h>

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "ShowRoadKit.h"

using namespace e2e;
using testsupport::WaitFor;

namespace {

constexpr int Rounds = 100;
constexpr int SettledAfter = 10;
// Each figure comes from the ten rounds up to that point.
constexpr int Sampled = 10;
constexpr int BackButtonId = 100;
constexpr COLORREF PenRed = RGB(255, 0, 0);
constexpr NTSTATUS InfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);

struct Figures {
    DWORD handles = 0;
    DWORD gdiObjects = 0;
    SIZE_T privateBytes = 0;
    int windows = 0;
};

// The process's entries in the system's handle table.
DWORD HandlesInSystemTable(DWORD pid)
{
    std::vector<BYTE> buffer(1 << 20);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(SystemHandleInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), nullptr)) == InfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0) return 0;
    const auto* table = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    DWORD count = 0;
    for (ULONG i = 0; i < table->Count; ++i) count += table->Handle[i].OwnerPid == pid;
    return count;
}

// The private memory the process has committed, region by region. The commit charge that
// GetProcessMemoryInfo gives for another process is, under Wine, its resident anonymous memory,
// which swings by a screen's copy as the C library below keeps or returns freed blocks.
SIZE_T PrivateCommitOf(HANDLE process)
{
    SIZE_T committed = 0;
    MEMORY_BASIC_INFORMATION region;
    const BYTE* at = nullptr;
    while (VirtualQueryEx(process, at, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) committed += region.RegionSize;
        const BYTE* next = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return committed;
}

Figures Measure(DWORD pid)
{
    Figures figures;
    figures.windows = static_cast<int>(testsupport::TopLevelWindowsOf(pid).size());
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return figures;
    // Wine answers 0 for another process; its handle table holds the same figure.
    if (!GetProcessHandleCount(process, &figures.handles) || figures.handles == 0)
        figures.handles = HandlesInSystemTable(pid);
    figures.gdiObjects = testsupport::GdiObjectCount(process);
    figures.privateBytes = PrivateCommitOf(process);
    CloseHandle(process);
    return figures;
}

// Each figure keeps the lowest of the rounds: copies of the screen's picture now and then stay a
// while after their round, and a leak raises even the lowest.
class Samples {
public:
    void Add(const Figures& now)
    {
        lowest_.handles = std::min(lowest_.handles, now.handles);
        lowest_.gdiObjects = std::min(lowest_.gdiObjects, now.gdiObjects);
        lowest_.privateBytes = std::min(lowest_.privateBytes, now.privateBytes);
        lowest_.windows = std::min(lowest_.windows, now.windows);
    }
    const Figures& Result() const { return lowest_; }

private:
    Figures lowest_{MAXDWORD, MAXDWORD, static_cast<SIZE_T>(-1), INT_MAX};
};

void Print(int round, const Figures& f)
{
    std::printf("soak, rounds %d to %d: lowest %lu handles, %lu GDI objects, %zu private bytes and "
                "%d top-level windows\n",
                round - Sampled + 1, round, static_cast<unsigned long>(f.handles),
                static_cast<unsigned long>(f.gdiObjects), static_cast<size_t>(f.privateBytes), f.windows);
}

// A stroke posted to the overlay's drawing surface, in screen pixels. With the real pointer,
// Wine now and then reports a place the pointer left long ago in the middle of the stroke (where
// X last saw it, once the overlay is mapped under it).
void Stroke(HWND overlay, POINT from, POINT to)
{
    POINT inOverlay = from;
    ScreenToClient(overlay, &inOverlay);
    HWND image = ChildWindowFromPointEx(overlay, inOverlay, CWP_SKIPINVISIBLE);
    auto at = [image](POINT p) {
        ScreenToClient(image, &p);
        return MAKELPARAM(p.x, p.y);
    };
    const POINT middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
    PostMessageW(image, WM_LBUTTONDOWN, MK_LBUTTON, at(from));
    PostMessageW(image, WM_MOUSEMOVE, MK_LBUTTON, at(middle));
    PostMessageW(image, WM_MOUSEMOVE, MK_LBUTTON, at(to));
    PostMessageW(image, WM_LBUTTONUP, 0, at(to));
}

class Soak : public ShowRoadTest {
protected:
    // The show, Photo, one stroke on the frozen screen, Back, and the bar's Exit.
    void Round()
    {
        VistoraApp::MoveTo(640, 600);
        // The main window is back on the screen, under the pointer's way, before Start is pressed.
        const HWND start = app_.Button(1);
        ASSERT_TRUE(WaitFor([&] {
            RECT r;
            GetWindowRect(start, &r);
            return IsWindowEnabled(start) && WindowFromPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}) == start;
        }, 3000)) << "the start button can be clicked";
        HWND bar = StartShow(false);
        ASSERT_NE(bar, nullptr);
        HWND show = ShowWindowOf(Name);
        PressBarButton(bar, 2);
        HWND overlay = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (overlay = Overlay(app_)) != nullptr; }, 5000)) << "the overlay shows";
        Stroke(overlay, {200, 300}, {400, 300});
        ASSERT_TRUE(WaitFor([] { return testsupport::ScreenPixel(300, 302) == PenRed; }, 2000)) << "the stroke shows";
        PostMessageW(ChildById(overlay, BackButtonId), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(overlay); }, 5000)) << "Back closes the overlay";
        PressBarButton(bar, 1);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(show); }, 3000)) << "Exit closes the show";
        ASSERT_TRUE(MainIsBack());
        // The hidden bar and what it holds go a moment after the main window is back.
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(bar); }, 3000)) << "the bar is destroyed";
        ASSERT_TRUE(WaitFor([&] { return testsupport::ProcessesStartedBy(app_.Pid()).empty(); }, 5000))
            << "a program Vistora started runs on";
    }
};

} // namespace

TEST_F(Soak, RoundsOfShowAndPenLeaveNoHandlesMemoryWindowsOrProgramsBehind)
{
    Samples settledSamples, lastSamples;
    const DWORD began = GetTickCount();
    for (int round = 1; round <= Rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Round();
        if (HasFatalFailure()) return;
        if (round > SettledAfter - Sampled && round <= SettledAfter) settledSamples.Add(Measure(app_.Pid()));
        if (round > Rounds - Sampled) lastSamples.Add(Measure(app_.Pid()));
    }
    std::printf("soak: %d rounds, %.2f s a round\n", Rounds, (GetTickCount() - began) / 1000.0 / Rounds);
    const Figures settled = settledSamples.Result(), last = lastSamples.Result();
    Print(SettledAfter, settled);
    Print(Rounds, last);

    // Zero means the figure cannot be read here, and a comparison of zeros cannot fail.
    ASSERT_GT(settled.handles, 0u) << "no handle count of another process on this system";
    ASSERT_GT(settled.gdiObjects, 0u) << "no GDI object count of another process on this system";
    ASSERT_GT(settled.privateBytes, 0u) << "no private bytes of another process on this system";
    EXPECT_LE(last.handles * 100.0, settled.handles * 105.0) << "handles grew by more than 5 %";
    EXPECT_LE(last.gdiObjects * 100.0, settled.gdiObjects * 105.0) << "GDI objects grew by more than 5 %";
    EXPECT_LE(last.privateBytes * 100.0, settled.privateBytes * 105.0) << "private bytes grew by more than 5 %";
    EXPECT_LE(last.windows, settled.windows) << "windows of the rounds stay behind";
}
