#include "VistoraApp.h"

#include <bitset>

#include <thread>

namespace e2e {

namespace {
constexpr wchar_t SettingsKey[] = L"Software\\VB and VBA Program Settings\\Vistora";
} // namespace

void ForgetSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey); }

void StoreSetting(const std::wstring& key, const std::wstring& value)
{
    HKEY hkey;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(SettingsKey) + L"\\Settings").c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &hkey, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(hkey, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(hkey);
}

void StorePlacement(const std::wstring& left, const std::wstring& top, const std::wstring& width,
                    const std::wstring& height)
{
    StoreSetting(L"MainLeft", left);
    StoreSetting(L"MainTop", top);
    StoreSetting(L"MainWidth", width);
    StoreSetting(L"MainHeight", height);
}

std::wstring StoredSetting(const std::wstring& key)
{
    wchar_t buffer[256];
    DWORD size = sizeof(buffer);
    if (RegGetValueW(HKEY_CURRENT_USER, (std::wstring(SettingsKey) + L"\\Settings").c_str(), key.c_str(),
                     RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return buffer;
}

namespace {
void SetDefault(const std::wstring& key, const std::wstring& value)
{
    HKEY hkey;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hkey, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExW(hkey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(hkey);
}

std::optional<std::wstring> GetDefault(const std::wstring& key)
{
    wchar_t buffer[1024];
    DWORD size = sizeof(buffer);
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(buffer);
}
} // namespace

// The shell reads associations from the classes root, so the test changes them there and puts
// back exactly what it found.
ClassOverride::ClassOverride(const std::wstring& extensionOrScheme, const std::wstring& program)
{
    std::wstring target = extensionOrScheme;
    if (extensionOrScheme.front() == L'.') {
        target = L"VistoraTest" + extensionOrScheme.substr(1);
        saved_.push_back({extensionOrScheme, GetDefault(extensionOrScheme)});
        SetDefault(extensionOrScheme, target);
        created_ = target;
    }
    const std::wstring command = target + L"\\shell\\open\\command";
    saved_.push_back({command, GetDefault(command)});
    SetDefault(command, L"\"" + program + L"\" \"%1\"");
}

ClassOverride::~ClassOverride()
{
    for (const auto& [key, value] : saved_) {
        if (value)
            SetDefault(key, *value);
        else
            RegDeleteKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr);
    }
    if (!created_.empty()) RegDeleteTreeW(HKEY_CLASSES_ROOT, created_.c_str());
}

std::wstring PeerProgram(const std::wstring& name) { return testsupport::BuildFolder() + L"\\cross\\" + name; }

std::vector<std::wstring> FolderFiles(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

std::wstring Lower(std::wstring text)
{
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

void PickDrive(HWND driveList, wchar_t letter)
{
    const DWORD below = GetLogicalDrives() & ((1u << (letter - L'A')) - 1);
    const int index = static_cast<int>(std::bitset<26>(below).count());
    HWND box = GetWindow(driveList, GW_CHILD);
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(driveList, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

void EnterFolderEntry(HWND folderList, int index)
{
    HWND box = GetWindow(folderList, GW_CHILD);
    SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(folderList, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), LBN_DBLCLK), reinterpret_cast<LPARAM>(box));
}

int ProcessesFrom(const std::wstring& image)
{
    int count = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        if (!process) continue;
        wchar_t path[MAX_PATH * 2];
        DWORD size = MAX_PATH * 2;
        if (QueryFullProcessImageNameW(process, 0, path, &size) && lstrcmpiW(path, image.c_str()) == 0) ++count;
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    return count;
}

VistoraApp::VistoraApp(bool withLanguageFile, bool withProbe, const std::wstring& folderName)
    : folder_(folderName), probe_(withLanguageFile && withProbe)
{
    const std::wstring source = testsupport::ProgramFolder();
    for (const auto& name : FolderFiles(source)) {
        if (!withLanguageFile && lstrcmpiW(name.c_str(), L"Vistora.Txt") == 0) continue;
        if (!withProbe && lstrcmpiW(name.c_str(), L"brannox.exe") == 0) continue;
        // Only what a fresh installation holds: no answers or options left by earlier runs.
        if (lstrcmpiW(name.c_str(), L"Vistora.opt") == 0 || lstrcmpiW(name.c_str(), L"ZelSuite.tmp") == 0) continue;
        CopyFileW((source + L"\\" + name).c_str(), (folder_ / name).c_str(), FALSE);
    }
}

VistoraApp::~VistoraApp()
{
    if (pi_.hProcess) {
        if (Running()) {
            TerminateProcess(pi_.hProcess, 1);
            WaitForSingleObject(pi_.hProcess, 5000);
        }
        CloseHandle(pi_.hProcess);
        CloseHandle(pi_.hThread);
    }
    EndProgramsFromFolder();
}

void VistoraApp::WaitForProbe() const
{
    // The probe creates its answer file before it asks the name service anything.
    if (probe_) testsupport::WaitFor([&] { return testsupport::FileExistsForTest(File(L"ZelSuite.tmp")); }, 10000);
}

void VistoraApp::EndProgramsFromFolder() const { testsupport::EndProgramsFrom(folder_.path()); }

bool VistoraApp::Start()
{
    std::wstring command = L"\"" + (folder_ / L"Vistora.exe") + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.path().c_str(), &si,
                          &pi_) != 0;
}

HWND VistoraApp::WaitForMain(int timeoutMs)
{
    testsupport::WaitFor(
        [&] {
            main_ = testsupport::FindProcessWindow(pi_.dwProcessId, L"VistoraForm");
            return main_ != nullptr;
        },
        timeoutMs);
    if (main_ && !FindWindowW(L"#32770", L"Vistora")) WaitForProbe();
    return main_;
}

HWND VistoraApp::StartAndWait()
{
    if (!Start() || !WaitForMain()) return nullptr;
    if (HWND box = FindWindowW(L"#32770", L"Vistora")) {
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitForProbe();
    }
    // The focus settles right after the window shows.
    Sleep(300);
    return main_;
}

bool VistoraApp::Running() const
{
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

bool VistoraApp::WaitForExit(int timeoutMs)
{
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

template <typename T>
bool VistoraApp::Remote(UINT msg, WPARAM wParam, T& inOut, std::vector<wchar_t>* text) const
{
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, Pid());
    if (!process) return false;
    const SIZE_T textBytes = text ? text->size() * sizeof(wchar_t) : 0;
    auto* remote = static_cast<BYTE*>(
        VirtualAllocEx(process, nullptr, sizeof(T) + textBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    bool ok = false;
    if (remote) {
        T local = inOut;
        if constexpr (std::is_same_v<T, LVITEMW>) {
            if (text) {
                local.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(T));
                local.cchTextMax = static_cast<int>(text->size());
            }
        }
        if constexpr (std::is_same_v<T, HDITEMW>) {
            if (text) {
                local.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(T));
                local.cchTextMax = static_cast<int>(text->size());
            }
        }
        WriteProcessMemory(process, remote, &local, sizeof(T), nullptr);
        HWND target = std::is_same_v<T, HDITEMW> ? ListView_GetHeader(List()) : List();
        SendMessageW(target, msg, wParam, reinterpret_cast<LPARAM>(remote));
        ok = ReadProcessMemory(process, remote, &inOut, sizeof(T), nullptr);
        if (text) ReadProcessMemory(process, remote + sizeof(T), text->data(), textBytes, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return ok;
}

int VistoraApp::RowCount() const { return static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }

std::wstring VistoraApp::Cell(int row, int column) const
{
    LVITEMW item{};
    item.iSubItem = column;
    std::vector<wchar_t> text(512, L'\0');
    if (!Remote(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), item, &text)) return L"<unreadable>";
    return text.data();
}

int VistoraApp::RowIcon(int row) const
{
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    if (!Remote(LVM_GETITEMW, 0, item)) return -1;
    return item.iImage + 1;
}

RECT VistoraApp::RowRect(int row) const
{
    RECT r{};
    r.left = LVIR_BOUNDS;
    Remote(LVM_GETITEMRECT, static_cast<WPARAM>(row), r);
    MapWindowPoints(List(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring VistoraApp::ColumnHeader(int column) const
{
    HDITEMW item{};
    item.mask = HDI_TEXT;
    std::vector<wchar_t> text(256, L'\0');
    if (!Remote(HDM_GETITEMW, static_cast<WPARAM>(column), item, &text)) return L"<unreadable>";
    return text.data();
}

std::wstring VistoraApp::StatusText(int panel) const
{
    // Status-bar texts are copied into the caller's buffer by the system for any process.
    HWND status = Status();
    const int length = LOWORD(SendMessageW(status, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel - 1), 0));
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, Pid());
    if (!process) return L"<unreadable>";
    void* remote = VirtualAllocEx(process, nullptr, text.size() * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE);
    SendMessageW(status, SB_GETTEXTW, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, text.data(), text.size() * sizeof(wchar_t), nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return text.data();
}

namespace {

// Where the test last put the pointer: every button event is sent there (see PointerAt).
POINT PointerTarget{-1, -1};

void SendPointer(DWORD flags, POINT at)
{
    testsupport::PointerAt(flags, at);
    Sleep(60);
}

void SendButton(DWORD flags)
{
    if (PointerTarget.x < 0) GetCursorPos(&PointerTarget);
    SendPointer(flags, PointerTarget);
}

} // namespace

void VistoraApp::MoveTo(int x, int y)
{
    PointerTarget = POINT{x, y};
    SetCursorPos(x, y);
    SendPointer(0, PointerTarget);
}

void VistoraApp::LeftDown() { SendButton(MOUSEEVENTF_LEFTDOWN); }

void VistoraApp::LeftUp() { SendButton(MOUSEEVENTF_LEFTUP); }

void VistoraApp::ClickAt(int x, int y)
{
    MoveTo(x, y);
    LeftDown();
    LeftUp();
}

void VistoraApp::Click(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

} // namespace e2e
