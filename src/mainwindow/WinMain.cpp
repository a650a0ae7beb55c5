#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "host/IconListHost.h"
#include "host/MessageLoop.h"
#include "mainwindow/frmMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    host::PrepareSystemIcons();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_USEREX_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell's automation object and the clipboard want an apartment-threaded OLE.
    OleInitialize(nullptr);
    // The main window's load handler is the program's start-up; it ends the process itself
    // when the language file is missing, and GO_Exit is the one orderly end.
    frmMain main;
    main.Load();
    return host::RunMessageLoop();
}
