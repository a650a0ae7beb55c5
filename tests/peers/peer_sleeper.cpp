// Test stand-in for a started program: "peer_sleeper <ms> <exit code>" waits, then ends with that
// code; "peer_sleeper show" ends with the show command it was started with (99 when none).
#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    if (std::wcsncmp(commandLine, L"show", 4) == 0) {
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        GetStartupInfoW(&si);
        return (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : 99;
    }
    wchar_t* rest = nullptr;
    const unsigned long waitMs = std::wcstoul(commandLine, &rest, 10);
    const unsigned long exitCode = std::wcstoul(rest, nullptr, 10);
    Sleep(waitMs);
    return static_cast<int>(exitCode);
}
