// The presentation browser of the main window: drive and folder changes, the list refill and
// the clicks on its rows.
#include <windows.h>

#include <commctrl.h>

#include "app/Shared.h"
#include "base/Rounding.h"
#include "base/Text.h"
#include "host/FolderPath.h"
#include "host/Screen.h"
#include "host/TextFile.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/PresentationRow.h"
#include "mainwindow/frmMain.h"

namespace {
// The status line's prefix for the row the user clicked.
constexpr int SelectedText = 29;
} // namespace

void frmMain::Drive_Change()
{
    const std::wstring previous = host::ProcessFolder().substr(0, 2);
    const std::wstring shown = Directory.Path();
    // A folder change runs only when the folder list's path really changed: a refill would
    // move the selection away from the row the user clicked.
    if (Directory.SetPath(Drive.Drive())) {
        if (!host::SamePath(Directory.Path(), shown)) Directory_Change();
        return;
    }
    // Not ready (no medium, a lost network drive): back to the drive of the current folder (or
    // the nearest folder of it still there).
    Drive.SetDrive(previous);
    if (Directory.SetNearestPath(previous) && !host::SamePath(Directory.Path(), shown)) Directory_Change();
}

void frmMain::Directory_Change()
{
    // The folder can go between the folder list's reading and this one: then both lists move to
    // the nearest folder still there, and a folder that can't be read at all lists no files.
    if (!FileDir.SetPath(Directory.Path()) &&
        !(Directory.SetNearestPath(Directory.Path()) && FileDir.SetPath(Directory.Path())))
        FileDir.Clear();
    // The folder list leaves its drive only when the drive is gone.
    const std::wstring drive = Directory.Path().substr(0, 2);
    if (!host::SamePath(Drive.Drive(), drive)) Drive.SetDrive(drive);
    CurrentFolder = Directory.Path();
    GO_Add();
}

void frmMain::GO_Add()
{
    {
        // The new rows and their selection are drawn together.
        const PresentationList::DrawingHold hold = lvDir.HoldDrawing();
        const int count = lvDir.Fill(FileDir);
        if (count >= 1) {
            TEXTMETRICW metrics{};
            if (WindowDc dc{lvDir.hwnd()}) {
                Selected font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(lvDir.hwnd(), WM_GETFONT, 0, 0)));
                GetTextMetricsW(dc.get(), &metrics);
            }
            RowHeight = RoundHalfEven(screen::ToTwips(metrics.tmHeight) + 30);
            VisibleRows = RoundHalfEven((lvDirPlace.Height() - 280) / RowHeight);
            lvDir.SelectLastRowWithoutClick();
        } else {
            VisibleRows = 0;
        }
    }
    FormReady = 0;
    const double column2 = screen::ToTwips(ListView_GetColumnWidth(lvDir.hwnd(), 1));
    const double column3 = screen::ToTwips(ListView_GetColumnWidth(lvDir.hwnd(), 2));
    const int column1 =
        screen::ToPixels(Column1Width(lvDirPlace.Width(), column2, column3, VisibleRows, FileDir.Count()));
    // The header repaints itself whenever a width is set, even to the width it has.
    if (ListView_GetColumnWidth(lvDir.hwnd(), 0) != column1) ListView_SetColumnWidth(lvDir.hwnd(), 0, column1);
    FormReady = 1;
}

void frmMain::lvDir_Click()
{
    const std::wstring name = lvDir.SelectedText();
    if (lvDir.SelectedIndex() < 0) return;
    ShowStatus(2, shared.LangText[SelectedText] + name);
    cmd(MainButton::StartShow).SetEnabled(true);
    cmd(MainButton::StartShow).SetPictureNormal(ButtonPicture(ChosenShowPicture));
    // Only a presentation (.ppt), not a slide show (.pps), opens for editing.
    cmd(MainButton::EditShow).SetEnabled(UpperCase(name).find(L".PPT") != std::wstring::npos);
}

void frmMain::lvDir_DblClick() { GO_Show(); }

bool frmMain::SelectShowFile()
{
    shared.ShowFileName = UpperCase(TrimBlanks(lvDir.SelectedText()));
    shared.ShowFile = JoinPath(Directory.Path(), shared.ShowFileName);
    // The name in capitals opens the file where names are compared without regard to case. Where
    // it names another file or none (blanks at the ends of the name, a folder that tells case
    // apart, two names differing only in case), the name as the folder lists it is used.
    const int index = lvDir.SelectedIndex();
    if (index >= 0) {
        const std::wstring& listed = lvDir.Row(index).fullPath;
        if (!host::SameFile(shared.ShowFile, listed) && host::FileExists(host::LongPathForm(listed)))
            shared.ShowFile = listed;
    }
    // Programs bound by the classic path length can't open a longer path.
    shared.ShowFile = host::ShortFolderForm(shared.ShowFile);
    return shared.ShowFile.size() < host::ClassicPathLimit;
}
