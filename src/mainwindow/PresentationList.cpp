#include "mainwindow/PresentationList.h"

#include "host/FileList.h"
#include "host/FolderPath.h"

#include <algorithm>
#include <optional>

namespace {

std::wstring LocaleText(LCTYPE type, const wchar_t* fallback)
{
    wchar_t buffer[16] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 16) <= 0) return fallback;
    return buffer;
}

} // namespace

// Reads a file's size and modification date when its row is first shown or asked for: a folder
// of many thousands of files fills without a query per file, and a file that vanished since it
// was listed keeps its row without facts.
class PresentationList::FactsReader {
public:
    FileFacts Read(const std::wstring& fullPath)
    {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExW(host::LongPathForm(fullPath).c_str(), GetFileExInfoStandard, &data))
            return FileFacts{};
        FileFacts facts;
        facts.sizeBytes = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        SYSTEMTIME utc;
        SYSTEMTIME local;
        if (FileTimeToSystemTime(&data.ftLastWriteTime, &utc) && SystemTimeToTzSpecificLocalTime(&Zone(), &utc, &local))
            facts.modifiedDate = ShortDate(local);
        return facts;
    }

    const NumberGrouping& Grouping()
    {
        if (!grouping_) grouping_ = UserNumberGrouping();
        return *grouping_;
    }

private:
    // Read once for all rows: asked for each file, the time zone costs more than all the rest.
    const TIME_ZONE_INFORMATION& Zone()
    {
        if (!zone_) {
            zone_.emplace();
            if (GetTimeZoneInformation(&*zone_) == TIME_ZONE_ID_INVALID) *zone_ = TIME_ZONE_INFORMATION{};
        }
        return *zone_;
    }

    std::wstring ShortDate(const SYSTEMTIME& day)
    {
        if (haveLast_ && day.wYear == last_.wYear && day.wMonth == last_.wMonth && day.wDay == last_.wDay) return lastText_;
        wchar_t buffer[80] = {};
        if (GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, buffer, 80) <= 0) return {};
        last_ = day;
        lastText_ = buffer;
        haveLast_ = true;
        return lastText_;
    }

    std::optional<TIME_ZONE_INFORMATION> zone_;
    std::optional<NumberGrouping> grouping_;
    bool haveLast_ = false;
    SYSTEMTIME last_{};
    std::wstring lastText_;
};

namespace {

// Copies a cell into the list view's buffer, cut to fit.
void CopyCell(const std::wstring& text, NMLVDISPINFOW& info)
{
    if (!info.item.pszText || info.item.cchTextMax <= 0) return;
    const std::size_t room = static_cast<std::size_t>(info.item.cchTextMax) - 1;
    const std::size_t count = std::min(room, text.size());
    text.copy(info.item.pszText, count);
    info.item.pszText[count] = L'\0';
}

} // namespace

NumberGrouping UserNumberGrouping()
{
    return NumberGrouping{LocaleText(LOCALE_STHOUSAND, L","), LocaleText(LOCALE_SGROUPING, L"3;0")};
}

// Under Wine the list view draws its themed scroll bar at once on every change of the row count
// or of the scroll position, a few milliseconds each, and its own WM_SETREDRAW does not stop
// that; a window without WS_VISIBLE draws nothing. The default WM_SETREDRAW takes that style
// away and gives it back without a paint, on Windows as well. A list already held is not
// visible, so an inner hold does nothing.
PresentationList::DrawingHold::DrawingHold(HWND list)
    : list_(list), header_(ListView_GetHeader(list)), held_(IsWindowVisible(list) != FALSE)
{
    if (!held_) return;
    GetWindowRect(header_, &headerBefore_);
    // Taking the style away validates the header too: a paint it was waiting for is made up.
    headerPending_ = header_ && GetUpdateRect(header_, nullptr, FALSE);
    DefWindowProcW(list_, WM_SETREDRAW, FALSE, 0);
}

PresentationList::DrawingHold::~DrawingHold()
{
    if (!held_) return;
    DefWindowProcW(list_, WM_SETREDRAW, TRUE, 0);
    RECT header{};
    GetWindowRect(header_, &header);
    // The frame holds the scroll bar. The header is drawn again only when it moved or was
    // waiting: themed, it costs more to paint than the rows.
    const bool withHeader = headerPending_ || !EqualRect(&header, &headerBefore_);
    RedrawWindow(list_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | (withHeader ? RDW_ALLCHILDREN : 0));
}

PresentationList::PresentationList() = default;

PresentationList::~PresentationList()
{
    Destroy();
}

