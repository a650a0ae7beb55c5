// Start-up: from process start to the main window shown, painted and waiting for input, for
// Vistora (six presentations in its folder) and for a bare window program built beside it.
// The two are started in turn, so that both see the same machine; the medians are compared.
// Usage: startup_bench [runs of each]
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchReport.h"

namespace {

using Clock = std::chrono::steady_clock;

std::wstring ExeFolder()
{
    wchar_t path[MAX_PATH * 2];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

void WriteText(const std::wstring& path, const std::string& text)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + L"\\" + name);
            else
                DeleteFileW((folder + L"\\" + name).c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

// A program folder as a user has it, showing a folder of six presentations.
std::wstring MakeProgramFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"startup-bench-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring source = ExeFolder() + L"\\program";
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((source + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                CopyFileW((source + L"\\" + data.cFileName).c_str(), (folder + L"\\" + data.cFileName).c_str(), FALSE);
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    const std::wstring talks = folder + L"\\talks";
    CreateDirectoryW(talks.c_str(), nullptr);
    for (const wchar_t* name : {L"Budget 2026.ppt", L"KICKOFF.PPT", L"quarterly review.ppt", L"Roadmap.pps",
                                L"team intro.pps", L"Welcome.ppt"})
        WriteText(talks + L"\\" + name, std::string(2048, 's'));
    std::string opt = "ENG\r\n";
    for (wchar_t c : talks) opt += static_cast<char>(c);
    WriteText(folder + L"\\Vistora.opt", opt + "\r\n");
    return folder;
}

struct Search {
    DWORD pid;
    const wchar_t* cls;
    HWND found;
};

HWND VisibleWindow(DWORD pid, const wchar_t* cls)
{
    Search search{pid, cls, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner != s->pid || !IsWindowVisible(w)) return TRUE;
            wchar_t name[64];
            GetClassNameW(w, name, 64);
            if (lstrcmpiW(name, s->cls) != 0) return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool UpdatePending(HWND top)
{
    if (GetUpdateRect(top, nullptr, FALSE)) return true;
    bool pending = false;
    EnumChildWindows(
        top,
        [](HWND child, LPARAM p) -> BOOL {
            if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
            *reinterpret_cast<bool*>(p) = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&pending));
    return pending;
}

// Ends every process started from the folder (the probe Vistora starts).
void EndProgramsFrom(const std::wstring& folder)
{
    const std::wstring prefix = folder + L"\\";
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                                     entry.th32ProcessID);
        if (!process) continue;
        wchar_t image[MAX_PATH * 2];
        DWORD size = MAX_PATH * 2;
        if (QueryFullProcessImageNameW(process, 0, image, &size) && size > prefix.size() &&
            CompareStringOrdinal(image, static_cast<int>(prefix.size()), prefix.c_str(), static_cast<int>(prefix.size()),
                                 TRUE) == CSTR_EQUAL) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
        }
        CloseHandle(process);
    }
    CloseHandle(snapshot);
}

bool WaitForFile(const std::wstring& path, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 10) {
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        Sleep(10);
    }
    return false;
}

// Milliseconds from CreateProcess to a shown main window that has painted and answers at once;
// a negative value when the program did not get there.
double TimeStart(const std::wstring& exe, const std::wstring& folder, const wchar_t* mainClass)
{
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const auto start = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
        return -1;
    double ms = -1;
    HWND main = nullptr;
    while (!main && WaitForSingleObject(pi.hProcess, 1) == WAIT_TIMEOUT &&
           Clock::now() - start < std::chrono::seconds(30))
        main = VisibleWindow(pi.dwProcessId, mainClass);
    if (main) {
        // A sent message is handled once the program reaches its message loop; paints come last.
        DWORD_PTR answer = 0;
        bool answered = false;
        while ((answered = SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer) != 0) &&
               UpdatePending(main))
            Sleep(1);
        if (answered) ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ms;
}

double Median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    const std::wstring folder = MakeProgramFolder();
    const std::wstring bare = ExeFolder() + L"\\bare_window.exe";
    const std::wstring vistora = folder + L"\\Vistora.exe";
    const std::wstring answer = folder + L"\\ZelSuite.tmp";

    std::vector<double> bareMs, vistoraMs;
    std::printf("%6s %12s %12s\n", "run", "bare ms", "Vistora ms");
    // Run 0 warms the file cache and is not counted.
    for (int run = 0; run <= runs; ++run) {
        const double b = TimeStart(bare, folder, L"BareWindow");
        Sleep(200);
        DeleteFileW(answer.c_str());
        const double v = TimeStart(vistora, folder, L"VistoraForm");
        // Vistora starts the probe last; let it begin before it is ended with the rest.
        WaitForFile(answer, 5000);
        EndProgramsFrom(folder);
        Sleep(200);
        std::printf("%6d %12.1f %12.1f%s\n", run, b, v, run == 0 ? "  (warm-up)" : "");
        std::fflush(stdout);
        if (run == 0) continue;
        if (b >= 0) bareMs.push_back(b);
        if (v >= 0) vistoraMs.push_back(v);
    }
    RemoveTree(folder);
    if (bareMs.empty() || vistoraMs.empty()) {
        std::printf("a program did not reach its message loop\n");
        return 1;
    }
    const double floor = Median(bareMs), figure = Median(vistoraMs);
    char f[32], fl[32], r[32];
    std::snprintf(f, sizeof f, "%.0f ms", figure);
    std::snprintf(fl, sizeof fl, "%.0f ms", floor);
    std::snprintf(r, sizeof r, "%.2fx", figure / floor);
    ReportFigure("start-up to main window visible and idle", f, fl, r, "<= 2x");
    return 0;
}
