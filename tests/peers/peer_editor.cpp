// Test stand-in for the program associated with text files. It notes its command line in the
// file named by VISTORA_PEER_LOG, then does what VISTORA_EDITOR_ACTION says to the file it was
// given: "caption" renames the first text's caption Exit to Leave, "delete" removes the file.
// It stays open for VISTORA_EDITOR_MS milliseconds first, like a user editing.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {
std::wstring Env(const wchar_t* name)
{
    wchar_t buffer[1024];
    DWORD n = GetEnvironmentVariableW(name, buffer, 1024);
    return n && n < 1024 ? std::wstring(buffer, n) : std::wstring();
}

void AppendLog(const std::wstring& text)
{
    const std::wstring log = Env(L"VISTORA_PEER_LOG");
    if (log.empty()) return;
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::string bytes;
    for (wchar_t c : text) bytes += c < 128 ? static_cast<char>(c) : '?';
    bytes += "\r\n";
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// The file argument: the last quoted piece of the command line.
std::wstring FileArgument(const std::wstring& commandLine)
{
    const auto close = commandLine.find_last_of(L'"');
    if (close == std::wstring::npos || close == 0) return {};
    const auto open = commandLine.find_last_of(L'"', close - 1);
    return open == std::wstring::npos ? std::wstring() : commandLine.substr(open + 1, close - open - 1);
}
} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring commandLine = GetCommandLineW();
    AppendLog(commandLine);
    const std::wstring ms = Env(L"VISTORA_EDITOR_MS");
    Sleep(ms.empty() ? 0 : std::wcstoul(ms.c_str(), nullptr, 10));
    const std::wstring path = FileArgument(commandLine);
    const std::wstring action = Env(L"VISTORA_EDITOR_ACTION");
    if (action == L"delete") {
        DeleteFileW(path.c_str());
    } else if (action == L"caption") {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 2;
        std::string bytes(static_cast<size_t>(GetFileSize(file, nullptr)), '\0');
        DWORD got = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
        CloseHandle(file);
        const auto at = bytes.find("\"Exit:");
        if (at != std::string::npos) bytes.replace(at, 6, "\"Leave:");
        file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 3;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
        CloseHandle(file);
    }
    return 0;
}
