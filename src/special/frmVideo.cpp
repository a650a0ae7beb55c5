#include "special/frmVideo.h"

#include "app/Shared.h"
#include "controls/ProgramButtonDesign.h"
#include "host/Picture.h"
#include "host/Process.h"
#include "host/Screen.h"
#include "resources/art/Pictures.h"
#include "special/Players.h"
#include "special/VideoLayout.h"

namespace {

constexpr COLORREF GroundColor = RGB(0, 0, 64);
constexpr COLORREF MenuColor = RGB(0, 0, 192);
constexpr double ButtonTopTwips = 30;
constexpr double ButtonHeightTwips = 405;
// The player's size as designed, kept while no picture gives it another.
constexpr double PlayerDesignWidthTwips = 4800;
constexpr double PlayerDesignHeightTwips = 3600;
constexpr int IdButtons = 300;
constexpr int IdPlayer = 320;

host::FormStyle VideoStyle()
{
    host::FormStyle style;
    // A sizeable frame without a title bar, in the task bar.
    style.style = WS_POPUP | WS_THICKFRAME | WS_CLIPCHILDREN;
    style.exStyle = WS_EX_APPWINDOW;
    style.backColor = GroundColor;
    return style;
}

} // namespace

frmVideo::frmVideo() : host::Form(VideoStyle()) { Timer1.Tick = [this] { Timer1_Timer(); }; }

frmVideo::~frmVideo() { Timer1.SetEnabled(false); }

void frmVideo::Form_Load()
{
    CreateControls();
    Move(0, 0, screen::WidthTwips(), screen::HeightTwips());
    ButtonCount = video::ButtonCount;
    shared.HoverIndex = 0;
    MakeTopmost(true);
    InvalidateRect(hwnd(), nullptr, TRUE);

    MediaPlayer1->SetFileName(shared.MediaFile);

    const video::ButtonRow row = video::LayoutButtons(ScaleWidth());
    for (const video::ButtonDesign& design : video::Buttons)
        cmd(design.Index).Move(row.Left[static_cast<std::size_t>(design.Index)], ButtonTopTwips, row.Width,
                               ButtonHeightTwips);
    const auto& pictures = VideoPlayerPictures();
    for (const video::ButtonDesign& design : video::Buttons) {
        ZelButtonOXP& button = cmd(design.Index);
        const PixelArt& art = pictures[static_cast<std::size_t>(design.Picture - 1)];
        button.SetPictureNormal(std::make_shared<Picture>(Picture::FromPixels(art.width, art.height, art.argb)));
        button.SetCaption(video::CaptionBlanks + shared.LangCaption[design.Text]);
        if (shared.TooltipsOn()) button.SetToolTipText(shared.LangText[design.Text]);
    }

    MediaPlayer1->SetAutoSize(true);
    MediaPlayer1->SetAutoStart(true);
    MediaPlayer1->SetAutoRewind(true);
    GO_Resize();
}

