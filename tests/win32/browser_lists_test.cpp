#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "MessageCount.h"
#include "WindowPixels.h"
#include "WineTestSupport.h"
#include "host/Artwork.h"
#include "host/DriveList.h"
#include "host/FileList.h"
#include "host/FolderList.h"
#include "host/Handles.h"
#include "mainwindow/PresentationList.h"

using testsupport::ScratchFolder;
using testsupport::WriteBytes;

namespace {

using Names = std::vector<std::wstring>;

Names Listed(const host::FileList& files)
{
    Names names;
    for (int i = 0; i < files.Count(); ++i) names.push_back(files.Name(i));
    return names;
}

// The folder of the browser's cases: presentations of both kinds (a show file only when
// spelled ".pps" or ".PPS"), an empty file, a hidden
// file, a text file and a subfolder whose name matches the pattern too.
struct TalkFolder {
    ScratchFolder folder{L"browser"};
    bool hiddenByAttribute = false;

    TalkFolder()
    {
        WriteBytes(folder / L"MY TALK.PPT", std::string(2048000, 'x'));
        WriteBytes(folder / L"intro.pps", "pps");
        WriteBytes(folder / L"OUTRO.Pps", "Pps");
        WriteBytes(folder / L"empty.ppt", "");
        WriteBytes(folder / L"notes.txt", "notes");
        WriteBytes(folder / L"secret.ppt", "hidden");
        SetFileAttributesW((folder / L"secret.ppt").c_str(), FILE_ATTRIBUTE_HIDDEN);
        hiddenByAttribute = (GetFileAttributesW((folder / L"secret.ppt").c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0;
        // Where the file system can't keep the attribute, Wine hides dot files instead.
        if (!hiddenByAttribute) WriteBytes(folder / L".secret.ppt", "hidden");
        CreateDirectoryW((folder / L"old.ppt").c_str(), nullptr);
    }
};

// A plain top-level window that counts the list view's click notifications.
class ParentWindow {
public:
    ParentWindow()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"BrowserTestParent";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, L"BrowserTestParent", L"browser", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 700,
                                500, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        clicks_ = 0;
    }
    ~ParentWindow()
    {
        DestroyWindow(hwnd_);
        rows_ = nullptr;
    }
    HWND hwnd() const { return hwnd_; }
    static int Clicks() { return clicks_; }
    // The list as the main window holds it: its notifications are handed to it first.
    HWND CreateRows(PresentationList& rows)
    {
        rows_ = &rows;
        return rows.Create(hwnd_, 100, RECT{10, 10, 500, 400});
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_NOTIFY) {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (LRESULT result = 0; rows_ && rows_->HandleNotify(header, result)) return result;
            if (header.code == NM_CLICK) ++clicks_;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    HWND hwnd_;
    static inline int clicks_ = 0;
    static inline PresentationList* rows_ = nullptr;
};

std::wstring CellText(HWND list, int row, int column)
{
    wchar_t buffer[260] = {};
    ListView_GetItemText(list, row, column, buffer, 260);
    return buffer;
}

int RowImage(HWND list, int row)
{
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    ListView_GetItem(list, &item);
    return item.iImage;
}

std::wstring ExpectedDate(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    SYSTEMTIME utc;
    SYSTEMTIME local;
    FileTimeToSystemTime(&data.ftLastWriteTime, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    wchar_t date[80];
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 80);
    return DateColumn(date);
}

void AddColumns(HWND list)
{
    const wchar_t* headers[] = {L"Name", L"Size", L"Date"};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(headers[i]);
        column.cx = 150;
        ListView_InsertColumn(list, i, &column);
    }
}

// A drive letter mapped to a folder that does not exist: listed, but never ready.
// A drive letter without its medium.
struct MissingDrive : testsupport::MappedDrive {
    MissingDrive() : MappedDrive(L"C:\\no-such-browser-drive") {}
};

// Under Wine a folder may hold names that differ only in case; Windows calls can't create the
// second one, a Unix program can. Returns false where that is not possible.
bool CreateCaseTwin(const std::wstring& folder, const std::wstring& name)
{
    // The Unix name is added below the folder: Wine would take the Windows name for the file that exists.
    if (!testsupport::StartUnixProgram(L"/usr/bin/touch", folder, name)) return false;
    // A Unix process can't be waited for: wait for the name to show up.
    return testsupport::WaitFor([&] {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
        bool found = false;
        if (find == INVALID_HANDLE_VALUE) return false;
        do found = found || name == data.cFileName;
        while (FindNextFileW(find, &data));
        FindClose(find);
        return found;
    });
}

} // namespace

TEST(BrowserFileList, MatchesSortsAndLeavesOutFoldersAndHiddenFiles)
{
    TalkFolder talks;
    host::FileList files;
    files.SetPattern(L"*.ppt;*.pps");
    ASSERT_TRUE(files.SetPath(talks.folder.path()));
    EXPECT_EQ(files.Path(), talks.folder.path());
    // Case-insensitive order; names equal but for case stand in a fixed order.
    EXPECT_EQ(Listed(files), (Names{L"empty.ppt", L"intro.pps", L"MY TALK.PPT", L"OUTRO.Pps"}));

    // Two wildcards that match the same file list it once.
    files.SetPattern(L"*.PPT;MY*;*.ppt");
    EXPECT_EQ(Listed(files), (Names{L"empty.ppt", L"MY TALK.PPT"}));

    // Empty pieces are skipped; a pattern without any wildcard lists nothing.
    files.SetPattern(L";*.pps;;");
    EXPECT_EQ(Listed(files), (Names{L"intro.pps", L"OUTRO.Pps"}));
    for (const wchar_t* none : {L"", L";;"}) {
        files.SetPattern(none);
        EXPECT_EQ(Listed(files), Names{}) << testing::PrintToString(std::wstring(none));
        EXPECT_TRUE(files.Refresh()) << "the folder itself is still readable";
    }

    // A file that appears is seen on refresh.
    WriteBytes(talks.folder / L"added.ppt", "new");
    files.SetPattern(L"*.ppt");
    EXPECT_EQ(Listed(files), (Names{L"added.ppt", L"empty.ppt", L"MY TALK.PPT"}));
}

TEST(BrowserFileList, LongNamesSortAmongShortOnes)
{
    // Names whose sort keys outgrow the usual buffer are ordered like the rest.
    ScratchFolder folder(L"browser-long");
    const std::wstring longA = L"A" + std::wstring(150, L'z') + L".ppt";
    const std::wstring longB = L"b" + std::wstring(150, L'x') + L".ppt";
    for (const std::wstring& name : {longB, std::wstring(L"c.ppt"), longA, std::wstring(L"a.ppt")})
        WriteBytes(folder / name, "ppt");
    host::FileList files;
    files.SetPattern(L"*.ppt");
    ASSERT_TRUE(files.SetPath(folder.path()));
    EXPECT_EQ(Listed(files), (Names{L"a.ppt", longA, longB, L"c.ppt"}));
}

TEST(BrowserFileList, NamesDifferingOnlyInCase)
{
    ScratchFolder folder(L"browser-case");
    WriteBytes(folder / L"intro.pps", "pps");
    if (!CreateCaseTwin(folder.path(), L"INTRO.Pps")) GTEST_SKIP() << "the file system can't hold both names";
    host::FileList files;
    files.SetPattern(L"*.pps;*.PPS");
    ASSERT_TRUE(files.SetPath(folder.path()));
    EXPECT_EQ(Listed(files), (Names{L"INTRO.Pps", L"intro.pps"}));

    ParentWindow parent;
    PresentationList rows;
    HWND list = parent.CreateRows(rows);
    AddColumns(list);
    ASSERT_EQ(rows.Fill(files), 2);
    EXPECT_EQ(CellText(list, 0, 0), L"Intro.pps");
    EXPECT_EQ(RowImage(list, 0), 9) << "INTRO.Pps is not a show file";
    EXPECT_EQ(CellText(list, 1, 0), L"Intro.pps");
    EXPECT_EQ(RowImage(list, 1), 10) << "intro.pps is a show file";
}

TEST(BrowserFileList, UnreadableFolderKeepsPathAndList)
{
    TalkFolder talks;
    host::FileList files;
    files.SetPattern(L"*.ppt");
    ASSERT_TRUE(files.SetPath(talks.folder.path()));
    EXPECT_FALSE(files.SetPath(talks.folder / L"no such folder"));
    EXPECT_FALSE(files.SetPath(talks.folder / L"notes.txt"));
    EXPECT_EQ(files.Path(), talks.folder.path());
    EXPECT_EQ(files.Count(), 2);

    // An existing folder without matches is readable and empty.
    ScratchFolder empty(L"browser-empty");
    EXPECT_TRUE(files.SetPath(empty.path()));
    EXPECT_EQ(files.Count(), 0);
}

TEST(BrowserPresentationList, RowsIconsSizesAndDates)
{
    TalkFolder talks;
    ParentWindow parent;
    PresentationList rows;
    HWND list = parent.CreateRows(rows);
    ASSERT_NE(list, nullptr);
    AddColumns(list);
    host::FileList files;
    files.SetPattern(L"*.ppt;*.pps");
    ASSERT_TRUE(files.SetPath(talks.folder.path()));

    ASSERT_EQ(rows.Fill(files), 4);
    ASSERT_EQ(ListView_GetItemCount(list), 4);
    EXPECT_EQ(CellText(list, 0, 0), L"Empty.ppt");
    EXPECT_EQ(CellText(list, 1, 0), L"Intro.pps");
    EXPECT_EQ(CellText(list, 2, 0), L"My Talk.ppt");
    EXPECT_EQ(CellText(list, 3, 0), L"Outro.pps");

    // Small pictures 10 and 11 are images 9 and 10 of the list.
    EXPECT_EQ(RowImage(list, 0), 9);
    EXPECT_EQ(RowImage(list, 1), 10) << "intro.pps is a show file";
    EXPECT_EQ(RowImage(list, 2), 9);
    EXPECT_EQ(RowImage(list, 3), 9) << "OUTRO.Pps is not a show file";

    wchar_t separator[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8);
    EXPECT_EQ(CellText(list, 2, 1), std::wstring(L"2") + separator + L"048" + separator + L"000");
    EXPECT_EQ(CellText(list, 0, 1), L"0");
    EXPECT_EQ(CellText(list, 1, 1), L"3");
    EXPECT_EQ(CellText(list, 2, 2), ExpectedDate(talks.folder / L"MY TALK.PPT"));
    EXPECT_EQ(CellText(list, 2, 2).size(), 10u);
    EXPECT_EQ(rows.Row(2).fullPath, talks.folder / L"MY TALK.PPT");

    // Typing in the list finds rows by their first letters, from the row after the focus on.
    LVFINDINFOW find{};
    find.flags = LVFI_STRING | LVFI_PARTIAL | LVFI_WRAP;
    find.psz = L"my t";
    EXPECT_EQ(ListView_FindItem(list, -1, &find), 2);
    find.psz = L"INTRO";
    EXPECT_EQ(ListView_FindItem(list, 2, &find), 1) << "the search wraps round";
    find.psz = L"x";
    EXPECT_EQ(ListView_FindItem(list, -1, &find), -1);

    // In the icon view every row shows large picture 3.
    SetWindowLongW(list, GWL_STYLE, (GetWindowLongW(list, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_ICON);
    EXPECT_EQ(RowImage(list, 2), 2);
}

namespace {
// The list of the talks folder's presentations, shown, before its first fill.
struct ShownTalks {
    TalkFolder talks;
    ParentWindow parent;
    PresentationList rows;
    HWND list = parent.CreateRows(rows);
    host::FileList files;

    ShownTalks()
    {
        AddColumns(list);
        ShowWindow(parent.hwnd(), SW_SHOWNOACTIVATE);
        ShowWindow(list, SW_SHOWNA);
        files.SetPattern(L"*.ppt;*.pps");
        files.SetPath(talks.folder.path());
    }
};
} // namespace

TEST(BrowserPresentationList, LastRowSelectedWithoutAClick)
{
    ShownTalks shown;
    PresentationList& rows = shown.rows;
    HWND list = shown.list;
    host::FileList& files = shown.files;
    ASSERT_EQ(rows.Fill(files), 4);

    EXPECT_EQ(rows.SelectedIndex(), -1);
    EXPECT_EQ(rows.SelectedText(), L"");
    rows.SelectLastRowWithoutClick();
    testsupport::WaitFor([] { return false; }, 100);
    EXPECT_EQ(rows.SelectedIndex(), 3);
    EXPECT_EQ(rows.SelectedText(), L"Outro.pps");
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 3);
    EXPECT_EQ(ParentWindow::Clicks(), 0);

    // A refill starts without a selection; an empty folder has no row to select.
    ScratchFolder empty(L"browser-none");
    ASSERT_TRUE(files.SetPath(empty.path()));
    EXPECT_EQ(rows.Fill(files), 0);
    rows.SelectLastRowWithoutClick();
    EXPECT_EQ(rows.SelectedIndex(), -1);
    EXPECT_EQ(ListView_GetItemCount(list), 0);
}

TEST(BrowserPresentationList, NewRowsLeaveTheHeaderAsItIs)
{
    ShownTalks shown;
    ASSERT_EQ(shown.rows.Fill(shown.files), 4);
    UpdateWindow(shown.parent.hwnd());
    HWND header = ListView_GetHeader(shown.list);
    ASSERT_FALSE(GetUpdateRect(header, nullptr, FALSE));

    ASSERT_EQ(shown.rows.Fill(shown.files), 4);
    EXPECT_TRUE(GetUpdateRect(shown.list, nullptr, FALSE)) << "the rows are drawn again";
    EXPECT_FALSE(GetUpdateRect(header, nullptr, FALSE)) << "the header is not";
}

namespace {
// Refills the list and lets it paint as the message loop would; true when what it shows then is
// what a paint of everything from scratch shows.
// By default the rows and their selection are drawn together, as the main window refills it.
bool RefillShowsAsDrawnAfresh(PresentationList& rows, host::FileList& files, const std::wstring& folder,
                              bool oneHold = true)
{
    files.SetPath(folder);
    {
        const std::optional<PresentationList::DrawingHold> hold =
            oneHold ? std::optional<PresentationList::DrawingHold>(std::in_place, rows.hwnd()) : std::nullopt;
        rows.Fill(files);
        rows.SelectLastRowWithoutClick();
    }
    testsupport::WaitFor([] { return false; }, 50);
    const std::vector<DWORD> shown = WindowPixels(rows.hwnd());
    RedrawWindow(rows.hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return shown == WindowPixels(rows.hwnd());
}
} // namespace

// More rows than fit, fewer again: each refill leaves the first row at the top, the last one
// chosen, and draws the scroll bar, header and rows it changed.
TEST(BrowserPresentationList, RefillShowsTheFirstRowsAndDrawsWhatChanged)
{
    ShownTalks shown;
    PresentationList& rows = shown.rows;
    HWND list = shown.list;
    ASSERT_EQ(rows.Fill(shown.files), 4);
    UpdateWindow(shown.parent.hwnd());
    ScratchFolder many(L"browser-many");
    for (int i = 0; i < 80; ++i) WriteBytes(many / (L"talk " + std::to_wstring(100 + i) + L".ppt"), "slides");

    EXPECT_TRUE(RefillShowsAsDrawnAfresh(rows, shown.files, many.path())) << "a scroll bar appears";
    ASSERT_EQ(rows.Count(), 80);
    EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(ListView_GetTopIndex(list), 0);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 0);
    EXPECT_EQ(rows.SelectedIndex(), 79);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 79);
    EXPECT_TRUE(IsWindowVisible(list));

    // Scrolled down by the user, the next folder still starts at its first row.
    ListView_EnsureVisible(list, 79, FALSE);
    UpdateWindow(list);
    EXPECT_TRUE(RefillShowsAsDrawnAfresh(rows, shown.files, many.path())) << "the same folder again";
    EXPECT_EQ(ListView_GetTopIndex(list), 0);

    // Rows in place of rows let go of all the old ones held: the chosen row, the focus, the
    // selection mark, and a list scrolled sideways.
    ListView_SetColumnWidth(list, 0, 400);
    ListView_Scroll(list, 120, 0);
    ListView_SetItemState(list, 5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, 5);
    ASSERT_GT(GetScrollPos(list, SB_HORZ), 0);
    ASSERT_EQ(rows.Fill(shown.files), 80);
    EXPECT_EQ(ListView_GetSelectedCount(list), 0u);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), -1);
    EXPECT_EQ(ListView_GetSelectionMark(list), -1);
    EXPECT_EQ(GetScrollPos(list, SB_HORZ), 0);
    EXPECT_TRUE(RefillShowsAsDrawnAfresh(rows, shown.files, many.path())) << "scrolled sideways";
    EXPECT_EQ(GetScrollPos(list, SB_HORZ), 0);
    EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
    ListView_SetColumnWidth(list, 0, 150);

    // A header that was waiting for a paint still gets it.
    HWND header = ListView_GetHeader(list);
    InvalidateRect(header, nullptr, TRUE);
    rows.Fill(shown.files);
    EXPECT_TRUE(GetUpdateRect(header, nullptr, FALSE));

    EXPECT_TRUE(RefillShowsAsDrawnAfresh(rows, shown.files, shown.talks.folder.path(), false))
        << "the scroll bar goes, the rows and the selection drawn in turn";
    EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(rows.SelectedIndex(), 3);

    // A folder after an empty one shows as any other.
    ScratchFolder none(L"browser-none");
    EXPECT_TRUE(RefillShowsAsDrawnAfresh(rows, shown.files, none.path())) << "no rows";
    EXPECT_EQ(ListView_GetItemCount(list), 0);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), -1);
    EXPECT_TRUE(RefillShowsAsDrawnAfresh(rows, shown.files, many.path())) << "rows after none";
    EXPECT_EQ(ListView_GetTopIndex(list), 0);
    EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
    EXPECT_EQ(rows.SelectedIndex(), 79);
}

