// Refill of the presentation list for folders of 1 000, 10 000 and 100 000 matching files,
// beside a bare FindFirstFile/FindNextFile walk of the same folder measured in the same run, and
// beside that walk plus the paint the refill ends with.
// Usage: browser_bench [largest count]   (the folders are made under %TEMP% and removed after)
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchReport.h"
#include "WineTestSupport.h"
#include "host/FileList.h"
#include "mainwindow/PresentationList.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int CountFiles(const std::wstring& folder);

// Under Wine a Unix shell makes the files far faster than one CreateFile round trip each.
bool MakeFilesFromUnix(const std::wstring& folder, int count)
{
    using UnixName = char*(CDECL*)(LPCWSTR);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) return false;
    char* unixFolder = unixName(folder.c_str());
    if (!unixFolder) return false;
    std::string script = "cd '" + std::string(unixFolder) + "' && seq 0 " + std::to_string(count - 1) +
                         " | awk '{ e = ($1 % 3 == 0) ? \".pps\" : (($1 % 3 == 1) ? \".PPT\" : \".ppt\");"
                         " print \"TALK \" (($1 * 7919) % " + std::to_string(count) + ") e }' | xargs -d '\\n' touch";
    HeapFree(GetProcessHeap(), 0, unixFolder);
    std::wstring command = L"/bin/sh -c \"";
    for (char c : script) command += (c == '"') ? std::wstring(L"\\\"") : std::wstring(1, static_cast<wchar_t>(c));
    command += L"\"";
    if (!testsupport::StartDetached(command)) return false;
    // A Unix process can't be waited for: wait for the files instead.
    for (int waited = 0; waited < 300; ++waited) {
        if (CountFiles(folder) >= count) return true;
        Sleep(1000);
    }
    return false;
}

std::wstring MakeFolder(int count)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"browser-bench-" + std::to_wstring(count);
    CreateDirectoryW(folder.c_str(), nullptr);
    if (CountFiles(folder) >= count || MakeFilesFromUnix(folder, count)) return folder;
    for (int i = 0; i < count; ++i) {
        // Mixed kinds and cases, in no particular order, as real folders are.
        const int n = static_cast<int>((static_cast<long long>(i) * 7919) % count);
        const wchar_t* ext = (i % 3 == 0) ? L".pps" : (i % 3 == 1) ? L".PPT" : L".ppt";
        const std::wstring name = folder + L"\\TALK " + std::to_wstring(n) + ext;
        HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        DWORD written = 0;
        WriteFile(file, "slides", 6, &written, nullptr);
        CloseHandle(file);
    }
    return folder;
}

void RemoveFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((folder + L"\\" + data.cFileName).c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

int CountFiles(const std::wstring& folder)
{
    int count = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do count += (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
    while (FindNextFileW(find, &data));
    FindClose(find);
    return count;
}

int BareWalk(const std::wstring& folder)
{
    int count = 0;
    for (const wchar_t* wildcard : {L"\\*.ppt", L"\\*.pps"}) {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + wildcard).c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) continue;
        do ++count;
        while (FindNextFileW(find, &data));
        FindClose(find);
    }
    return count;
}

PresentationList* shownRows = nullptr;

// The main window hands the list its notifications first; so does this one.
LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (msg == WM_NOTIFY && shownRows && shownRows->HandleNotify(*reinterpret_cast<const NMHDR*>(lParam), result))
        return result;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND MakeWindow()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BrowserBench";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, L"BrowserBench", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return window;
}