void frmVideo::CreateControls()
{
    const HWND self = hwnd();
    Pic = std::make_unique<host::PictureBox>(self, GroundColor);
    MediaPlayer1 = std::make_unique<host::MediaPlayer>(Pic->hwnd(), IdPlayer);
    MediaPlayer1->Move(video::PlayerInsetTwips, video::PlayerInsetTwips, PlayerDesignWidthTwips,
                       PlayerDesignHeightTwips);
    Menu = std::make_unique<host::PictureBox>(self, MenuColor);
    Menu->Move(0, 0, ScaleWidth(), video::MenuHeightTwips);
    Menu->Click = [this] { Menu_Click(); };
    // The bar lies over the frame, which covers the whole window in the full-window mode.
    SetWindowPos(Menu->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (const video::ButtonDesign& design : video::Buttons) {
        auto button = std::make_unique<ZelButtonOXP>(Menu->hwnd(), IdButtons + design.Index, design.DesignName,
                                                     ProgramButtonDesign(design.DesignName));
        const int index = design.Index;
        button->Click = [this, index] { cmd_Click(index); };
        cmd.Add(design.Index, std::move(button));
    }
}

void frmVideo::GO_Resize()
{
    MediaPlayer1->Move(video::PlayerInsetTwips, video::PlayerInsetTwips, MediaPlayer1->Width(), MediaPlayer1->Height());
    const video::PlayerFrame frame =
        video::FrameAroundPlayer(ScaleWidth(), ScaleHeight(), MediaPlayer1->Width(), MediaPlayer1->Height());
    Pic->Move(frame.Pic.Left, frame.Pic.Top, frame.Pic.Width, frame.Pic.Height);
    Menu->SetWidth(frame.MenuWidth);
}

void frmVideo::cmd_Click(int index)
{
    const video::ButtonDesign* design = video::Button(index);
    if (!design) return;
    switch (design->Action) {
    case video::ButtonAction::Exit:
        MediaPlayer1->Pause();
        Hide();
        break;
    case video::ButtonAction::Halt: MediaPlayer1->Pause(); break;
    case video::ButtonAction::Play: MediaPlayer1->Play(); break;
    case video::ButtonAction::DoubleSize: ShowAtSize(video::DisplayDoubleSize); break;
    case video::ButtonAction::OwnSize: ShowAtSize(video::DisplayOwnSize); break;
    case video::ButtonAction::FullWindow: SwitchFullWindow(); break;
    case video::ButtonAction::Volume:
        MediaPlayer1->Pause();
        // Out of the top layer so that the sound settings can come in front; a click on the
        // bar brings the player back on top.
        MakeTopmost(false);
        host::OpenControlPanelItem(L"mmsys.cpl");
        break;
    }
}

// The full-window mode keeps its timer: only the picture's size changes.
void frmVideo::ShowAtSize(int displaySize)
{
    MediaPlayer1->SetDisplaySize(displaySize);
    GO_Resize();
}

void frmVideo::SwitchFullWindow()
{
    if (FullWindow == 1) {
        // The bar stays as it is: it was in view to be clicked.
        Timer1.SetEnabled(false);
        FullWindow = 0;
        MediaPlayer1->SetDisplaySize(video::DisplayOwnSize);
        GO_Resize();
        return;
    }
    Timer1.SetInterval(video::AutoHideIntervalMs);
    Timer1.SetEnabled(true);
    FullWindow = 1;
    // The show bar's own auto-hide state is not touched: the bar already stands out of sight
    // behind the picker, which opened this window.
    Menu->SetVisible(false);
    FillWindow();
}

void frmVideo::FillWindow()
{
    const video::PlayerFrame frame = video::FullWindowFrame(ScaleWidth(), ScaleHeight());
    Pic->Move(frame.Pic.Left, frame.Pic.Top, frame.Pic.Width, frame.Pic.Height);
    MediaPlayer1->SetDisplaySize(video::DisplayFitToControl);
    MediaPlayer1->Move(frame.Player.Left, frame.Player.Top, frame.Player.Width, frame.Player.Height);
}

void frmVideo::Menu_Click() { MakeTopmost(true); }

void frmVideo::Timer1_Timer()
{
    if (!Loaded()) return;
    POINT at{};
    GetCursorPos(&at);
    switch (video::AutoHideTick(at.y, shared.BarHideLimit)) {
    case video::BarChange::Show: Menu->SetVisible(true); break;
    case video::BarChange::Hide: Menu->SetVisible(false); break;
    case video::BarChange::Keep: break;
    }
}

void frmVideo::MakeTopmost(bool topmost)
{
    SetWindowPos(hwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// The window's frame can be dragged: the layout follows its inner area.
void frmVideo::Form_Resize()
{
    if (!MediaPlayer1) return;
    if (FullWindow == 1)
        FillWindow();
    else
        GO_Resize();
}

std::optional<LRESULT> frmVideo::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Only top-level windows hear of display changes; the picture follows them.
    if ((msg == WM_DISPLAYCHANGE || msg == WM_SYSCOLORCHANGE || msg == WM_PALETTECHANGED) && MediaPlayer1)
        SendMessageW(MediaPlayer1->hwnd(), msg, wParam, lParam);
    return std::nullopt;
}

void frmVideo::Form_QueryUnload(bool&)
{
    if (MediaPlayer1) MediaPlayer1->Pause();
}

void frmVideo::Form_Unload()
{
    Timer1.SetEnabled(false);
    // The graph lets go of its picture's window before the frame's windows go.
    MediaPlayer1.reset();
}

namespace special {

void PlayVideo()
{
    frmVideo player;
    player.Load();
    player.ShowModal();
    player.Unload();
}

} // namespace special
