// The presentation browser of the main window: drive and folder changes, the list refill and
// the clicks on its rows.
#include <windows.h>

#include <commctrl.h>

#include "app/Shared.h"
#include "base/Rounding.h"
#include "base/Text.h"
#include "host/Screen.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/PresentationRow.h"
#include "mainwindow/frmMain.h"

namespace {
// The status line's prefix for the row the user clicked.
constexpr int SelectedText = 29;
} // namespace

void frmMain::Drive_Change()
{
    wchar_t current[MAX_PATH * 2];
    DWORD n = GetCurrentDirectoryW(MAX_PATH * 2, current);
    const std::wstring previous = std::wstring(current, n).substr(0, 2);
    const std::wstring shown = Directory.Path();
    // A folder change runs only when the folder list's path really changed: a refill would
    // move the selection away from the row the user clicked.
    if (Directory.SetPath(Drive.Drive())) {
        if (!host::SamePath(Directory.Path(), shown)) Directory_Change();
        return;
    }
    // Not ready (no medium, a lost network drive): back to the drive of the current folder.
    Drive.SetDrive(previous);
    if (Directory.SetPath(previous) && !host::SamePath(Directory.Path(), shown)) Directory_Change();
}

void frmMain::Directory_Change()
{
    FileDir.SetPath(Directory.Path());
    CurrentFolder = Directory.Path();
    GO_Add();
}

void frmMain::GO_Add()
{
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
    FormReady = 0;
    const double column2 = screen::ToTwips(ListView_GetColumnWidth(lvDir.hwnd(), 1));
    const double column3 = screen::ToTwips(ListView_GetColumnWidth(lvDir.hwnd(), 2));
    ListView_SetColumnWidth(lvDir.hwnd(), 0,
                            screen::ToPixels(Column1Width(lvDirPlace.Width(), column2, column3, VisibleRows,
                                                          FileDir.Count())));
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

void frmMain::SelectShowFile()
{
    shared.ShowFileName = UpperCase(TrimBlanks(lvDir.SelectedText()));
    shared.ShowFile = JoinPath(Directory.Path(), shared.ShowFileName);
}
