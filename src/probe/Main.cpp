#include "probe/Main.h"

#include "probe/AnswerFile.h"
#include "probe/Connection.h"
#include "probe/SocketsRules.h"
#include "probe/WinsockResolver.h"

#include <winsock.h>

#include <vector>

namespace {

constexpr const wchar_t* kTitle = L"Brannox";
constexpr const wchar_t* kClassName = L"BrannoxMain";

// The probe's messages are plain ASCII.
std::wstring Widen(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// The folder of this executable as the system reports it, however long the path.
std::wstring ProgramFolder()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            const std::wstring exe(buffer.data(), length);
            const std::size_t cut = exe.find_last_of(L"\\/");
            return cut == std::wstring::npos ? std::wstring() : exe.substr(0, cut);
        }
        buffer.resize(buffer.size() * 2);
    }
}

HWND CreateHiddenWindow(HINSTANCE instance)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    // Never shown: no WS_VISIBLE, and a tool window in case anything ever did show it.
    return CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, kTitle, WS_OVERLAPPED | WS_CAPTION, 0, 0, 0, 0, nullptr,
                           nullptr, instance, nullptr);
}

} // namespace

int Main::Form_Load(HINSTANCE instance)
{
    window_.reset(CreateHiddenWindow(instance));
    if (!SocketsInitialize()) return 1;

    const std::wstring folder = ProgramFolder();
    const std::wstring file = folder.empty() ? std::wstring(kAnswerFileName) : folder + L"\\" + kAnswerFileName;
    WinsockResolver resolver;
    const AnswerFileResult written = WriteAnswerFile(file, [&resolver] { return ifConnected(resolver); });
    if (written != AnswerFileResult::Written) {
        WSACleanup();
        const wchar_t* what = written == AnswerFileResult::CreateFailed ? L"could not be created" : L"could not be written";
        Report(L"The file \"" + file + L"\" " + what + L".");
        return 1;
    }

    if (!SocketsCleanup()) return 1;
    return 0;
}

bool Main::SocketsInitialize()
{
    WSADATA data{};
    SocketsStartup startup;
    startup.result = WSAStartup(kSocketsVersion, &data);
    startup.wVersion = data.wVersion;
    startup.iMaxSockets = static_cast<std::int16_t>(data.iMaxSockets);
    const std::string problem = StartupProblem(startup);
    if (problem.empty()) return true;
    // Registered but unusable: give the registration back before ending.
    if (startup.result == 0) WSACleanup();
    Report(Widen(problem));
    return false;
}

bool Main::SocketsCleanup()
{
    const std::string problem = CleanupProblem(WSACleanup());
    if (problem.empty()) return true;
    Report(Widen(problem));
    return false;
}

void Main::Report(const std::wstring& message) const
{
    // Owned by the hidden window, so a hidden start of the process does not hide the message too.
    MessageBoxW(window_.get(), message.c_str(), kTitle, MB_OK | MB_SETFOREGROUND);
}
