#include "about/frmAbout.h"

#include "app/Shared.h"
#include "base/Version.h"
#include "controls/ProgramButtonDesign.h"
#include "host/ArtPaint.h"
#include "host/Screen.h"
#include "resources/art/Pictures.h"

namespace {
constexpr COLORREF Paper = RGB(255, 255, 192);
constexpr COLORREF Navy = RGB(0, 0, 128);
constexpr COLORREF DarkRed = RGB(128, 0, 0);
constexpr double ClientWidth = 9840;
constexpr double ClientHeight = 4560;
constexpr wchar_t MakerLine[] = L"Vistora Software - Bologna, Italy";

// The outer size that gives the designed client area with this window's frame.
SIZE OuterPixels(HWND hwnd)
{
    RECT r{0, 0, screen::ToPixels(ClientWidth), screen::ToPixels(ClientHeight)};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)));
    return SIZE{r.right - r.left, r.bottom - r.top};
}
} // namespace

frmAbout::frmAbout(HWND owner, PicturePtr exitPicture)
    : host::Form(host::FormStyle{WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME, L"About Vistora", Paper,
                                 owner}),
      exitPicture_(std::move(exitPicture))
{
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    const HWND self = hwnd();
    const SIZE outer = OuterPixels(self);
    SetWindowPos(self, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    Picture1 = std::make_unique<host::Image>(self, Paper);
    Picture1->Move(240, 240, 3000, 2250);
    Picture1->Paint = ArtPainter(&AboutArtwork);
    Image1 = std::make_unique<host::Image>(self, Paper);
    Image1->Move(3600, 300, 480, 480);
    Image1->Paint = [](HDC dc, const RECT& client) { PaintArt(dc, AppIcon(), client, false); };
    Image2 = std::make_unique<host::Image>(self, Paper);
    Image2->Move(7800, 240, 1800, 2250);
    Image2->Paint = ArtPainter(&AboutPhoto);

    auto label = [&](const std::wstring& text, const wchar_t* face, int points, bool bold, COLORREF color,
                     double left, double top, double width, double height) {
        auto l = std::make_unique<host::Label>(self, text);
        l->SetFont(face, points, bold);
        l->SetColors(color, Paper);
        l->Move(left, top, width, height);
        return l;
    };
    Label4 = label(ShortVersion, L"Verdana", 20, true, DarkRed, 4260, 300, 1500, 600);
    Label6 = label(L"Made in Italy", L"Tahoma", 10, false, Navy, 3600, 1140, 4000, 330);
    Label7 = label(L"", L"Arial", 10, true, Navy, 3600, 1530, 4000, 330);
    Label5 = label(L"", L"Tahoma", 10, false, Navy, 3600, 1920, 4000, 330);

    auto button = std::make_unique<ZelButtonOXP>(self, 1, L"cmd", ProgramButtonDesign(L"Exit"));
    button->Move(3600, 3480, 1800, 600);
    button->Click = [this] { cmd_Click(0); };
    button->MouseMove = [this](int&, int&, float&, float&) { cmd_MouseMove(0); };
    cmd.Add(0, std::move(button));

    cmd(0).SetPictureNormal(exitPicture_);
    // Centred across, 320 twips below the middle.
    const double top = screen::HeightTwips() / 2 - Height() / 2 + 320;
    const double left = screen::WidthTwips() / 2 - Width() / 2;
    Move(left, top);
    Label5->SetCaption(shared.AuthorMail);
    Label7->SetCaption(MakerLine);
}

void frmAbout::cmd_Click(int) { Hide(); }

void frmAbout::cmd_MouseMove(int) { cmd(0).SetFocus(); }
