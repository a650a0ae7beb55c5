#pragma once
// Helpers shared by the Windows test tiers: paths handed in from the build, scratch folders,
// finding windows and waiting for conditions.
#include <windows.h>

#include <tlhelp32.h>
#include <winternl.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// A unix path from the environment as Wine sees it (Z: maps the unix root).
inline std::wstring WinePathFromEnv(const wchar_t* variable, const std::wstring& suffix = L"")
{
    wchar_t buffer[4096];
    DWORD n = GetEnvironmentVariableW(variable, buffer, 4096);
    if (n == 0 || n >= 4096) return {};
    std::wstring path(buffer, n);
    if (!path.empty() && path[0] == L'/') {
        for (auto& c : path)
            if (c == L'/') c = L'\\';
        path = L"Z:" + path;
    }
    return path + suffix;
}

// The build folder and the ready program folder of the current build.
inline std::wstring BuildFolder() { return WinePathFromEnv(L"VISTORA_BUILD"); }
inline std::wstring ProgramFolder() { return BuildFolder() + L"\\cross\\program"; }

// Polls until the condition holds or the time runs out, letting this thread's messages run.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000, int stepMs = 20)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(stepMs));
    }
}

// One pixel of the screen as it shows now.
inline COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

inline std::wstring WindowText(HWND hwnd)
{
    wchar_t buffer[1024];
    int n = GetWindowTextW(hwnd, buffer, 1024);
    return std::wstring(buffer, n > 0 ? n : 0);
}

// A fresh, empty folder under the system's temporary folder, removed by the destructor.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name)
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + name + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount());
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { RemoveTree(path_); }
    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

    static void RemoveTree(const std::wstring& folder)
    {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                std::wstring full = folder + L"\\" + name;
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(full);
                else
                    DeleteFileW(full.c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(folder.c_str());
    }

private:
    std::wstring path_;
};

inline bool WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

inline std::string ReadBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

