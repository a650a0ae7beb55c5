#include "show/frmShow.h"

#include <array>

#include "app/Shared.h"
#include "base/Text.h"
#include "controls/ProgramButtonDesign.h"
#include "host/MessageLoop.h"
#include "host/Process.h"
#include "host/Screen.h"
#include "host/Sound.h"
#include "host/TextFile.h"
#include "notes/NotesEditor.h"
#include "special/frmWiz.h"
#include "show/BarLayout.h"
#include "show/BarPictures.h"
#include "show/ScreenCapture.h"
#include "show/ShowTitle.h"
#include "show/Win32WindowList.h"
#include "show/frmPen.h"

namespace {

constexpr COLORREF PanelColor = RGB(0, 0, 192);
constexpr double PanelHeightTwips = 470;
constexpr double FrameAllowanceTwips = 80;
constexpr int ButtonIdBase = 200;
constexpr int PhotoSettleMs = 500;

struct ButtonDesign {
    int Index;
    const wchar_t* DesignName;
    int Picture;      // number in the bar's picture list
    int Text;         // LangCaption / LangText entry
    double HeightTwips;
};

// Left to right; an Exit button at each end.
constexpr std::array<ButtonDesign, 7> Designs{{
    {6, L"Exit", 1, 1, 405},
    {7, L"Volume", 2, 15, 405},
    {5, L"Special", 3, 20, 400},
    {3, L"Guide", 4, 12, 400},
    {4, L"Wizard", 5, 14, 400},
    {2, L"Photo", 6, 8, 400},
    {1, L"Exit", 1, 1, 400},
}};

// A thin frame of 2 pixels a side (a line and a static edge); a dialog frame would take 3.
host::FormStyle BarStyle()
{
    host::FormStyle style;
    style.style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
    style.exStyle = WS_EX_STATICEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    style.backColor = PanelColor;
    return style;
}

void MakeTopmost(HWND hwnd) { SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

std::shared_ptr<frmShow>& Current()
{
    static std::shared_ptr<frmShow> bar;
    return bar;
}

} // namespace

frmShow::frmShow(ReturnToMain returnToMain, std::unique_ptr<WindowList> windows)
    : host::Form(BarStyle()),
      returnToMain_(std::move(returnToMain)),
      windows_(windows ? std::move(windows) : std::make_unique<Win32WindowList>())
{
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer2.Tick = [this] { Timer2_Timer(); };
    Timer3.Tick = [this] { Timer3_Timer(); };
}

frmShow::~frmShow()
{
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
    Timer3.SetEnabled(false);
    if (pen_) pen_->Unload();
}

void frmShow::Form_Load()
{
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
    Timer3.SetEnabled(false);
    MakeTopmost(hwnd());
    BarButtonCount = static_cast<int>(Designs.size());
    BarShown = 1;
    shared.BarHideLimit = 28;
    watch_.ShowSeen = false;

    Picture1 = std::make_unique<host::PictureBox>(hwnd(), PanelColor);
    Move(0, 0, screen::WidthTwips(), PanelHeightTwips + FrameAllowanceTwips);
    Picture1->Move(0, 0, ScaleWidth(), PanelHeightTwips);
    CreateButtons();
    LayOut();
    if (!host::FileExists(shared.SpecialProgram)) cmd(5).SetEnabled(false);

    Show();
    cmd(6).SetFocus();
    Timer2.SetInterval(show::LaunchIntervalMs);
    Timer2.SetEnabled(true);
}

void frmShow::CreateButtons()
{
    for (const ButtonDesign& design : Designs) {
        auto button = std::make_unique<ZelButtonOXP>(Picture1->hwnd(), ButtonIdBase + design.Index, design.DesignName,
                                                     ProgramButtonDesign(design.DesignName));
        button->SetPictureNormal(ShowBarPicture(design.Picture));
        const int index = design.Index;
        button->Click = [this, index] { cmd_Click(index); };
        cmd.Add(design.Index, std::move(button));
    }
}

void frmShow::LayOut()
{
    const show::BarLayout layout = show::LayoutBar(ScaleWidth(), BarButtonCount);
    const bool tips = shared.TooltipsOn();
    for (const ButtonDesign& design : Designs) {
        ZelButtonOXP& button = cmd(design.Index);
        button.Move(layout.LeftTwips[design.Index], 0, layout.ButtonWidthTwips, design.HeightTwips);
        button.SetCaption(shared.CaptionPad + shared.LangCaption[design.Text]);
        if (tips) button.SetToolTipText(shared.LangText[design.Text]);
    }
}

void frmShow::Form_Unload()
{
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
    Timer3.SetEnabled(false);
}

std::optional<LRESULT> frmShow::OnMessage(UINT msg, WPARAM, LPARAM)
{
    // However the bar is closed, the main window must come back.
    if (msg == WM_CLOSE) {
        GO_Exit();
        return 0;
    }
    return std::nullopt;
}

void frmShow::Form_KeyDown(int& keyCode, int)
{
    if (keyCode != VK_ESCAPE) return;
    keyCode = 0;
    GO_Exit();
}

void frmShow::cmd_Click(int index)
{
    EndPickedProcess();
    switch (index) {
    case 1:
    case 6:
        CloseShowWindow();
        GO_Exit();
        break;
    case 2:
        GO_PicOn();
        if (!Loaded()) return;
        shared.PickerOpen = 0;
        Timer1.SetEnabled(true);
        break;
    case 3: Guide(); break;
    case 4: Wizard(); break;
    case 5: host::ShellOpen(hwnd(), shared.SpecialProgram, L"", L"", SW_SHOWNORMAL); break;
    case 7: host::OpenControlPanelItem(L"mmsys.cpl"); break;
    default: break;
    }
}

void frmShow::EndPickedProcess()
{
    // Taken out first: whatever happens next, the handle is never used twice.
    const UniqueKernelHandle process = std::move(shared.ProcessHandle);
    if (process) TerminateProcess(process.get(), 0);
}

void frmShow::CloseShowWindow()
{
    const std::intptr_t show = show::LocateShowWindow(*windows_, shared.ShowFileName);
    if (!show) return;
    // A show that no longer answers must not freeze the bar.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(reinterpret_cast<HWND>(show), WM_CLOSE, 0,
                        0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

void frmShow::Guide()
{
    if (shared.NotesOpen == 0) {
        shared.NotesOpen = 1;
        shared.NotesShowFile = shared.ShowFile;
        shared.EditorMode = 2;
        notes::OpenNotes();
    } else if (notes::CloseEditor()) {
        // Unsaved typing closes only when the presenter agrees.
        shared.NotesOpen = 0;
    }
}

void frmShow::Wizard()
{
    if (shared.PickerOpen == 0) {
        shared.PickerOpen = 1;
        Timer1.SetEnabled(false);
        BarShown = 0;
        Move(0, show::BarHiddenTopTwips);
        shared.HoverIndex = 0;
        picker_ = std::make_shared<frmWiz>();
        picker_->Load();
        picker_->ShowModal();
        // The show may have ended meanwhile; the bar is gone then and stays gone.
        if (!Loaded() || ending_) return;
        UnloadPicker();
    } else {
        shared.PickerOpen = 0;
        UnloadPicker();
    }
    Timer1.SetEnabled(true);
}

void frmShow::UnloadPicker()
{
    if (!picker_) return;
    picker_->Unload();
    host::ReleaseLater(std::move(picker_));
}

void frmShow::GO_PicOn()
{
    // Every pause lets messages run, and the bar may end meanwhile (the show closed).
    auto stillHere = [this] { return Loaded() && !ending_; };
    SetVisible(false);
    host::DoEvents();
    if (!stillHere()) return;
    Timer1.SetEnabled(false);
    host::SleepPumping(PhotoSettleMs);
    if (!stillHere()) return;

    capture::ClearClipboard(hwnd());
    host::DoEvents();
    host::SleepPumping(PhotoSettleMs);
    if (!stillHere()) return;
    capture::PressPrintScreen();
    host::DoEvents();
    host::SleepPumping(PhotoSettleMs);
    if (!stillHere()) return;
    // The key may be taken by a screenshot tool, or not handled at all: then copy the screen here.
    if (!capture::ClipboardHasBitmap()) capture::PutScreenOnClipboard(hwnd());

    auto pen = std::make_shared<frmPen>();
    pen_ = pen;
    pen->Load();
    if (stillHere() && pen->Loaded()) pen->ShowModal();
    if (!stillHere()) return; // GO_Exit has closed the overlay with the bar

    Show();
    pen->Unload();
    pen_.reset();
    SetVisible(false);
    BarShown = 0;
    Timer1.SetEnabled(true);
}

void frmShow::Timer1_Timer()
{
    if (!Loaded() || ending_) return;
    POINT at{};
    GetCursorPos(&at);
    switch (show::AutoHideTick(BarShown, shared.BarHideLimit, at.y)) {
    case show::BarMove::Hide: Move(0, show::BarHiddenTopTwips); break;
    case show::BarMove::Reveal:
        Move(0, 0);
        MakeTopmost(hwnd());
        Show();
        cmd(6).SetFocus();
        break;
    case show::BarMove::Stay: break;
    }
}

void frmShow::Timer2_Timer()
{
    if (!launch_.Claim()) return;
    Timer2.SetEnabled(false);
    if (IsBlank(shared.ShowCommand)) {
        End(shared.LangText[show::ShowNotStartedText]);
        return;
    }
    showTaskId_ = host::StartProcess(show::LaunchCommandLine(shared.ShowCommand, shared.ShowFile),
                                     host::WindowStyle::MaximizedFocus);
    if (showTaskId_ == 0) {
        End(shared.LangText[show::ShowNotStartedText]);
        return;
    }
    host::DoEvents();
    if (!Loaded() || ending_) return;
    host::SleepPumping(show::LaunchSettleMs);
    if (!Loaded() || ending_) return;
    host::DoEvents();
    if (!Loaded() || ending_) return;
    Timer1.SetInterval(show::AutoHideIntervalMs);
    Timer1.SetEnabled(true);
    Timer3.SetInterval(show::WatchIntervalMs);
    Timer3.SetEnabled(true);
}

void frmShow::Timer3_Timer()
{
    if (!Loaded() || ending_) return;
    if (watch_.Tick(*windows_, shared.ShowFileName) == show::WatchResult::Gone)
        GO_Exit();
}

void frmShow::GO_Exit() { End(L""); }

void frmShow::End(const std::wstring& statusText)
{
    if (ending_) return;
    ending_ = true;
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
    Timer3.SetEnabled(false);
    if (shared.SoundPlaying == 1) host::StopSound();
    if (returnToMain_) returnToMain_(statusText);
    EndPickedProcess();
    // The overlay and the picker go with the bar; GO_PicOn and Wizard, waiting for them, see the
    // bar gone and return.
    if (pen_) pen_->Unload();
    if (picker_) picker_->Hide();
    Unload();
    if (Current().get() == this) host::ReleaseLater(std::move(Current()));
}

namespace show {

frmShow& OpenShowBar(ReturnToMain returnToMain, std::unique_ptr<WindowList> windows)
{
    if (Current() && Current()->Loaded()) return *Current();
    Current() = std::make_shared<frmShow>(std::move(returnToMain), std::move(windows));
    Current()->Load();
    return *Current();
}

frmShow* CurrentShowBar() { return Current() && Current()->Loaded() ? Current().get() : nullptr; }

} // namespace show
