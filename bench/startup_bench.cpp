// Start-up: from the start to the main window shown, painted and waiting for input, for
// Vistora (six presentations in its folder) and for the bare programs built beside it: a bare
// window, the same with a list view, and one that shows the windows of Vistora's first screen.
// They are started in turn, so that all see the same machine, once by the wine command from a
// shell and once from inside Wine; the medians are compared.
// Usage: startup_bench [rounds]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "BenchReport.h"
#include "WineTestSupport.h"

namespace {

using Clock = std::chrono::steady_clock;

std::wstring ExeFolder()
{
    wchar_t path[MAX_PATH * 2];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

// A program folder as a user has it, showing a folder of six presentations.
void FillProgramFolder(const testsupport::ScratchFolder& folder)
{
    const std::wstring source = ExeFolder() + L"\\program";
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((source + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                CopyFileW((source + L"\\" + data.cFileName).c_str(), (folder / data.cFileName).c_str(), FALSE);
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    const std::wstring talks = folder / L"talks";
    CreateDirectoryW(talks.c_str(), nullptr);
    for (const wchar_t* name : {L"Budget 2026.ppt", L"KICKOFF.PPT", L"quarterly review.ppt", L"Roadmap.pps",
                                L"team intro.pps", L"Welcome.ppt"})
        testsupport::WriteBytes(talks + L"\\" + name, std::string(2048, 's'));
    std::string opt = "ENG\r\n";
    for (wchar_t c : talks) opt += static_cast<char>(c);
    testsupport::WriteBytes(folder / L"Vistora.opt", opt + "\r\n");
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

// How a program is started: by the wine command from a shell, as a user starts it on this
// machine, or by CreateProcess from a program inside Wine, as Windows' shell starts it.
enum class Launch { Shell, Windows };

std::string UnixPath(const std::wstring& path)
{
    using UnixName = char*(CDECL*)(LPCWSTR);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = unixName ? unixName(path.c_str()) : nullptr;
    if (!name) return {};
    std::string text = name;
    HeapFree(GetProcessHeap(), 0, name);
    return text;
}

HANDLE Start(Launch launch, const std::wstring& exe, const std::wstring& folder)
{
    std::wstring command;
    if (launch == Launch::Shell) {
        // The shell's wine is a new Unix process; the variables that tie a Wine process to its
        // parent's server connection are not its own.
        command = L"/bin/sh -c \"unset WINESERVERSOCKET WINELOADERNOEXEC; exec wine '";
        for (char c : UnixPath(exe)) command += static_cast<wchar_t>(static_cast<unsigned char>(c));
        command += L"'\"";
    } else {
        command = L"\"" + exe + L"\"";
    }
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
        return nullptr;
    CloseHandle(pi.hThread);
    // A Unix process has no Windows handle worth keeping; its window tells when it runs.
    if (launch == Launch::Shell) {
        CloseHandle(pi.hProcess);
        return INVALID_HANDLE_VALUE;
    }
    return pi.hProcess;
}

// Milliseconds from the start to a shown main window that has painted and answers at once;
// a negative value when the program did not get there. The program is ended afterwards.
double TimeStart(Launch launch, const std::wstring& exe, const std::wstring& folder, const wchar_t* mainClass)
{
    const auto start = Clock::now();
    HANDLE started = Start(launch, exe, folder);
    if (!started) return -1;
    double ms = -1;
    HWND main = nullptr;
    while (!main && Clock::now() - start < std::chrono::seconds(30)) {
        if (started != INVALID_HANDLE_VALUE && WaitForSingleObject(started, 0) != WAIT_TIMEOUT) break;
        main = FindWindowW(mainClass, nullptr);
        if (main && !IsWindowVisible(main)) main = nullptr;
        if (!main) Sleep(1);
    }
    if (main) {
        // A sent message is handled once the program reaches its message loop; paints come last.
        DWORD_PTR answer = 0;
        bool answered = false;
        while ((answered = SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer) != 0) &&
               UpdatePending(main))
            Sleep(1);
        if (answered) ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        DWORD pid = 0;
        GetWindowThreadProcessId(main, &pid);
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
    if (started != INVALID_HANDLE_VALUE) {
        TerminateProcess(started, 0);
        WaitForSingleObject(started, 5000);
        CloseHandle(started);
    }
    return ms;
}

struct Series {
    std::vector<double> bare, controls, windowSet, vistora;
};

// Starts the bare program and Vistora in turn and adds their times to the series.
void Round(Launch launch, const std::wstring& folder, Series& series, bool counted)
{
    const std::wstring answer = folder + L"\\ZelSuite.tmp";
    const double b = TimeStart(launch, ExeFolder() + L"\\bare_window.exe", folder, L"BareWindow");
    Sleep(200);
    const double c = TimeStart(launch, ExeFolder() + L"\\bare_controls.exe", folder, L"BareControls");
    Sleep(200);
    const double w = TimeStart(launch, ExeFolder() + L"\\bare_window_set.exe", folder, L"BareWindowSet");
    Sleep(200);
    DeleteFileW(answer.c_str());
    const double v = TimeStart(launch, folder + L"\\Vistora.exe", folder, L"VistoraForm");
    // Vistora starts the probe last; let it begin before it is ended with the rest.
    testsupport::WaitFor([&] { return testsupport::FileExistsForTest(answer); }, 5000, 10);
    testsupport::EndProgramsFrom(folder);
    Sleep(200);
    std::printf("%-8s %12.1f %12.1f %12.1f %12.1f%s\n", launch == Launch::Shell ? "shell" : "windows", b, c, w, v,
                counted ? "" : "  (warm-up)");
    std::fflush(stdout);
    if (!counted) return;
    if (b >= 0) series.bare.push_back(b);
    if (c >= 0) series.controls.push_back(c);
    if (w >= 0) series.windowSet.push_back(w);
    if (v >= 0) series.vistora.push_back(v);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    const testsupport::ScratchFolder scratch(L"startup-bench");
    FillProgramFolder(scratch);
    const std::wstring& folder = scratch.path();
    Series shell, windows;
    std::printf("%-8s %12s %12s %12s %12s\n", "started", "bare ms", "list view ms", "windows ms", "Vistora ms");
    // The first round warms the file cache and is not counted.
    for (int run = 0; run <= runs; ++run) {
        Round(Launch::Shell, folder, shell, run > 0);
        Round(Launch::Windows, folder, windows, run > 0);
    }
    bool complete = true;
    for (const auto& [series, what, target] :
         {std::tuple{&shell, "start-up to main window visible and idle", "<= 2x"},
          std::tuple{&windows, "the same, started from inside Wine", "-"}}) {
        if (series->bare.empty() || series->vistora.empty()) {
            std::printf("%s: a program did not reach its message loop\n", what);
            complete = false;
            continue;
        }
        const double bare = Median(series->bare), figure = Median(series->vistora);
        const auto report = [](const std::string& name, double ms, double floorMs, const char* goal) {
            char f[32], fl[32], r[32];
            std::snprintf(f, sizeof f, "%.0f ms", ms);
            std::snprintf(fl, sizeof fl, "%.0f ms", floorMs);
            std::snprintf(r, sizeof r, "%.2fx", ms / floorMs);
            ReportFigure(name.c_str(), f, fl, r, goal);
        };
        report(what, figure, bare, target);
        // The same start against a bare window that shows a list view, as Vistora's main window does.
        if (!series->controls.empty())
            report(std::string(what) + ", floor with a list view", figure, Median(series->controls), "-");
        // Against the bare program that shows Vistora's windows; and that program against the bare
        // window, which tells how much of the ratio above the system takes for the windows alone.
        if (series->windowSet.empty()) continue;
        const double windowSet = Median(series->windowSet);
        report(std::string(what) + ", floor with Vistora's windows", figure, windowSet, "-");
        report(std::string(what) + ": a bare program with Vistora's windows", windowSet, bare, "-");
    }
    return complete ? 0 : 1;
}
