#pragma once
// Drives a real Vistora.exe from outside: a scratch program folder, the process, its windows,
// cross-process list-view reads and real pointer input.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "WineTestSupport.h"

namespace e2e {

// Control ids of the main window's parts.
constexpr int IdList = 100;
constexpr int IdDrive = 101;
constexpr int IdDirectory = 102;
constexpr int IdStatus = 103;
constexpr int IdButtons = 200;

// Removes the program's stored placement so that a start is a first start.
void ForgetSettings();
void StoreSetting(const std::wstring& key, const std::wstring& value);
// The main window's placement as the settings store keeps it, in twips.
void StorePlacement(const std::wstring& left, const std::wstring& top, const std::wstring& width,
                    const std::wstring& height);
std::wstring StoredSetting(const std::wstring& key);

// Points a file type or URL scheme at a program for the current user while it lives.
class ClassOverride {
public:
    // extensionOrScheme: L".txt" or L"http"; program: a full path, given "%1" as its argument.
    ClassOverride(const std::wstring& extensionOrScheme, const std::wstring& program);
    ~ClassOverride();

private:
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> saved_;
    std::wstring created_;
};

// A program the tests built beside the others (tests/peers).
std::wstring PeerProgram(const std::wstring& name);

// Processes running from an executable file, found by their image path.
int ProcessesFrom(const std::wstring& image);

// Files in a folder, names only.
std::vector<std::wstring> FolderFiles(const std::wstring& folder);

// Text in lower case, for paths compared as Windows compares them.
std::wstring Lower(std::wstring text);

// Picks a drive in the drive list as the closed box does for an arrow key: selection, then the
// change notice to the list's frame.
void PickDrive(HWND driveList, wchar_t letter);
// Double-clicks entry i of the folder list, as the list box reports it to its frame.
void EnterFolderEntry(HWND folderList, int index);

class VistoraApp {
public:
    // A fresh program folder holding copies of the built program's files.
    explicit VistoraApp(bool withLanguageFile = true, bool withProbe = true,
                        const std::wstring& folderName = L"vistora-e2e");
    ~VistoraApp();

    const std::wstring& Folder() const { return folder_.path(); }
    std::wstring File(const std::wstring& name) const { return folder_ / name; }

    // Starts Vistora.exe from the folder; false when it did not start.
    bool Start();
    // Waits for the main window to be visible.
    HWND WaitForMain(int timeoutMs = 20000);
    // Start, WaitForMain, and an OK for the presentation program's message should one come, so
    // that start-up goes on; nullptr when no main window showed.
    HWND StartAndWait();
    HWND Main() const { return main_; }
    DWORD Pid() const { return pi_.dwProcessId; }
    bool WaitForExit(int timeoutMs = 10000);
    bool Running() const;

    HWND Button(int index) const { return GetDlgItem(main_, IdButtons + index); }
    HWND List() const { return GetDlgItem(main_, IdList); }
    HWND Directory() const { return GetDlgItem(main_, IdDirectory); }
    HWND Status() const { return GetDlgItem(main_, IdStatus); }

    int RowCount() const;
    std::wstring Cell(int row, int column) const;
    std::wstring StatusText(int panel) const;
    // The small-icon number of a row (1-based, as the browser numbers its pictures).
    int RowIcon(int row) const;
    RECT RowRect(int row) const;
    std::wstring ColumnHeader(int column) const;

    // Real pointer input at screen pixels.
    static void MoveTo(int x, int y);
    static void LeftDown();
    static void LeftUp();
    static void ClickAt(int x, int y);
    // Clicks the middle of a window.
    static void Click(HWND hwnd);

private:
    // Runs a list-view request whose answer lands in memory of Vistora's process.
    template <typename T>
    bool Remote(UINT msg, WPARAM wParam, T& inOut, std::vector<wchar_t>* text = nullptr) const;

    // Waits until the probe Vistora starts last has begun, so that ending Vistora cannot catch
    // it half created (a process whose creator dies before resuming it never runs).
    void WaitForProbe() const;
    // Ends whatever still runs from the folder, so that no test leaves a program behind.
    void EndProgramsFromFolder() const;

    testsupport::ScratchFolder folder_;
    bool probe_ = false;
    PROCESS_INFORMATION pi_{};
    HWND main_ = nullptr;
};

} // namespace e2e
