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
#include "notes/NotesEditor.h"
#include "probe/AnswerFile.h"
#include "show/frmShow.h"

namespace {
constexpr wchar_t WebSite[] = L"http://www.vistora.it/";
constexpr int HoverPanel = 2;
// Status texts for a click that has nothing to start, and for the web site off line.
constexpr int OffLineText = 15;
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
    const bool known = index >= 0 && index < MainButton::Count;
    SetStatusText(HoverPanel,
                  known ? shared.LangText[MainButtons[static_cast<std::size_t>(index)].HoverText] : std::wstring());
    shared.HoverIndex = index;
}

void frmMain::cmd_Click(int index)
{
    switch (index) {
    case MainButton::Exit:
    case MainButton::ExitRight: GO_Exit(); break;
    case MainButton::StartShow: GO_Show(); break;
    case MainButton::WebOrAbout: OpenWebSiteOrAbout(); break;
    case MainButton::OwnLanguage: SwitchLanguage(L"OWN", MainButton::English, MainButton::OwnLanguage); break;
    case MainButton::English: SwitchLanguage(L"ENG", MainButton::OwnLanguage, MainButton::English); break;
    case MainButton::Power: host::OpenControlPanelItem(L"powercfg.cpl"); break;
    case MainButton::EditTexts: EditLanguageFile(); break;
    case MainButton::Guide: notes::OpenGuide(hwnd()); break;
    case MainButton::EditShow: OpenShowForEditing(); break;
    case MainButton::Presenter: StartPresenter(); break;
    default: break;
    }
}

void frmMain::OpenWebSiteOrAbout()
{
    if (OnLine()) {
        host::ShellOpen(hwnd(), WebSite, L"", L"", SW_SHOWNORMAL);
        return;
    }
    SetStatusText(HoverPanel, shared.LangText[OffLineText]);
    OpenAboutBox();
}

void frmMain::SwitchLanguage(const wchar_t* code, int shownButton, int hiddenButton)
{
    shared.LangCode = code;
    cmd(hiddenButton).SetVisible(false);
    cmd(shownButton).SetVisible(true);
    ApplyLanguage();
}

void frmMain::EditLanguageFile()
{
    if (TextEditorPath.empty()) {
        SetStatusText(HoverPanel, shared.LangText[NoEditorText]);
        return;
    }
    WaitForEdit(shared.ProgramFolder + L"\\Vistora.Txt", host::WindowStyle::NormalFocus);
    LoadLanguageFile();
}

void frmMain::OpenShowForEditing()
{
    // Buttons 1 and 9 stay enabled in a folder without presentations: nothing to open there.
    if (lvDir.SelectedIndex() < 0) return;
    SelectShowFile();
    host::ShellOpen(hwnd(), L"\"" + shared.ShowFile + L"\"", L"", L"", SW_SHOWNORMAL);
}

void frmMain::StartPresenter()
{
    if (PresenterExe.empty()) {
        SetStatusText(HoverPanel, shared.LangText[NoPresenterText]);
        return;
    }
    host::StartProcess(QuotedProgram(PresenterExe), host::WindowStyle::MaximizedFocus);
}

void frmMain::picCmd_Click(int index)
{
    switch (index) {
    case TitleButton::Close: GO_Exit(); break;
    case TitleButton::FullScreen:
        ShowWindow(hwnd(), SW_RESTORE);
        Move(0, 0, screen::WidthTwips(), screen::HeightTwips());
        break;
    case TitleButton::Minimize: ShowWindow(hwnd(), SW_MINIMIZE); break;
    default: break;
    }
}

void frmMain::WaitForEdit(const std::wstring& path, int windowStyle)
{
    const std::wstring command = QuotedProgram(TextEditorPath) + L" \"" + path + L"\"";
    const DWORD id = host::StartProcess(command, windowStyle);
    host::WaitForProcessExit(id, host::DoEvents, 100);
}

bool frmMain::OnLine() const
{
    const auto bytes = host::ReadFileBytes(shared.ProgramFolder + L"\\" + kAnswerFileName);
    return bytes && IsOnLineAnswer(*bytes);
}

void frmMain::OpenAboutBox()
{
    auto about = std::make_unique<frmAbout>(hwnd(), ButtonPicture(MainButtons[MainButton::Exit].Picture));
    about->Load();
    about->ShowModal();
    about->Unload();
}

void frmMain::GO_Show()
{
    // Without a selected row (an empty folder) there is nothing to show.
    if (lvDir.SelectedIndex() < 0) return;
    shared.HoverIndex = 0;
    if (!SelectShowFile()) {
        SetStatusText(HoverPanel, shared.LangText[show::ShowNotStartedText]);
        return;
    }
    Hide();
    show::OpenShowBar([this](const std::wstring& statusText) {
        Show();
        if (!statusText.empty()) SetStatusText(HoverPanel, statusText);
    });
}