TEST(BrowserPresentationList, VanishedFileKeepsItsRow)
{
    TalkFolder talks;
    ParentWindow parent;
    PresentationList rows;
    HWND list = parent.CreateRows(rows);
    AddColumns(list);
    host::FileList files;
    files.SetPattern(L"*.ppt");
    ASSERT_TRUE(files.SetPath(talks.folder.path()));
    ASSERT_TRUE(DeleteFileW((talks.folder / L"MY TALK.PPT").c_str()));

    ASSERT_EQ(rows.Fill(files), 2);
    EXPECT_EQ(CellText(list, 1, 0), L"My Talk.ppt");
    EXPECT_EQ(CellText(list, 1, 1), L"");
    EXPECT_EQ(CellText(list, 1, 2), L"");
    EXPECT_EQ(RowImage(list, 1), 9);
    EXPECT_EQ(CellText(list, 0, 1), L"0") << "the next file is filled as usual";

    // The list view lives as long as the rows that feed it.
    auto shortLived = std::make_unique<PresentationList>();
    HWND other = shortLived->Create(parent.hwnd(), 101, RECT{0, 0, 50, 50});
    ASSERT_TRUE(IsWindow(other));
    shortLived.reset();
    EXPECT_FALSE(IsWindow(other));
}

TEST(BrowserFolderList, AncestorsOpenSubfoldersClosedAndEntering)
{
    TalkFolder talks;
    CreateDirectoryW((talks.folder / L"Beta").c_str(), nullptr);
    CreateDirectoryW((talks.folder / L"alpha").c_str(), nullptr);
    CreateDirectoryW((talks.folder / L"hidden").c_str(), nullptr);
    SetFileAttributesW((talks.folder / L"hidden").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    const bool hiddenKept = (GetFileAttributesW((talks.folder / L"hidden").c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0;
    ParentWindow parent;
    host::FolderList folders;
    ASSERT_TRUE(folders.Create(parent.hwnd(), 101, RECT{520, 40, 690, 400}));
    int changes = 0;
    folders.Change = [&] { ++changes; };

    ASSERT_TRUE(folders.SetPath(talks.folder.path() + L"\\"));
    EXPECT_EQ(folders.Path(), talks.folder.path()) << "no trailing backslash";
    EXPECT_EQ(testsupport::WindowText(folders.hwnd()), talks.folder.path());
    EXPECT_EQ(folders.EntryText(0), L"c:\\");
    EXPECT_EQ(folders.EntryPath(0), folders.Path().substr(0, 3));
    // The path's ancestors, then its subfolders sorted without regard to case.
    const int current = folders.Count() - (hiddenKept ? 4 : 5);
    ASSERT_GT(current, 0);
    EXPECT_EQ(folders.EntryPath(current), talks.folder.path());
    EXPECT_EQ(folders.SelectedIndex(), current);
    EXPECT_EQ(folders.EntryText(current + 1), L"alpha");
    EXPECT_EQ(folders.EntryText(current + 2), L"Beta");
    EXPECT_EQ(folders.EntryText(current + 3), L"old.ppt");
    EXPECT_EQ(changes, 0) << "setting the path is no user action";

    // Double-click enters a subfolder.
    SendMessageW(folders.inner(), LB_SETCURSEL, current + 2, 0);
    SendMessageW(folders.hwnd(), WM_COMMAND, MAKEWPARAM(0, LBN_DBLCLK), reinterpret_cast<LPARAM>(folders.inner()));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(folders.Path(), talks.folder / L"Beta");
    EXPECT_EQ(folders.Count(), current + 2) << "Beta has no subfolders";

    // Enter on an ancestor goes back up.
    SendMessageW(folders.inner(), LB_SETCURSEL, current, 0);
    SendMessageW(folders.inner(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(folders.Path(), talks.folder.path());

    // Double-click or Enter on the folder already shown changes nothing.
    SendMessageW(folders.inner(), LB_SETCURSEL, current, 0);
    SendMessageW(folders.hwnd(), WM_COMMAND, MAKEWPARAM(0, LBN_DBLCLK), reinterpret_cast<LPARAM>(folders.inner()));
    SendMessageW(folders.inner(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(folders.Enter(current));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(folders.Path(), talks.folder.path());
    EXPECT_EQ(folders.SelectedIndex(), current);

    // A subfolder that vanished before it was entered: no change, the list is read again.
    const int alpha = current + 1;
    ASSERT_TRUE(RemoveDirectoryW((talks.folder / L"alpha").c_str()));
    EXPECT_FALSE(folders.Enter(alpha));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(folders.Path(), talks.folder.path());
    EXPECT_EQ(folders.EntryText(current + 1), L"Beta");

    int moves = 0;
    folders.MouseMove = [&] { ++moves; };
    SendMessageW(folders.inner(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(moves, 1);

    // Enter belongs to the list, not to a dialog's default button; other keys are the list box's.
    const auto wantsAll = [&](WPARAM key) {
        MSG press{};
        press.hwnd = folders.inner();
        press.message = WM_KEYDOWN;
        press.wParam = key;
        return (SendMessageW(folders.inner(), WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&press)) &
                DLGC_WANTALLKEYS) != 0;
    };
    EXPECT_TRUE(wantsAll(VK_RETURN));
    EXPECT_FALSE(wantsAll(VK_DOWN));
}

TEST(BrowserFolderList, MissingFolderOrDriveKeepsTheOldPath)
{
    TalkFolder talks;
    ParentWindow parent;
    host::FolderList folders;
    ASSERT_TRUE(folders.Create(parent.hwnd(), 101, RECT{520, 40, 690, 400}));
    ASSERT_TRUE(folders.SetPath(talks.folder.path()));
    const int count = folders.Count();

    EXPECT_FALSE(folders.SetPath(talks.folder / L"gone"));
    EXPECT_FALSE(folders.SetPath(talks.folder / L"MY TALK.PPT"));
    EXPECT_EQ(folders.Path(), talks.folder.path());
    EXPECT_EQ(folders.Count(), count);

    MissingDrive drive;
    ASSERT_TRUE(drive.Present()) << "the test drive could not be mapped";
    EXPECT_FALSE(folders.SetPath(drive.Drive()));
    EXPECT_FALSE(folders.SetPath(drive.Drive() + L"\\"));
    EXPECT_EQ(folders.Path(), talks.folder.path());
    EXPECT_EQ(testsupport::WindowText(folders.hwnd()), talks.folder.path());

    // A drive alone stands for that drive's current folder.
    EXPECT_TRUE(folders.SetPath(L"z:"));
    EXPECT_EQ(folders.EntryText(0), L"z:\\");
}

TEST(BrowserDriveList, ListsDrivesAndSetsThemBackSilently)
{
    MissingDrive missing;
    ParentWindow parent;
    host::DriveList drives;
    ASSERT_TRUE(drives.Create(parent.hwnd(), 102, RECT{520, 10, 690, 30}));
    int changes = 0;
    drives.Change = [&] { ++changes; };

    std::vector<std::wstring> letters;
    for (int i = 0; i < drives.Count(); ++i) letters.push_back(drives.ItemText(i).substr(0, 2));
    EXPECT_NE(std::find(letters.begin(), letters.end(), L"c:"), letters.end());
    EXPECT_NE(std::find(letters.begin(), letters.end(), L"z:"), letters.end());
    EXPECT_NE(std::find(letters.begin(), letters.end(), missing.Drive()), letters.end())
        << "a drive that is not ready is still listed";
    EXPECT_EQ(SendMessageW(drives.inner(), CB_GETCOUNT, 0, 0), drives.Count());

    EXPECT_TRUE(drives.SetDrive(L"C:\\talks"));
    EXPECT_EQ(drives.Drive(), L"c:");
    EXPECT_EQ(testsupport::WindowText(drives.hwnd()).substr(0, 2), L"c:");
    EXPECT_FALSE(drives.SetDrive(L"1:"));
    EXPECT_EQ(drives.Drive(), L"c:");
    EXPECT_EQ(changes, 0);

    // The user's pick raises Change once; the handler may set the list back without another.
    const int zIndex = static_cast<int>(std::find(letters.begin(), letters.end(), L"z:") - letters.begin());
    drives.Change = [&] {
        ++changes;
        EXPECT_EQ(drives.Drive(), L"z:");
        drives.SetDrive(L"c:");
    };
    SendMessageW(drives.inner(), CB_SETCURSEL, zIndex, 0);
    SendMessageW(drives.hwnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELENDOK), reinterpret_cast<LPARAM>(drives.inner()));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(drives.Drive(), L"c:");
    EXPECT_EQ(SendMessageW(drives.inner(), CB_GETCURSEL, 0, 0),
              static_cast<LRESULT>(std::find(letters.begin(), letters.end(), L"c:") - letters.begin()));

    // Picking the drive already chosen is no change.
    SendMessageW(drives.hwnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELENDOK), reinterpret_cast<LPARAM>(drives.inner()));
    EXPECT_EQ(changes, 1);
}

// The combo box is laid out again only when its place changes: a frame that only grows taller
// leaves it alone, while a new width or a new item height reaches it.
TEST(BrowserDriveList, ComboBoxIsLaidOutOnlyWhenItsPlaceChanges)
{
    ParentWindow parent;
    host::DriveList drives;
    ASSERT_TRUE(drives.Create(parent.hwnd(), 102, RECT{520, 10, 690, 30}));
    const MessageCount moves(drives.inner(), WM_WINDOWPOSCHANGING);
    auto dropped = [&] {
        RECT r{};
        SendMessageW(drives.inner(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    };
    const RECT before = dropped();
    RECT frame{};
    GetWindowRect(drives.hwnd(), &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    constexpr UINT resize = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

    SetWindowPos(drives.hwnd(), nullptr, 0, 0, width, height + 5, resize);
    EXPECT_EQ(moves.count(), 0) << "the same width gives the combo box the same place";

    SetWindowPos(drives.hwnd(), nullptr, 0, 0, width + 80, height, resize);
    EXPECT_GT(moves.count(), 0);
    const RECT wider = dropped();
    EXPECT_EQ(wider.right - wider.left, width + 80);
    EXPECT_EQ(wider.bottom - wider.top, before.bottom - before.top);

    // Larger items make a taller dropped-down list.
    const UniqueFont large(CreateFontW(-30, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                       L"Tahoma"));
    SendMessageW(drives.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(large.get()), FALSE);
    const RECT taller = dropped();
    EXPECT_GT(taller.bottom - taller.top, before.bottom - before.top);
    EXPECT_EQ(taller.right - taller.left, width + 80);
}

namespace {

// The pixels of one item of a drive or folder list, drawn by the list itself, or of the
// background with one of the system's small icons where the list puts its icons.
class ItemPicture {
public:
    static constexpr int Width = 200;
    static constexpr int Height = 20;

    ItemPicture() : dc_(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = Width;
        info.bmiHeader.biHeight = -Height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const DWORD*>(bits);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~ItemPicture()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    void DrawnBy(HWND host, HWND inner, int item)
    {
        DRAWITEMSTRUCT draw{};
        draw.itemID = static_cast<UINT>(item);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.hwndItem = inner;
        draw.hDC = dc_;
        draw.rcItem = RECT{0, 0, Width, Height};
        SendMessageW(host, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }
    void SystemIcon(int icon, int left)
    {
        const RECT all{0, 0, Width, Height};
        FillRect(dc_, &all, GetSysColorBrush(COLOR_WINDOW));
        SHFILEINFOW info{};
        auto images = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoW(L"C:\\", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                           SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
        ImageList_Draw(images, icon, dc_, left, Top(), ILD_TRANSPARENT);
    }
    // The square an icon at this left edge covers.
    std::vector<DWORD> Square(int left) const
    {
        std::vector<DWORD> pixels;
        const int size = GetSystemMetrics(SM_CXSMICON);
        for (int y = Top(); y < Top() + size; ++y)
            for (int x = left; x < left + size; ++x) pixels.push_back(bits_[y * Width + x] & 0xFFFFFF);
        return pixels;
    }

private:
    static int Top() { return (Height - GetSystemMetrics(SM_CYSMICON)) / 2; }

    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    const DWORD* bits_ = nullptr;
};

// Whether an item of the list shows the system's icon for it at the indent of its level.
void ExpectSystemIcon(HWND host, HWND inner, int item, int icon, int level)
{
    ASSERT_GE(icon, 0) << "the system has no icon for it";
    const int left = 2 + level * (GetSystemMetrics(SM_CXSMICON) / 2 + 2);
    ItemPicture expected;
    expected.SystemIcon(icon, left);
    ItemPicture blank;
    blank.SystemIcon(-1, left);
    ASSERT_NE(expected.Square(left), blank.Square(left)) << "the icon draws nothing";
    ItemPicture drawn;
    drawn.DrawnBy(host, inner, item);
    EXPECT_EQ(drawn.Square(left), expected.Square(left)) << "item " << item;
}

} // namespace

TEST(BrowserIconLists, ItemsShowTheSystemsIcons)
{
    TalkFolder talks;
    CreateDirectoryW((talks.folder / L"sub").c_str(), nullptr);
    ParentWindow parent;
    host::FolderList folders;
    ASSERT_TRUE(folders.Create(parent.hwnd(), 101, RECT{520, 40, 690, 400}));
    ASSERT_TRUE(folders.SetPath(talks.folder.path()));
    const int sub = folders.Count() - 1;
    ASSERT_EQ(folders.EntryText(sub), L"sub");
    const int subLevel = static_cast<int>(std::count(talks.folder.path().begin(), talks.folder.path().end(), L'\\')) + 1;
    ExpectSystemIcon(folders.hwnd(), folders.inner(), 0, host::SystemSmallIcon(L"folder", FILE_ATTRIBUTE_DIRECTORY, true),
                     0);
    ExpectSystemIcon(folders.hwnd(), folders.inner(), sub,
                     host::SystemSmallIcon(L"folder", FILE_ATTRIBUTE_DIRECTORY, false), subLevel);

    host::DriveList drives;
    ASSERT_TRUE(drives.Create(parent.hwnd(), 102, RECT{520, 10, 690, 30}));
    for (int i = 0; i < drives.Count(); ++i) {
        if (drives.ItemText(i).substr(0, 2) != L"c:") continue;
        ExpectSystemIcon(drives.hwnd(), drives.inner(), i, host::SystemSmallIcon(L"c:\\"), 0);
    }
}
