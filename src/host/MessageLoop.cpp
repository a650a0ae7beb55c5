#include "host/MessageLoop.h"

#include <windows.h>

#include <vector>

namespace host {

namespace {
int nesting = 0;
std::vector<std::shared_ptr<void>> pendingRelease;

// A WM_QUIT seen inside a nested loop is put back so that the outer loop ends too.
bool PumpOne(MSG& msg)
{
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}
} // namespace

NestedLoopScope::NestedLoopScope() { ++nesting; }
NestedLoopScope::~NestedLoopScope() { --nesting; }


void DoEvents()
{
    NestedLoopScope scope;
    MSG msg;
    // Bounded so that a window that keeps posting to itself cannot hold the caller forever.
    for (int i = 0; i < 10000 && PumpOne(msg); ++i) {
    }
}

void SleepPumping(unsigned ms)
{
    NestedLoopScope scope;
    const ULONGLONG deadline = GetTickCount64() + ms;
    for (;;) {
        MSG msg;
        while (PumpOne(msg)) {
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return;
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}

int RunMessageLoop()
{
    MSG msg;
    for (;;) {
        ReleasePending();
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    ReleasePending();
    return static_cast<int>(msg.wParam);
}

void ReleaseLater(std::shared_ptr<void> object)
{
    if (!object) return;
    pendingRelease.push_back(std::move(object));
    // Wake the outer loop so that the release does not wait for the next unrelated message.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void ReleasePending()
{
    if (nesting > 0) return;
    while (!pendingRelease.empty()) {
        auto batch = std::move(pendingRelease);
        pendingRelease.clear();
        batch.clear();
    }
}

} // namespace host
