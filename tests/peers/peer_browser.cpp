// Test stand-in for the program the shell opens web addresses with: it notes its command line
// in the file named by VISTORA_PEER_LOG and ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    wchar_t log[1024];
    DWORD n = GetEnvironmentVariableW(L"VISTORA_PEER_LOG", log, 1024);
    if (n == 0 || n >= 1024) return 1;
    HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::string bytes;
    for (const wchar_t* c = GetCommandLineW(); *c; ++c) bytes += *c < 128 ? static_cast<char>(*c) : '?';
    bytes += "\r\n";
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
