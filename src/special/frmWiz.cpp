#include "special/frmWiz.h"

#include <shellapi.h>

#include "app/Shared.h"
#include "controls/ProgramButtonDesign.h"
#include "host/FileList.h"
#include "host/NameOrder.h"
#include "host/Picture.h"
#include "host/Process.h"
#include "host/Screen.h"
#include "host/Sound.h"
#include "resources/art/Pictures.h"
#include "special/PickerRules.h"
#include "special/Players.h"
#include "startup/CutAtNul.h"

namespace {
constexpr COLORREF BarColor = RGB(0, 0, 192);
constexpr double BarHeightTwips = 470;
constexpr double ButtonTopTwips = 30;
constexpr double ButtonHeightTwips = 405;
constexpr int IdList = 100;
constexpr int IdButtons = 200;

constexpr int ExitText = 7;
constexpr int PlayText = 44;

struct WizButtonDesign {
    int Index;
    const wchar_t* DesignName;
    int Picture; // number in the picker's picture list: 1 exit, 2 play
    int Text;
};
constexpr WizButtonDesign Buttons[] = {
    {WizButton::Exit, L"Exit", 1, ExitText},
    {WizButton::Play, L"Play", 2, PlayText},
    {WizButton::ExitRight, L"Exit", 1, ExitText},
};

host::FormStyle WizStyle()
{
    host::FormStyle style;
    style.style = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
    style.exStyle = WS_EX_TOOLWINDOW;
    return style;
}
} // namespace

frmWiz::frmWiz() : host::Form(WizStyle()) {}

frmWiz::~frmWiz() = default;

void frmWiz::Form_Load()
{
    Move(Left(), Top(), screen::WidthTwips() / 3, screen::HeightTwips() / 2);
    CreateControls();

    // The list takes what the bar leaves, and shortens itself to whole lines.
    Wiz.Move(0, BarHeightTwips, ScaleWidth(), ScaleHeight() - BarHeightTwips + 50);
    picBar->Move(0, 0, ScaleWidth() - 20, BarHeightTwips);
    const double w = special::PickerButtonWidth(ScaleWidth());
    double left = 10;
    for (const WizButtonDesign& design : Buttons) {
        cmd(design.Index).Move(left, ButtonTopTwips, w, ButtonHeightTwips);
        left += w;
    }

    const auto& pictures = PickerPictures();
    for (const WizButtonDesign& design : Buttons) {
        ZelButtonOXP& button = cmd(design.Index);
        button.SetCaption(shared.CaptionPad + shared.LangCaption[design.Text]);
        if (shared.TooltipsOn()) button.SetToolTipText(shared.LangText[design.Text]);
        const PixelArt& art = pictures[static_cast<std::size_t>(design.Picture - 1)];
        button.SetPictureNormal(std::make_shared<Picture>(Picture::FromPixels(art.width, art.height, art.argb)));
    }

    shared.SoundPlaying = 0;
    FillList();
    if (!Entries().empty()) SetSelectedIndex(0);

    // The window fits the list's whole lines, and stands in the middle of the screen.
    Move(Left(), Top(), Width(), Wiz.Height() + BarHeightTwips + 100);
    Move((screen::WidthTwips() - Width()) / 2, (screen::HeightTwips() - Height()) / 2);
}

void frmWiz::CreateControls()
{
    const HWND self = hwnd();
    picBar = std::make_unique<host::PictureBox>(self, BarColor);
    for (const WizButtonDesign& design : Buttons) {
        auto button = std::make_unique<ZelButtonOXP>(picBar->hwnd(), IdButtons + design.Index, design.DesignName,
                                                     ProgramButtonDesign(design.DesignName));
        const int index = design.Index;
        button->Click = [this, index] { cmd_Click(index); };
        cmd.Add(design.Index, std::move(button));
    }
    Wiz = host::Control(CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 0, 0, 10, 10,
                                        self, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdList)),
                                        GetModuleHandleW(nullptr), nullptr));
    listFont_ = host::MakeFont(L"Tahoma", 18, true);
    SendMessageW(Wiz.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.get()), FALSE);
}

void frmWiz::FillList()
{
    std::vector<std::wstring> names;
    host::WalkFolder(shared.ProgramFolder, {L"*"}, [&](const WIN32_FIND_DATAW& data) {
        constexpr DWORD unlisted = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        if (!(data.dwFileAttributes & unlisted) && special::IsPickerFile(data.cFileName))
            names.emplace_back(data.cFileName);
    });
    host::SortNames(names);
    SendMessageW(Wiz.hwnd(), LB_RESETCONTENT, 0, 0);
    for (const std::wstring& name : names)
        SendMessageW(Wiz.hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

std::vector<std::wstring> frmWiz::Entries() const
{
    std::vector<std::wstring> entries;
    const auto count = SendMessageW(Wiz.hwnd(), LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(Wiz.hwnd(), LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(Wiz.hwnd(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        entries.push_back(std::move(text));
    }
    return entries;
}

int frmWiz::SelectedIndex() const { return static_cast<int>(SendMessageW(Wiz.hwnd(), LB_GETCURSEL, 0, 0)); }

void frmWiz::SetSelectedIndex(int index) { SendMessageW(Wiz.hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

std::optional<LRESULT> frmWiz::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && reinterpret_cast<HWND>(lParam) == Wiz.hwnd() && HIWORD(wParam) == LBN_DBLCLK) {
        Pick();
        return 0;
    }
    return std::nullopt;
}

void frmWiz::cmd_Click(int index)
{
    switch (index) {
    case WizButton::Exit:
    case WizButton::ExitRight: Hide(); break;
    case WizButton::Play: Pick(); break;
    default: break;
    }
}

void frmWiz::Pick()
{
    const int selected = SelectedIndex();
    if (selected < 0) return;
    const std::wstring path = special::PickedPath(shared.ProgramFolder, Entries()[static_cast<std::size_t>(selected)]);
    switch (special::ClassifyPick(path)) {
    case special::PickAction::Program:
        host::StartProgram(special::ProgramCommand(path), host::WindowStyle::NormalFocus);
        break;
    case special::PickAction::Flash:
        shared.PickerOpen = 0;
        shared.FlashFile = path;
        Hide();
        special::PlayFlash();
        break;
    case special::PickAction::ScreenSaver: {
        // The handle of the start itself: a task id reopened later could name another process.
        host::StartedProgram saver = host::StartProgram(special::ScreenSaverCommand(path),
                                                        host::WindowStyle::NormalFocus);
        if (saver.Process) shared.ProcessHandle = std::move(saver.Process);
        break;
    }
    case special::PickAction::Sound:
        shared.SoundPlaying = 1;
        host::PlaySoundAsync(path);
        break;
    case special::PickAction::Video:
        shared.PickerOpen = 0;
        shared.MediaFile = path;
        Hide();
        special::PlayVideo();
        break;
    case special::PickAction::Associated: StartAssociated(path); break;
    }
    shared.PickerOpen = 0;
    Hide();
}

void frmWiz::StartAssociated(const std::wstring& path)
{
    std::wstring reported(MAX_PATH * 2, L'\0');
    if (reinterpret_cast<INT_PTR>(FindExecutableW(path.c_str(), L"", reported.data())) <= 32) return;
    const std::wstring command = special::AssociatedCommand(CutAtNul(reported), path);
    if (command.empty()) return;
    host::StartedProgram program = host::StartProgram(command, host::WindowStyle::NormalFocus);
    if (program.Process) shared.ProcessHandle = std::move(program.Process);
}

void frmWiz::Form_QueryUnload(bool&) { shared.PickerOpen = 0; }
