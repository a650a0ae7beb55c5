// The presentation browser of the main window: drive and folder changes, the list refill and
// the clicks on its rows.
#include <windows.h>

#include <commctrl.h>

#include "app/Shared.h"
#include "host/Screen.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/PresentationRow.h"
#include "mainwindow/frmMain.h"
#include "show/ShowTitle.h"

void frmMain::Drive_Change()
{
    wchar_t current[MAX_PATH * 2];
    DWORD n = GetCurrentDirectoryW(MAX_PATH * 2, current);
    const std::wstring previous = std::wstring(current, n).substr(0, 2);
    if (Directory.SetPath(Drive.Drive())) {
        Directory_Change();
        return;
    }
    // Not ready (no medium, a lost network drive): back to the drive of the current folder.
    Drive.SetDrive(previous);
    if (Directory.SetPath(previous)) Directory_Change();
}

void frmMain::Directory_Change()
{
    FileDir.SetPath(Directory.Path());
    shared.CurrentFolder = Directory.Path();
    GO_Add();
}

void frmMain::GO_Add()
{
    const int count = lvDir.Fill(FileDir);
    if (count >= 1) {
        TEXTMETRICW metrics{};
        HDC dc = GetDC(lvDir.hwnd());
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(lvDir.hwnd(), WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(lvDir.hwnd(), dc);
        RowHeight = RoundHalfEven(screen::ToTwips(metrics.tmHeight) + 30);
        shared.VisibleRows = RoundHalfEven((lvDirPlace.Height() - 280) / RowHeight);
        lvDir.SelectLastRowWithoutClick();
    } else {
        shared.VisibleRows = 0;
    }
    FormReady = 0;
    const double column2 = screen::ToTwips(ListView_GetColumnWidth(lvDir.hwnd(), 1));
    const double column3 = screen::ToTwips(ListView_GetColumnWidth(lvDir.hwnd(), 2));
    ListView_SetColumnWidth(lvDir.hwnd(), 0,
                            screen::ToPixels(Column1Width(lvDirPlace.Width(), column2, column3, shared.VisibleRows,
                                                          FileDir.Count())));
    FormReady = 1;
}

void frmMain::lvDir_Click()
{
    const std::wstring name = lvDir.SelectedText();
    if (lvDir.SelectedIndex() < 0) return;
    ShowStatus(2, shared.LangText[29] + name);
    cmd(1).button->SetEnabled(true);
    cmd(1).button->SetPictureNormal(ButtonPicture(12));
    cmd(9).button->SetEnabled(show::UpperCase(name).find(L".PPT") != std::wstring::npos);
}

void frmMain::lvDir_DblClick()
{
    // Without a selected row (an empty folder) there is nothing to show.
    if (lvDir.SelectedIndex() < 0) return;
    GO_Show();
}

void frmMain::SelectShowFile()
{
    std::wstring name = lvDir.SelectedText();
    const auto first = name.find_first_not_of(L' ');
    const auto last = name.find_last_not_of(L' ');
    name = first == std::wstring::npos ? std::wstring() : name.substr(first, last - first + 1);
    shared.ShowFileName = show::UpperCase(name);
    shared.ShowFile = JoinPath(Directory.Path(), shared.ShowFileName);
}