// 100000 -> "100 000"
std::string Thousands(int n)
{
    const std::string digits = std::to_string(n);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ' ';
        grouped += digits[i];
    }
    return grouped;
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const int largest = argc > 1 ? _wtoi(argv[1]) : 100000;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HWND window = MakeWindow();
    PresentationList rows;
    shownRows = &rows;
    HWND list = rows.Create(window, 1, RECT{0, 0, 780, 560});
    const wchar_t* headers[] = {L"Name", L"Size", L"Date"};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(headers[i]);
        column.cx = 200;
        ListView_InsertColumn(list, i, &column);
    }
    ShowWindow(list, SW_SHOW);
    Pump();

    struct Figures {
        int count;
        double bareMs;
        double refillMs;
        double listFloorMs;
    };
    std::vector<Figures> figures;
    std::printf("%8s %10s %10s %10s %10s %8s %10s\n", "files", "bare ms", "list ms", "fill ms", "refill ms", "ratio",
                "paint ms");
    for (int count = 1000; count <= largest; count *= 10) {
        const std::wstring folder = MakeFolder(count);
        double bare = 1e30, listing = 1e30, fill = 1e30, refill = 1e30, paint = 1e30;
        for (int round = 0; round < 3; ++round) {
            auto start = Clock::now();
            const int walked = BareWalk(folder);
            bare = std::min(bare, MsSince(start));

            // What the user waits for: list the folder, fill the rows, select, paint.
            host::FileList files;
            files.SetPattern(L"*.ppt;*.pps");
            start = Clock::now();
            files.SetPath(folder);
            const double listed = MsSince(start);
            const auto fillStart = Clock::now();
            Clock::time_point paintStart;
            {
                const PresentationList::DrawingHold hold = rows.HoldDrawing();
                rows.Fill(files);
                rows.SelectLastRowWithoutClick();
                paintStart = Clock::now();
            }
            // The paint the refill left pending, as the message loop would do it next. Frame, scroll
            // bar and rows: whatever a refill does, it ends with this.
            UpdateWindow(list);
            paint = std::min(paint, MsSince(paintStart));
            fill = std::min(fill, MsSince(fillStart));
            listing = std::min(listing, listed);
            refill = std::min(refill, MsSince(start));
            Pump();
            if (walked != rows.Count()) std::printf("  count differs: walk %d, rows %d\n", walked, rows.Count());
        }
        std::printf("%8d %10.1f %10.1f %10.1f %10.1f %8.1f %10.1f\n", count, bare, listing, fill, refill, refill / bare,
                    paint);
        std::fflush(stdout);
        RemoveFolder(folder);
        figures.push_back({count, bare, refill, bare + paint});
    }
    for (const Figures& f : figures) {
        char what[64], figure[32], floor[32], ratio[32];
        std::snprintf(what, sizeof what, "GO_Add refill, %s files", Thousands(f.count).c_str());
        std::snprintf(figure, sizeof figure, "%.1f ms", f.refillMs);
        std::snprintf(floor, sizeof floor, "%.1f ms", f.bareMs);
        std::snprintf(ratio, sizeof ratio, "%.2fx", f.refillMs / f.bareMs);
        ReportFigure(what, figure, floor, ratio, "<= 2x");
        std::snprintf(floor, sizeof floor, "%.1f ms", f.listFloorMs);
        std::snprintf(ratio, sizeof ratio, "%.2fx", f.refillMs / f.listFloorMs);
        ReportFigure((std::string(what) + ", floor with the list's paint").c_str(), figure, floor, ratio, "-");
    }
    // Linear: from the last but one folder to the last, the refill grows no faster than the walk.
    if (figures.size() >= 3) {
        const Figures& a = figures[figures.size() - 2];
        const Figures& b = figures.back();
        const double growth = b.refillMs / a.refillMs, floorGrowth = b.bareMs / a.bareMs;
        char what[64], figure[32], floor[32], ratio[32];
        std::snprintf(what, sizeof what, "GO_Add growth, %s -> %s files", Thousands(a.count).c_str(),
                      Thousands(b.count).c_str());
        std::snprintf(figure, sizeof figure, "%.1fx", growth);
        std::snprintf(floor, sizeof floor, "%.1fx", floorGrowth);
        std::snprintf(ratio, sizeof ratio, "%.2fx", growth / floorGrowth);
        ReportFigure(what, figure, floor, ratio, "<= 1.25x");
    }
    DestroyWindow(window);
    return 0;
}
