#pragma once
// Starting programs and documents, opening control panel items, and waiting for a started
// program while the windows keep running.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

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

// Starts a command line with one of the WindowStyle codes and returns the new process's task id
// (its process id); 0 when it could not be started or the style is not one of the codes.
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
