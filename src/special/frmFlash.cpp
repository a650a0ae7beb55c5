#include "special/frmFlash.h"

#include "app/Shared.h"
#include "controls/ProgramButtonDesign.h"
#include "host/Picture.h"
#include "host/Screen.h"
#include "notes/NotesEditor.h"
#include "resources/art/Pictures.h"
#include "special/FlashLayout.h"
#include "special/Players.h"

namespace {

constexpr COLORREF BarColor = RGB(0, 0, 255);
constexpr int IdButtons = 400;
constexpr int IdFlash = 410;
constexpr int ExitText = 1;
// Escape is acted on once the key has left the queue: ending the program may first ask about
// unsaved notes.
constexpr UINT EndProgramMessage = WM_APP + 1;

host::FormStyle FlashStyle(HWND owner)
{
    host::FormStyle style;
    style.style = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
    style.exStyle = WS_EX_TOOLWINDOW;
    style.backColor = RGB(0, 0, 0);
    style.owner = owner;
    return style;
}

// The exit picture is the main window's picture 1.
PicturePtr ExitPicture()
{
    const PixelArt& art = MainButtonPictures()[0];
    return std::make_shared<Picture>(Picture::FromPixels(art.width, art.height, art.argb));
}

} // namespace

frmFlash::frmFlash(HWND owner) : host::Form(FlashStyle(owner)) { Timer1.Tick = [this] { Timer1_Timer(); }; }

frmFlash::~frmFlash() { Timer1.SetEnabled(false); }

void frmFlash::Form_Load()
{
    CreateControls();
    const PicturePtr exitPicture = ExitPicture();
    for (const special::FlashButtonDesign& design : special::FlashButtons) {
        if (design.Action != special::FlashAction::Exit) continue;
        cmd(design.Index).SetPictureNormal(exitPicture);
        cmd(design.Index).SetCaption(special::FlashExitCaption(shared.LangCaption[ExitText]));
    }
    CheckPhase = 0;
    HideLimit = special::FlashHideLimit;

    Move(Left(), Top(), screen::WidthTwips(), screen::HeightTwips());
    Move(screen::WidthTwips() / 2 - Width() / 2, screen::HeightTwips() / 2 - Height() / 2);
    Flash->Move(0, 0, ScaleWidth(), ScaleHeight());
    Picture1->Move(Picture1->Left(), Picture1->Top(), ScaleWidth(), special::FlashBarHeightTwips);
    const special::FlashBarLayout bar = special::LayOutFlashBar(ScaleWidth());
    for (const special::FlashButtonDesign& design : special::FlashButtons)
        cmd(design.Index).Move(bar.LeftTwips[static_cast<std::size_t>(design.Index)], 0, bar.ButtonWidthTwips,
                               special::FlashButtonHeightTwips);

    Timer1.SetInterval(special::FlashTimerIntervalMs);
    Timer1.SetEnabled(true);
    Flash->SetMovie(shared.FlashFile);
}

void frmFlash::CreateControls()
{
    const HWND self = hwnd();
    Flash = std::make_unique<host::FlashPlayer>(self, IdFlash);
    Picture1 = std::make_unique<host::PictureBox>(self, BarColor);
    Picture1->Move(0, 0, ScaleWidth(), special::FlashBarHeightTwips);
    // The bar lies over the movie.
    SetWindowPos(Picture1->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (const special::FlashButtonDesign& design : special::FlashButtons) {
        auto button = std::make_unique<ZelButtonOXP>(Picture1->hwnd(), IdButtons + design.Index, design.Caption,
                                                     ProgramButtonDesign(design.Caption));
        const int index = design.Index;
        button->Click = [this, index] { cmd_Click(index); };
        cmd.Add(design.Index, std::move(button));
    }
    keys_ = std::make_unique<host::KeyPreview>(self, [this](int& keyCode, int shift) { Form_KeyDown(keyCode, shift); });
}

void frmFlash::Form_Unload()
{
    Timer1.SetEnabled(false);
    keys_.reset();
}

void frmFlash::cmd_Click(int index)
{
    const special::FlashButtonDesign* design = special::FlashButton(index);
    if (!design) return;
    switch (design->Action) {
    case special::FlashAction::Exit:
        Flash->Stop();
        Hide();
        break;
    case special::FlashAction::Scale: ScaleMovie(design->Divisor); break;
    case special::FlashAction::FullSize: Flash->Move(0, 0, ScaleWidth(), ScaleHeight()); break;
    }
}

void frmFlash::ScaleMovie(double divisor)
{
    const double innerWidth = ScaleWidth();
    const double innerHeight = ScaleHeight();
    const special::MovieSize size = special::ScaledMovieSize(innerWidth, innerHeight, divisor);
    Flash->Move(Flash->Left(), Flash->Top(), size.WidthTwips, size.HeightTwips);
    // Centred by the size the control really took, in whole pixels.
    const double width = Flash->Width();
    const double height = Flash->Height();
    const special::MoviePlace place = special::CentredMovie(innerWidth, innerHeight, width, height);
    Flash->Move(place.LeftTwips, place.TopTwips, width, height);
}

void frmFlash::Timer1_Timer()
{
    if (!Loaded()) return;
    POINT at{};
    GetCursorPos(&at);
    switch (special::FlashBarTick(CheckPhase, HideLimit, at.y)) {
    case special::FlashBarMove::Reveal: Picture1->Move(0, 0, Picture1->Width(), Picture1->Height()); break;
    case special::FlashBarMove::Hide:
        // Out of view above the window, still shown and of the same size.
        Picture1->Move(0, special::FlashBarHiddenTopTwips, Picture1->Width(), Picture1->Height());
        break;
    case special::FlashBarMove::Stay: break;
    }
}

void frmFlash::Form_KeyDown(int& keyCode, int)
{
    if (keyCode != VK_ESCAPE) return;
    keyCode = 0;
    PostMessageW(hwnd(), EndProgramMessage, 0, 0);
}

std::optional<LRESULT> frmFlash::OnMessage(UINT msg, WPARAM, LPARAM)
{
    if (msg == EndProgramMessage) {
        EndProgram();
        return 0;
    }
    return std::nullopt;
}

void frmFlash::EndProgram()
{
    // The whole program ends at once, without any window's exit steps; only unsaved speaker
    // notes are not thrown away unasked. When the presenter keeps them, the player stays.
    if (!notes::CloseEditor()) return;
    ExitProcess(0);
}

namespace special {

void PlayFlash()
{
    frmFlash player;
    player.Load();
    player.ShowModal();
    player.Unload();
}

} // namespace special
