// The main window's command bar and title buttons.
#include <windows.h>

#include <shellapi.h>

#include "about/frmAbout.h"
#include "app/Shared.h"
#include "host/MessageLoop.h"
#include "host/Process.h"
#include "host/Screen.h"
#include "host/TextFile.h"
#include "mainwindow/frmMain.h"
#include "show/frmShow.h"
#include "startup/ConfigFile.h"
#include "startup/LangFile.h"

namespace {
constexpr wchar_t WebSite[] = L"http://www.vistora.it/";
// Status texts for a click that has nothing to start.
constexpr int NoPresenterText = 23;
constexpr int NoEditorText = 24;

// A program path with blanks must be quoted, or the system may start a different program.
std::wstring QuotedProgram(const std::wstring& path)
{
    if (path.empty() || path.front() == L'"' || path.find(L' ') == std::wstring::npos) return path;
    return L"\"" + path + L"\"";
}
} // namespace

void frmMain::cmd_MouseMove(int index)
{
    if (index == shared.HoverIndex) return;
    static constexpr int hoverText[11] = {1, 17, 6, 5, 5, 25, 3, 4, 1, 18, 21};
    SetStatusText(2, index >= 0 && index <= 10 ? shared.LangText[hoverText[index]] : std::wstring());
    shared.HoverIndex = index;
}

void frmMain::cmd_Click(int index)
{
    switch (index) {
    case 0:
    case 8: GO_Exit();
    case 1: GO_Show(); break;
    case 2:
        if (OnLine()) {
            shared.LastTaskId = host::ShellOpen(hwnd(), WebSite, L"", L"", SW_SHOWNORMAL);
        } else {
            SetStatusText(2, shared.LangText[15]);
            OpenAboutBox();
        }
        break;
    case 3:
        shared.LangCode = L"OWN";
        cmd(3).place.SetVisible(false);
        cmd(4).place.SetVisible(true);
        ApplyLanguage();
        break;
    case 4:
        shared.LangCode = L"ENG";
        cmd(3).place.SetVisible(true);
        cmd(4).place.SetVisible(false);
        ApplyLanguage();
        break;
    case 5: host::OpenControlPanelItem(L"powercfg.cpl"); break;
    case 6:
        if (shared.TextEditorPath.empty()) {
            SetStatusText(2, shared.LangText[NoEditorText]);
            break;
        }
        WaitForEdit(shared.ProgramFolder + L"\\Vistora.Txt", 1);
        LoadLanguageFile();
        break;
    case 9:
        SelectShowFile();
        shared.LastTaskId = host::ShellOpen(hwnd(), L"\"" + shared.ShowFile + L"\"", L"", L"", SW_SHOWNORMAL);
        break;
    case 10:
        if (shared.PresenterExe.empty()) {
            SetStatusText(2, shared.LangText[NoPresenterText]);
            break;
        }
        shared.LastTaskId = static_cast<std::intptr_t>(
            host::StartProcess(QuotedProgram(shared.PresenterExe), host::WindowStyle::MaximizedFocus));
        break;
    default: break;
    }
}

void frmMain::picCmd_Click(int index)
{
    switch (index) {
    case 0: GO_Exit();
    case 1:
        ShowWindow(hwnd(), SW_RESTORE);
        Move(0, 0, screen::WidthTwips(), screen::HeightTwips());
        break;
    case 2: ShowWindow(hwnd(), SW_MINIMIZE); break;
    default: break;
    }
}

void frmMain::WaitForEdit(const std::wstring& path, int windowStyle)
{
    const std::wstring command = QuotedProgram(shared.TextEditorPath) + L" \"" + path + L"\"";
    const DWORD id = host::StartProcess(command, windowStyle);
    host::WaitForProcessExit(id, host::DoEvents, 100);
}

bool frmMain::OnLine() const
{
    const auto bytes = host::ReadFileBytes(shared.ProgramFolder + L"\\ZelSuite.tmp");
    if (!bytes) return false;
    const auto lines = SplitLines(*bytes);
    return !lines.empty() && lines.front() == "True";
}

void frmMain::OpenAboutBox()
{
    auto about = std::make_unique<frmAbout>();
    about->Load();
    about->ShowModal();
    about->Unload();
}

void frmMain::GO_Show()
{
    shared.HoverIndex = 0;
    SelectShowFile();
    Hide();
    show::OpenShowBar([](const std::wstring& statusText) {
        frmMain& main = MainWindow();
        main.Show();
        if (!statusText.empty()) main.SetStatusText(2, statusText);
    });
}
