#include "startup/LocatePresenter.h"

#include <windows.h>

#include "app/Shared.h"
#include "host/Win32Registry.h"
#include "startup/PresenterLocator.h"

namespace {

// A folder of that name cannot be started.
bool IsExistingFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ShowCriticalMessage(const std::wstring& text, const std::wstring& title)
{
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace

void LocatePresenter()
{
    Win32Registry registry;
    LocatePresenter(registry, IsExistingFile, ShowCriticalMessage, shared.PresenterExe,
                    shared.ShowCommand);
}
