// Test stand-in for a program the picker starts (a small program, a screen saver, the player of
// an associated file): it notes its whole command line in the file named by VISTORA_PEER_LOG and
// then stays running, as such programs do, until it is ended (or a minute has passed).
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    wchar_t log[1024];
    const DWORD n = GetEnvironmentVariableW(L"VISTORA_PEER_LOG", log, 1024);
    if (n && n < 1024) {
        HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0,
                                  nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            std::string bytes;
            for (const wchar_t* c = GetCommandLineW(); *c; ++c) bytes += *c < 128 ? static_cast<char>(*c) : '?';
            bytes += "\r\n";
            DWORD written = 0;
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            CloseHandle(file);
        }
    }
    Sleep(60000);
    return 0;
}