// Finds the first visible top-level window of a process whose class matches (nullptr: any) and
// that the test accepts (no test: any).
inline HWND FindProcessWindow(DWORD pid, const wchar_t* className = nullptr,
                              const std::function<bool(HWND)>& accept = {})
{
    struct Search {
        DWORD pid;
        const wchar_t* cls;
        const std::function<bool(HWND)>* accept;
        HWND found;
    } search{pid, className, &accept, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner != s->pid || !IsWindowVisible(w)) return TRUE;
            if (s->cls) {
                wchar_t cls[256];
                GetClassNameW(w, cls, 256);
                if (lstrcmpiW(cls, s->cls) != 0) return TRUE;
            }
            if (*s->accept && !(*s->accept)(w)) return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A window anywhere below root with this control id.
inline HWND ChildById(HWND root, int id)
{
    struct Search {
        int id;
        HWND found = nullptr;
    } search{id};
    EnumChildWindows(
        root,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            if (GetDlgCtrlID(w) != s->id) return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The static text of a message box (dialog class #32770).
inline std::wstring DialogMessageText(HWND dialog)
{
    HWND text = GetDlgItem(dialog, 0xFFFF);
    return text ? WindowText(text) : std::wstring{};
}

} // namespace testsupport

namespace testsupport {
// Ends every process whose executable lies in the folder, so that nothing started from a scratch
// program folder outlives its test.
inline void EndProgramsFrom(const std::wstring& folder)
{
    const std::wstring prefix = folder + L"\\";
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                                     entry.th32ProcessID);
        if (!process) continue;
        wchar_t image[MAX_PATH * 2];
        DWORD size = MAX_PATH * 2;
        if (QueryFullProcessImageNameW(process, 0, image, &size) && size > prefix.size() &&
            CompareStringOrdinal(image, static_cast<int>(prefix.size()), prefix.c_str(),
                                 static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
        }
        CloseHandle(process);
    }
    CloseHandle(snapshot);
}

// A drive letter that points at a folder while this lives; a folder that does not exist makes it a
// drive without its medium. The first free letter from `from` down to `to` is taken (a single
// letter asked for is taken even when in use: the newest definition counts).
class MappedDrive {
public:
    explicit MappedDrive(const std::wstring& target, wchar_t from = L'Y', wchar_t to = L'M')
    {
        const DWORD used = GetLogicalDrives();
        for (wchar_t c = from; c >= to; --c) {
            if (from != to && (used & (1u << (c - L'A')))) continue;
            if (DefineDosDeviceW(0, std::wstring{c, L':'}.c_str(), target.c_str())) letter_ = c;
            break;
        }
    }
    ~MappedDrive() { Remove(); }
    MappedDrive(const MappedDrive&) = delete;
    MappedDrive& operator=(const MappedDrive&) = delete;
    // The letter in capitals; the drive as the drive list writes it ("y:").
    wchar_t Letter() const { return letter_; }
    std::wstring Drive() const { return std::wstring{static_cast<wchar_t>(letter_ - L'A' + L'a'), L':'}; }
    bool Present() const { return letter_ && (GetLogicalDrives() & (1u << (letter_ - L'A'))); }
    // The drive goes, as a stick pulled out does.
    void Remove()
    {
        if (letter_) DefineDosDeviceW(DDD_REMOVE_DEFINITION, Drive().c_str(), nullptr);
        letter_ = 0;
    }

private:
    wchar_t letter_ = 0;
};

// Under Wine, the Unix path of a Windows path; empty elsewhere.
inline std::wstring UnixPathOf(const std::wstring& path)
{
    using UnixName = char*(CDECL*)(LPCWSTR);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* unixPath = unixName ? unixName(path.c_str()) : nullptr;
    if (!unixPath) return {};
    std::wstring text;
    for (const char* p = unixPath; *p; ++p) text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    HeapFree(GetProcessHeap(), 0, unixPath);
    return text;
}

// Starts a command line without waiting for it or keeping its handles.
inline bool StartDetached(std::wstring command)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    return true;
}

// Under Wine, starts a Unix program (with its options) on a file given by its Windows path and a
// Unix name below it, for what Windows calls can't do or must not be seen doing. A Unix process
// can't be waited for: wait for its effect. False where that is not possible.
inline bool StartUnixProgram(const std::wstring& program, const std::wstring& path, const std::wstring& below = L"")
{
    const std::wstring unixPath = UnixPathOf(path);
    if (unixPath.empty()) return false;
    return StartDetached(program + L" \"" + unixPath + (below.empty() ? L"" : L"/" + below) + L"\"");
}

inline bool FileExistsForTest(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace testsupport

namespace testsupport {

// Answers every message box with the given title shown while it lives (from any process),
// keeping what each said.
class MessageBoxWatch {
public:
    struct Seen {
        std::wstring text;
        bool errorIcon = false;
        bool exclamationIcon = false;
        bool okOnly = false;
        bool yesNo = false;
    };

    explicit MessageBoxWatch(int answer = IDOK, std::wstring title = L"Vistora")
        : answer_(answer), title_(std::move(title)), thread_([this] {
              while (!stop_) {
                  if (HWND box = FindWindowW(L"#32770", title_.c_str())) Answer(box);
                  Sleep(20);
              }
          })
    {
    }
    ~MessageBoxWatch()
    {
        stop_ = true;
        thread_.join();
    }
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    std::vector<Seen> seen() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return seen_;
    }
    std::size_t count() const { return seen().size(); }

private:
    void Answer(HWND box)
    {
        Seen s{DialogMessageText(box)};
        s.okOnly = GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL) && !GetDlgItem(box, IDNO);
        s.yesNo = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && !GetDlgItem(box, IDCANCEL);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
                s.errorIcon = icon == LoadIconW(nullptr, IDI_HAND);
                s.exclamationIcon = icon == LoadIconW(nullptr, IDI_EXCLAMATION);
            }
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen_.push_back(s);
        }
        SendMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer_), 0);
        WaitFor([&] { return !IsWindow(box); }, 2000);
    }

    const int answer_;
    const std::wstring title_;
    mutable std::mutex mutex_;
    std::vector<Seen> seen_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace testsupport

