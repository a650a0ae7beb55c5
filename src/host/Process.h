#pragma once
// Starting programs and documents, opening control panel items, and waiting for a started
// program while the windows keep running.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "host/Handles.h"

namespace host {

// The classic window-style codes a program is started with.
namespace WindowStyle {
constexpr int Hide = 0;
constexpr int NormalFocus = 1;
constexpr int MinimizedFocus = 2;
constexpr int MaximizedFocus = 3;
constexpr int NormalNoFocus = 4;
constexpr int MinimizedNoFocus = 6;
} // namespace WindowStyle

// A started program: its task id and the handle its start returned (kept by whoever ends it
// later, since a task id may name another process once this one has ended).
struct StartedProgram {
    DWORD Id = 0;
    UniqueKernelHandle Process;
};

// Starts a command line with one of the WindowStyle codes. Id 0 and no handle when it could not
// be started or the style is not one of the codes.
StartedProgram StartProgram(const std::wstring& commandLine, int windowStyle);

// The same, for a caller that needs only the task id (0 when nothing started).
DWORD StartProcess(const std::wstring& commandLine, int windowStyle);

// Opens a file, document or program the way the shell does; empty params or dir are left out.
// Returns the shell's result: greater than 32 on success, an error code otherwise.
std::intptr_t ShellOpen(HWND owner, const std::wstring& file, const std::wstring& params, const std::wstring& dir,
                        int showCmd);

// Opens a control panel item such as L"powercfg.cpl" or L"mmsys.cpl" without waiting for it.
// Returns whether it was handed to the shell.
bool OpenControlPanelItem(const std::wstring& item);

// Polls a started program every pollMs until it has ended, running pumpMessages after each
// pause so that the windows stay alive. Returns the program's exit code, or -1 at once when the
// task id names no process this program may look at.
int WaitForProcessExit(DWORD processId, const std::function<void()>& pumpMessages, DWORD pollMs = 100);

} // namespace host
