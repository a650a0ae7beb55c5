#include "host/FolderList.h"

#include <commctrl.h>

#include "host/FileList.h"
#include "host/FolderPath.h"
#include "host/NameOrder.h"
#include "host/PathText.h"

namespace host {

namespace {

constexpr DWORD Unlisted = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The root as the list shows it: the drive letter in lower case, as the drive list does.
std::wstring RootText(const std::wstring& root)
{
    std::wstring text = root;
    if (text.size() >= 2 && text[1] == L':' && text[0] >= L'A' && text[0] <= L'Z')
        text[0] = static_cast<wchar_t>(text[0] - L'A' + L'a');
    return text;
}

// Subfolders of a readable folder; false when the folder can't be read.
bool ReadSubfolders(const std::wstring& folder, std::vector<std::wstring>& names)
{
    const bool readable = WalkFolder(folder, {L"*"}, [&](const WIN32_FIND_DATAW& data) {
        const std::wstring name = data.cFileName;
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || (data.dwFileAttributes & Unlisted)) return;
        if (name != L"." && name != L"..") names.push_back(name);
    });
    if (readable) SortNames(names);
    return readable;
}

} // namespace

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

std::wstring TidyFolderPath(const std::wstring& path)
{
    if (path.empty()) return {};
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return {};
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return {};
    full.resize(length);
    while (full.size() > FolderRootLength(full) && !full.empty() && full.back() == L'\\') full.pop_back();
    return full;
}

std::wstring ProcessFolder()
{
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
        if (length == 0) return {};
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.resize(length);  // the size needed, nul included
    }
}

std::wstring ShortFolderForm(const std::wstring& path)
{
    if (path.size() < ClassicPathLimit) return path;
    const std::size_t slash = path.rfind(L'\\');
    if (slash == std::wstring::npos) return path;
    const std::wstring folder = LongPathForm(path.substr(0, slash));
    const DWORD size = GetShortPathNameW(folder.c_str(), nullptr, 0);
    if (size == 0) return path;
    std::wstring shortFolder(size, L'\0');
    const DWORD length = GetShortPathNameW(folder.c_str(), shortFolder.data(), size);
    if (length == 0 || length >= size) return path;
    shortFolder.resize(length);
    if (shortFolder.rfind(L"\\\\?\\UNC\\", 0) == 0) shortFolder.replace(0, 8, L"\\\\");
    else if (shortFolder.rfind(L"\\\\?\\", 0) == 0) shortFolder.erase(0, 4);
    const std::wstring shorter = JoinPath(shortFolder, path.substr(slash + 1));
    return shorter.size() < ClassicPathLimit ? shorter : path;
}

bool FolderList::Create(HWND parent, int id, const RECT& pixels)
{
    return CreateHost(parent, id, pixels);
}

HWND FolderList::CreateInner()
{
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                                    LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                                0, 0, 10, 10, host_, nullptr, GetModuleHandleW(nullptr), nullptr);
    innerHook_.Install(list, &FolderList::InnerProc, this);
    return list;
}

void FolderList::SetItemHeights(int height)
{
    SendMessageW(inner_, LB_SETITEMHEIGHT, 0, height);
}

bool FolderList::SetPath(const std::wstring& path)
{
    const std::wstring full = TidyFolderPath(path);
    const std::size_t rootLength = FolderRootLength(full);
    if (full.empty() || rootLength == 0) return false;
    std::vector<std::wstring> subfolders;
    if (!ReadSubfolders(full, subfolders)) return false;

    std::vector<Entry> entries;
    const std::wstring root = full.substr(0, rootLength);
    entries.push_back({RootText(root), root, 0, true});
    std::size_t pos = rootLength;
    while (pos < full.size()) {
        std::size_t end = full.find(L'\\', pos);
        if (end == std::wstring::npos) end = full.size();
        if (end > pos) {
            const int level = static_cast<int>(entries.size());
            entries.push_back({full.substr(pos, end - pos), full.substr(0, end), level, true});
        }
        pos = end + 1;
    }
    const int current = static_cast<int>(entries.size()) - 1;
    for (const std::wstring& name : subfolders)
        entries.push_back({name, JoinPath(full, name), current + 1, false});

    path_ = full;
    entries_ = std::move(entries);
    SetWindowTextW(host_, path_.c_str());
    SendMessageW(inner_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(inner_, LB_RESETCONTENT, 0, 0);
    SendMessageW(inner_, LB_INITSTORAGE, entries_.size(), 64 * entries_.size());
    for (const Entry& entry : entries_) SendMessageW(inner_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text.c_str()));
    SendMessageW(inner_, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    SendMessageW(inner_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(inner_, nullptr, TRUE);
    return true;
}

bool FolderList::SetNearestPath(const std::wstring& path)
{
    const std::wstring tidy = TidyFolderPath(path);
    if (SetPath(tidy)) return true;
    // SetPath keeps the last folder it could show, so the answer is the folder shown.
    const auto show = [this](const std::wstring& folder) { return SetPath(folder); };
    if (!NearestExistingFolder(tidy, show).empty()) return true;
    // The drive is gone as a whole: the process's current folder, as for a drive that is not ready.
    return !NearestExistingFolder(TidyFolderPath(ProcessFolder()), show).empty();
}

int FolderList::SelectedIndex() const
{
    const LRESULT index = SendMessageW(inner_, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

bool FolderList::Enter(int index)
{
    if (index < 0 || index >= Count()) return false;
    const std::wstring target = EntryPath(index);
    const std::wstring before = path_;
    if (!SetPath(target)) {
        // The folder went away or shut us out: show what is there now, or, when the folder
        // shown went too, the nearest folder that is still there.
        SetNearestPath(path_);
        if (!SamePath(path_, before) && Change) Change();
        return false;
    }
    // Entering the folder already shown reads it again but changes nothing.
    if (!SamePath(path_, before) && Change) Change();
    return true;
}

void FolderList::OnCommand(WORD code)
{
    if (code == LBN_DBLCLK) Enter(SelectedIndex());
}

void FolderList::DescribeItem(int index, std::wstring& text, int& icon, int& indentLevel) const
{
    if (index < 0 || index >= Count()) return;
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    text = entry.text;
    icon = (entry.open ? openIcon_ : closedIcon_).Index();
    indentLevel = entry.level;
}

LRESULT CALLBACK FolderList::InnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* list = WindowHook::OwnerOf<FolderList>(hwnd);
    if (!list) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_GETDLGCODE:
        // Enter belongs to the list, not to a dialog's default button.
        if (lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN)
            return DLGC_WANTALLKEYS | list->innerHook_.PassOn(hwnd, msg, wParam, lParam);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            list->Enter(list->SelectedIndex());
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        if (list->MouseMove) list->MouseMove();
        break;
    default:
        break;
    }
    return list->innerHook_.PassOn(hwnd, msg, wParam, lParam);
}

} // namespace host