namespace testsupport {

// An environment variable's value; empty when it is not set.
inline std::wstring Env(const wchar_t* name)
{
    wchar_t buffer[4096];
    DWORD n = GetEnvironmentVariableW(name, buffer, 4096);
    return n && n < 4096 ? std::wstring(buffer, n) : std::wstring();
}

// The command line that runs this test program again with a gtest filter.
inline std::wstring SelfCommand(const std::wstring& filter)
{
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    return L"\"" + std::wstring(exe) + L"\" --gtest_filter=" + filter;
}

// Runs this test program again with a gtest filter and one environment variable set; returns
// its exit code (999 when it could not start or did not end within the time).
inline DWORD RunSelf(const std::wstring& filter, const std::wstring& variable, const std::wstring& value,
                     DWORD timeoutMs = 60000)
{
    std::wstring command = SelfCommand(filter);
    SetEnvironmentVariableW(variable.c_str(), value.c_str());
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    DWORD code = 999;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
            GetExitCodeProcess(pi.hProcess, &code);
        else
            TerminateProcess(pi.hProcess, 999);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    SetEnvironmentVariableW(variable.c_str(), nullptr);
    return code;
}

} // namespace testsupport

namespace testsupport {

// The GDI objects a process holds: the system's count, or where the system keeps none (Wine
// answers 0), the live entries of its handle table. Wine keeps that table in the process, named
// by its process block, one entry of 24 bytes per handle value, whose type byte is 0 while free.
inline DWORD GdiObjectCount(HANDLE process = GetCurrentProcess())
{
    if (const DWORD counted = GetGuiResources(process, GR_GDIOBJECTS)) return counted;
    constexpr size_t TableInProcessBlock = sizeof(void*) == 8 ? 0xF8 : 0x94;
    constexpr size_t EntryBytes = 24, TypeInEntry = 14, Entries = 0x10000;
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return 0;
    const BYTE* table = nullptr;
    const auto* slot = reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + TableInProcessBlock;
    if (!ReadProcessMemory(process, slot, &table, sizeof table, nullptr) || !table) return 0;
    std::vector<BYTE> entries(Entries * EntryBytes);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr)) return 0;
    DWORD live = 0;
    for (size_t i = 0; i < Entries; ++i) live += entries[i * EntryBytes + TypeInEntry] != 0;
    return live;
}

} // namespace testsupport

namespace testsupport {

// A key pressed and let go on the real keyboard: it reaches the focused window of the
// foreground thread.
inline void PressKey(WORD key)
{
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// Real pointer input that carries its own place: a button pressed or let go (or only a move,
// with flags 0) at screen pixels. Under Wine the X server now and then reports, after a move, a
// place the pointer has already left; an event without a place would take that one.
inline void PointerAt(DWORD flags, POINT at)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

} // namespace testsupport

namespace testsupport {

// The processes that a process started and that still run, as the system lists them.
inline std::vector<PROCESSENTRY32W> ProcessEntriesStartedBy(DWORD parent)
{
    std::vector<PROCESSENTRY32W> children;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return children;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (entry.th32ParentProcessID == parent) children.push_back(entry);
    CloseHandle(snapshot);
    return children;
}

inline std::set<DWORD> ProcessesStartedBy(DWORD parent)
{
    std::set<DWORD> children;
    for (const PROCESSENTRY32W& entry : ProcessEntriesStartedBy(parent)) children.insert(entry.th32ProcessID);
    return children;
}

// Top-level windows of a process, shown or not.
inline std::vector<HWND> TopLevelWindowsOf(DWORD pid)
{
    struct Found {
        DWORD pid;
        std::vector<HWND> windows;
    } found{pid, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* f = reinterpret_cast<Found*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == f->pid) f->windows.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

inline std::set<HWND> VisibleTopLevelWindows()
{
    std::set<HWND> windows;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            if (IsWindowVisible(hwnd)) reinterpret_cast<std::set<HWND>*>(param)->insert(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Ends a process a test made start (the control panel, say), and whatever that started in turn.
inline void EndProcessTree(DWORD processId)
{
    for (DWORD child : ProcessesStartedBy(processId)) EndProcessTree(child);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process) return;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

} // namespace testsupport
