#include "startup/LocatePresenter.h"

#include <windows.h>

#include "host/TextFile.h"
#include "host/Win32Registry.h"
#include "startup/PresenterLocator.h"

namespace {
void ShowCriticalMessage(const std::wstring& text, const std::wstring& title)
{
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}
} // namespace

void LocatePresenter(std::wstring& presenterExe, std::wstring& showCommand)
{
    host::Win32Registry registry;
    LocatePresenter(registry, host::FileExists, ShowCriticalMessage, presenterExe, showCommand);
}
