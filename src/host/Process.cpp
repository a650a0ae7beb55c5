#include "host/Process.h"

#include "host/ComPtr.h"
#include "host/Handles.h"

#include <ole2.h>
#include <shellapi.h>
#include <shldisp.h>

#include <memory>
#include <optional>
#include <vector>

namespace host {

namespace {

std::optional<WORD> ShowCommandFor(int windowStyle)
{
    switch (windowStyle) {
    case WindowStyle::Hide: return SW_HIDE;
    case WindowStyle::NormalFocus: return SW_SHOWNORMAL;
    case WindowStyle::MinimizedFocus: return SW_SHOWMINIMIZED;
    case WindowStyle::MaximizedFocus: return SW_SHOWMAXIMIZED;
    case WindowStyle::NormalNoFocus: return SW_SHOWNOACTIVATE;
    case WindowStyle::MinimizedNoFocus: return SW_SHOWMINNOACTIVE;
    default: return std::nullopt;
    }
}

struct BstrFree {
    void operator()(BSTR text) const { SysFreeString(text); }
};

// A fresh automation object of the shell each time; false where it is missing or declines.
bool ControlPanelItemThroughShell(const std::wstring& item)
{
    const ComPtr<IShellDispatch> shell = CreateComObject<IShellDispatch>(CLSID_Shell, IID_IShellDispatch);
    if (!shell) return false;
    const std::unique_ptr<OLECHAR, BstrFree> name(SysAllocString(item.c_str()));
    return name && SUCCEEDED(shell->ControlPanelItem(name.get()));
}

bool HasEnded(HANDLE process)
{
    return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

} // namespace

StartedProgram StartProgram(const std::wstring& commandLine, int windowStyle)
{
    const std::optional<WORD> show = ShowCommandFor(windowStyle);
    if (!show || commandLine.empty()) return {};
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = *show;
    PROCESS_INFORMATION pi{};
    // CreateProcessW may write into the command line.
    std::vector<wchar_t> command(commandLine.begin(), commandLine.end());
    command.push_back(L'\0');
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return {};
    UniqueKernelHandle thread(pi.hThread);
    return StartedProgram{pi.dwProcessId, UniqueKernelHandle(pi.hProcess)};
}

DWORD StartProcess(const std::wstring& commandLine, int windowStyle) { return StartProgram(commandLine, windowStyle).Id; }

std::intptr_t ShellOpen(HWND owner, const std::wstring& file, const std::wstring& params, const std::wstring& dir,
                        int showCmd)
{
    // The shell may hand work to its extensions, which want COM on this thread.
    ComApartment com;
    const HINSTANCE result = ShellExecuteW(owner, L"open", file.c_str(), params.empty() ? nullptr : params.c_str(),
                                           dir.empty() ? nullptr : dir.c_str(), showCmd);
    return reinterpret_cast<std::intptr_t>(result);
}

bool OpenControlPanelItem(const std::wstring& item)
{
    ComApartment com;
    if (ControlPanelItemThroughShell(item)) return true;
    // Without the automation object (or where it does not implement the call, as under Wine),
    // the control panel program opens the item itself.
    return ShellOpen(nullptr, L"control.exe", item, L"", SW_SHOWNORMAL) > 32;
}

int WaitForProcessExit(DWORD processId, const std::function<void()>& pumpMessages, DWORD pollMs)
{
    // SYNCHRONIZE too where allowed: a program whose own exit code is STILL_ACTIVE would
    // otherwise be waited for for ever.
    UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, processId));
    if (!process) process.reset(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (!process) return -1;
    DWORD code = 0;
    do {
        if (!GetExitCodeProcess(process.get(), &code)) return -1;
        if (code == STILL_ACTIVE && HasEnded(process.get())) break;
        Sleep(pollMs);
        if (pumpMessages) pumpMessages();
    } while (code == STILL_ACTIVE);
    return static_cast<int>(code);
}

} // namespace host
