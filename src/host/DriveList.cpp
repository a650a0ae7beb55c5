#include "host/DriveList.h"

namespace host {

namespace {

constexpr int DroppedItems = 12;

wchar_t DriveLetter(const std::wstring& text)
{
    if (text.empty()) return 0;
    const wchar_t c = text[0];
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c - L'A' + L'a');
    if (c >= L'a' && c <= L'z') return c;
    return 0;
}

// Labels only of drives that answer at once; removable and optical drives are not woken.
std::wstring DriveLabel(const std::wstring& root)
{
    const UINT type = GetDriveTypeW(root.c_str());
    if (type != DRIVE_FIXED && type != DRIVE_RAMDISK && type != DRIVE_REMOTE) return {};
    wchar_t label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) return {};
    return label;
}

} // namespace

bool DriveList::Create(HWND parent, int id, const RECT& pixels)
{
    if (!CreateHost(parent, id, pixels)) return false;
    Refresh();
    // The frame is as high as the closed box, whatever the parent offered.
    RECT closed;
    GetWindowRect(inner_, &closed);
    SetWindowPos(host_, nullptr, 0, 0, pixels.right - pixels.left, closed.bottom - closed.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

HWND DriveList::CreateInner()
{
    laidOut_ = RECT{};
    return CreateWindowExW(0, L"COMBOBOX", L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                               CBS_HASSTRINGS,
                           0, 0, 10, 10, host_, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void DriveList::LayoutInner(int width, int)
{
    // A combo box's window height includes its dropped-down list.
    const int itemHeight = static_cast<int>(SendMessageW(inner_, CB_GETITEMHEIGHT, 0, 0));
    const int fieldHeight = static_cast<int>(SendMessageW(inner_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const RECT place{0, 0, width, fieldHeight + 8 + DroppedItems * itemHeight};
    // Given its place again, the combo box would still size itself and its list twice over; the
    // list is a window of its own on the desktop, which costs the system more to move than a child.
    if (EqualRect(&place, &laidOut_)) return;
    laidOut_ = place;
    MoveWindow(inner_, place.left, place.top, place.right, place.bottom, TRUE);
}

void DriveList::SetItemHeights(int height)
{
    SendMessageW(inner_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
    SendMessageW(inner_, CB_SETITEMHEIGHT, 0, height);
}

void DriveList::Refresh()
{
    // No "insert a disk" boxes while drives are asked for their labels.
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, &oldMode);
    drives_.clear();
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        const wchar_t letter = static_cast<wchar_t>(L'a' + i);
        const std::wstring root = std::wstring(1, letter) + L":\\";
        drives_.push_back({letter, DriveLabel(root), LazySmallIcon(root)});
    }
    SetThreadErrorMode(oldMode, nullptr);

    SendMessageW(inner_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(inner_, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < Count(); ++i)
        SendMessageW(inner_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ItemText(i).c_str()));
    SendMessageW(inner_, WM_SETREDRAW, TRUE, 0);
    if (IndexOf(current_) < 0) current_ = 0;
    Show(IndexOf(current_));
}

std::wstring DriveList::ItemText(int index) const
{
    const DriveEntry& drive = drives_.at(static_cast<std::size_t>(index));
    std::wstring text{drive.letter, L':'};
    if (!drive.label.empty()) text += L" [" + drive.label + L"]";
    return text;
}

std::wstring DriveList::Drive() const
{
    if (!current_) return {};
    return std::wstring{current_, L':'};
}

bool DriveList::SetDrive(const std::wstring& drive)
{
    const wchar_t letter = DriveLetter(drive);
    if (!letter) return false;
    if (IndexOf(letter) < 0) Refresh();  // a drive that appeared since the list was read
    const int index = IndexOf(letter);
    if (index < 0) return false;
    current_ = letter;
    Show(index);
    return true;
}

int DriveList::IndexOf(wchar_t letter) const
{
    for (int i = 0; i < Count(); ++i)
        if (drives_[static_cast<std::size_t>(i)].letter == letter) return i;
    return -1;
}

void DriveList::Show(int index)
{
    SendMessageW(inner_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SetWindowTextW(host_, index >= 0 ? ItemText(index).c_str() : L"");
    InvalidateRect(inner_, nullptr, TRUE);
}

void DriveList::OnCommand(WORD code)
{
    switch (code) {
    case CBN_DROPDOWN:
        Refresh();
        break;
    case CBN_SELENDOK:
        Picked();
        break;
    case CBN_SELCHANGE:
        // Arrow keys on the closed box pick at once; in the open list only the final choice counts.
        if (!SendMessageW(inner_, CB_GETDROPPEDSTATE, 0, 0)) Picked();
        break;
    case CBN_SELENDCANCEL:
        Show(IndexOf(current_));
        break;
    default:
        break;
    }
}

void DriveList::Picked()
{
    const int index = static_cast<int>(SendMessageW(inner_, CB_GETCURSEL, 0, 0));
    if (index < 0 || index >= Count()) return;
    const wchar_t letter = drives_[static_cast<std::size_t>(index)].letter;
    if (letter == current_) return;
    current_ = letter;
    SetWindowTextW(host_, ItemText(index).c_str());
    if (Change) Change();
}

void DriveList::DescribeItem(int index, std::wstring& text, int& icon, int& indentLevel) const
{
    indentLevel = 0;
    if (index < 0 || index >= Count()) return;
    text = ItemText(index);
    icon = drives_[static_cast<std::size_t>(index)].icon.Index();
}

} // namespace host