HWND PresentationList::Create(HWND parent, int id, const RECT& pixels)
{
    Destroy();
    // Clipping its header keeps a change of rows from repainting the header too; themed, the
    // header costs more to paint than a screenful of rows.
    const DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA |
                        LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
    list_ = CreateWindowExW(0, WC_LISTVIEWW, L"", style, pixels.left, pixels.top, pixels.right - pixels.left,
                            pixels.bottom - pixels.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    if (!list_) return nullptr;
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    return list_;
}

void PresentationList::Destroy()
{
    // Without this object the list view would have no one to ask for its cells.
    if (list_ && IsWindow(list_)) DestroyWindow(list_);
    list_ = nullptr;
}

void PresentationList::SetImageLists(HIMAGELIST large, HIMAGELIST small)
{
    ListView_SetImageList(list_, large, LVSIL_NORMAL);
    ListView_SetImageList(list_, small, LVSIL_SMALL);
}

int PresentationList::Fill(const host::FileList& files)
{
    const DrawingHold hold(list_);
    rows_.clear();
    measured_.clear();
    reader_ = std::make_unique<FactsReader>();
    rows_.reserve(static_cast<std::size_t>(files.Count()));
    for (int i = 0; i < files.Count(); ++i) {
        const std::wstring& name = files.Name(i);
        if (!name.empty()) rows_.push_back(MakePresentationRow(files.Path(), name));
    }
    measured_.assign(rows_.size(), false);
    const int before = ListView_GetItemCount(list_);
    // The other views place their rows, and emptying the list places the new ones afresh.
    const bool report = (GetWindowLongW(list_, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
    if (before > 0 && Count() > 0 && report) {
        // Rows in place of rows: emptying the list first would hide its scroll bar and show it
        // again, laying out the list and its header each time. What emptying does besides, this does.
        LetGoOfSelection();
        ListView_SetSelectionMark(list_, -1);
        ListView_SetItemCountEx(list_, Count(), 0);
        if (ListView_GetTopIndex(list_) != 0) ListView_EnsureVisible(list_, 0, FALSE);
        const int across = GetScrollPos(list_, SB_HORZ);
        if (across > 0) ListView_Scroll(list_, -across, 0);
    } else {
        // An empty list has nothing to let go, and the call would still lay out its header and
        // scroll bars again (the first folder at start-up, a folder after an empty one).
        if (before > 0) ListView_DeleteAllItems(list_);
        ListView_SetItemCountEx(list_, Count(), 0);
    }
    return Count();
}

// Only the rows that hold the selection or the focus lose it: clearing every row of a large
// folder in turn takes longer than filling the list.
void PresentationList::LetGoOfSelection()
{
    if (ListView_GetSelectedCount(list_) > 0)
        for (int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED); row >= 0;
             row = ListView_GetNextItem(list_, row, LVNI_SELECTED))
            ListView_SetItemState(list_, row, 0, LVIS_SELECTED);
    const int focused = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
    if (focused >= 0) ListView_SetItemState(list_, focused, 0, LVIS_FOCUSED);
}

const PresentationRow& PresentationList::Row(int index) const
{
    PresentationRow& row = rows_.at(static_cast<std::size_t>(index));
    if (!measured_[static_cast<std::size_t>(index)]) {
        measured_[static_cast<std::size_t>(index)] = true;
        SetRowFacts(row, reader_->Read(row.fullPath), reader_->Grouping());
    }
    return row;
}

void PresentationList::SelectLastRowWithoutClick()
{
    if (rows_.empty()) return;
    const int last = Count() - 1;
    const DrawingHold hold(list_);
    const int top = ListView_GetTopIndex(list_);
    LetGoOfSelection();
    ListView_SetItemState(list_, last, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    // Wine's list view scrolls a row that gets the focus into view; Windows' leaves the rows
    // where they are, and so does this list.
    if (ListView_GetTopIndex(list_) != top) ListView_EnsureVisible(list_, top, FALSE);
    ListView_SetSelectionMark(list_, last);
}

int PresentationList::SelectedIndex() const
{
    const int index = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
    return index >= 0 && index < Count() ? index : -1;
}

std::wstring PresentationList::SelectedText() const
{
    const int index = SelectedIndex();
    return index < 0 ? std::wstring() : Row(index).text;
}

bool PresentationList::HandleNotify(const NMHDR& header, LRESULT& result)
{
    if (!list_ || header.hwndFrom != list_) return false;
    switch (header.code) {
    case LVN_GETDISPINFOW:
        ServeCell(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
        result = 0;
        return true;
    case LVN_ODFINDITEMW:
        result = FindRow(*reinterpret_cast<const NMLVFINDITEMW*>(&header));
        return true;
    default:
        return false;
    }
}

void PresentationList::ServeCell(NMLVDISPINFOW& info) const
{
    if (info.item.iItem < 0 || info.item.iItem >= Count()) return;
    const PresentationRow& row = Row(info.item.iItem);
    if (info.item.mask & LVIF_TEXT) {
        switch (info.item.iSubItem) {
        case 0: CopyCell(row.text, info); break;
        case 1: CopyCell(row.size, info); break;
        case 2: CopyCell(row.date, info); break;
        default: CopyCell(std::wstring(), info); break;
        }
    }
    if ((info.item.mask & LVIF_IMAGE) && info.item.iSubItem == 0) {
        // One image index serves both lists: the icon view shows the large picture, the others the small.
        const bool iconView = (GetWindowLongW(list_, GWL_STYLE) & LVS_TYPEMASK) == LVS_ICON;
        info.item.iImage = (iconView ? row.largeIcon : row.smallIcon) - 1;
    }
}

// Type-ahead: the next row from the start row on whose text begins with the typed letters.
int PresentationList::FindRow(const NMLVFINDITEMW& find) const
{
    if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz || rows_.empty()) return -1;
    const std::wstring typed = find.lvfi.psz;
    const bool partial = (find.lvfi.flags & LVFI_PARTIAL) != 0;
    const bool wrap = (find.lvfi.flags & LVFI_WRAP) != 0;
    int start = std::max(find.iStart, 0);
    if (start >= Count()) {
        if (!wrap) return -1;
        start = 0;
    }
    const int steps = wrap ? Count() : Count() - start;
    for (int step = 0; step < steps; ++step) {
        const int index = (start + step) % Count();
        const std::wstring& text = rows_[static_cast<std::size_t>(index)].text;
        if (text.size() < typed.size() || (!partial && text.size() != typed.size())) continue;
        if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.c_str(), static_cast<int>(typed.size()),
                           typed.c_str(), static_cast<int>(typed.size())) == CSTR_EQUAL)
            return index;
    }
    return -1;
}
