#pragma once
// Message pumping for an event-driven program whose handlers may wait: DoEvents, a Sleep that
// lets window messages through, the outer loop, and the release of windows once no handler of
// theirs can still be on the stack.
#include <functional>
#include <memory>

namespace host {

// Runs every window message that is waiting, then returns.
void DoEvents();

// Waits about ms milliseconds while window messages keep running.
void SleepPumping(unsigned ms);

// The program's outer loop; returns the exit code posted with WM_QUIT.
int RunMessageLoop();

// Destroys an object once control is back in the outer loop (or at once when it already is):
// a window asked to go away from inside its own handler must outlive that handler.
void ReleaseLater(std::shared_ptr<void> object);

// Deletes what ReleaseLater queued; called by the outer loop between messages.
void ReleasePending();

// Counts the nesting of message loops started from handlers.
class NestedLoopScope {
public:
    NestedLoopScope();
    ~NestedLoopScope();
    NestedLoopScope(const NestedLoopScope&) = delete;
    NestedLoopScope& operator=(const NestedLoopScope&) = delete;
};

} // namespace host
