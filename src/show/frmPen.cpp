#include "show/frmPen.h"

#include <commctrl.h>

#include <string>

#include "app/Shared.h"
#include "controls/ProgramButtonDesign.h"
#include "host/MessageLoop.h"
#include "host/Screen.h"
#include "show/BarPictures.h"
#include "show/ScreenCapture.h"

namespace {

constexpr COLORREF ToolbarColor = RGB(0, 0, 192);
constexpr COLORREF OverlayBack = RGB(0, 0, 0);
constexpr int BackButtonId = 100;

host::FormStyle PenStyle()
{
    host::FormStyle style;
    style.style = WS_POPUP | WS_CLIPCHILDREN;
    style.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    style.backColor = OverlayBack;
    return style;
}

// Image1's own pointer: the pen.
LRESULT CALLBACK PenPointer(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR cursor)
{
    if (msg == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT && cursor) {
        SetCursor(reinterpret_cast<HCURSOR>(cursor));
        return TRUE;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, PenPointer, id);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

int Twips(double value) { return static_cast<int>(value < 0 ? value - 0.5 : value + 0.5); }

} // namespace

frmPen::frmPen() : host::Form(PenStyle()) { Timer1.Tick = [this] { Timer1_Timer(); }; }

frmPen::~frmPen()
{
    Timer1.SetEnabled(false);
    Unload();
}

void frmPen::Form_Load()
{
    PenWidth = pen::DefaultWidth;
    PenColor = pen::DefaultColor;
    ToolbarShown = 0;
    shared.BarHideLimit = pen::HideLimit;
    Move(0, 0, screen::WidthTwips(), screen::HeightTwips());

    CreateControls();
    LayOut();

    RECT client{};
    GetClientRect(hwnd(), &client);
    surface_ = std::make_unique<PenSurface>(client.right, client.bottom, OverlayBack);
    // Image1 sits up and left of the window's corner, so the picture's pixel at that distance
    // lands on the window's (0, 0).
    const int shift = screen::ToPixels(-pen::ImageOffsetTwips);
    if (UniqueBitmap picture = capture::ClipboardBitmap(hwnd())) surface_->SetPicture(picture.get(), shift, shift);
    Image1->Refresh();

    host::DoEvents();
    if (!Loaded()) return;
    Picture1->SetVisible(true);
    Timer1.SetInterval(pen::ToolbarIntervalMs);
    Timer1.SetEnabled(true);
}

void frmPen::CreateControls()
{
    Image1 = std::make_unique<host::Image>(hwnd(), OverlayBack);
    const int shift = screen::ToPixels(-pen::ImageOffsetTwips);
    Image1->Paint = [this, shift](HDC dc, const RECT&) {
        if (surface_) surface_->PaintTo(dc, shift, shift);
    };
    Image1->MouseDown = [this](int b, int s, double x, double y) { Image1_MouseDown(b, s, x, y); };
    Image1->MouseMove = [this](int b, int s, double x, double y) { Image1_MouseMove(b, s, x, y); };
    Image1->MouseUp = [this](int b, int s, double x, double y) { Image1_MouseUp(b, s, x, y); };
    cursor_ = CreatePenCursor();
    SetWindowSubclass(Image1->hwnd(), PenPointer, 1, reinterpret_cast<DWORD_PTR>(cursor_.get()));

    Picture1 = std::make_unique<host::PictureBox>(hwnd(), ToolbarColor);
    SetWindowPos(Picture1->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Picture1->SetVisible(false);

    for (int i = 0; i < static_cast<int>(pen::Palette.size()); ++i) {
        auto swatch = std::make_unique<host::Label>(Picture1->hwnd(), L"");
        swatch->SetColors(RGB(0, 0, 0), static_cast<COLORREF>(pen::Palette[i]));
        swatch->Click = [this, i] { Col_Click(i); };
        Col.Add(i, std::move(swatch));
    }
    for (int i = 1; i <= 3; ++i) {
        auto label = std::make_unique<host::Label>(Picture1->hwnd(), std::to_wstring(i), SS_CENTER | SS_CENTERIMAGE);
        label->SetFont(L"Tahoma", 10, true);
        label->SetColors(GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE));
        label->Click = [this, i] { LDraw_Click(i); };
        LDraw.Add(i, std::move(label));
    }
    // Back is the one button whose stored design holds its picture.
    PropertyStore backDesign = ProgramButtonDesign(L"Back");
    backDesign.Write(L"picn", PenBackButtonPicture());
    auto back = std::make_unique<ZelButtonOXP>(Picture1->hwnd(), BackButtonId, L"Back", backDesign);
    back->Click = [this] { cmd_Click(0); };
    cmd.Add(0, std::move(back));
}

void frmPen::LayOut()
{
    const double inner = ScaleWidth();
    Image1->Move(pen::ImageOffsetTwips, pen::ImageOffsetTwips, inner, ScaleHeight());
    Picture1->Move(pen::ToolbarLeftTwips, pen::ToolbarTopTwips, inner - pen::ToolbarMarginTwips,
                   pen::ToolbarHeightTwips);

    const pen::ToolbarLayout layout = pen::LayoutToolbar(Twips(inner));
    const bool tips = shared.TooltipsOn();
    Col.ForEach([&](int i, host::Label& swatch) {
        swatch.Move(layout.SwatchLeftTwips[i], 0, pen::SwatchSizeTwips, pen::SwatchSizeTwips);
        if (tips && i > 0) swatch.SetToolTipText(shared.LangText[39]);
    });
    LDraw.ForEach([&](int i, host::Label& label) {
        label.Move(layout.WidthLabelLeftTwips[i], pen::WidthLabelTopTwips, pen::SwatchSizeTwips, pen::SwatchSizeTwips);
        if (tips) label.SetToolTipText(shared.LangText[38]);
    });
    ZelButtonOXP& back = cmd(0);
    back.Move(layout.BackLeftTwips, pen::BackTopTwips, pen::BackWidthTwips, pen::BackHeightTwips);
    back.SetCaption(L"  " + shared.LangCaption[7]);
    if (tips) back.SetToolTipText(shared.LangText[40]);
}

void frmPen::Form_Unload()
{
    Timer1.SetEnabled(false);
    if (cursor_ && GetCursor() == cursor_.get()) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

void frmPen::cmd_Click(int)
{
    Timer1.SetEnabled(false);
    Hide();
}

void frmPen::Col_Click(int index) { PenColor = index; }

void frmPen::LDraw_Click(int index) { PenWidth = pen::WidthForLabel(index); }

void frmPen::Image1_MouseDown(int button, int, double x, double y)
{
    if (auto dot = stroke_.MouseDown(button, {Twips(x), Twips(y)}, PenColor, PenWidth)) DrawSegment(*dot);
}

void frmPen::Image1_MouseMove(int, int, double x, double y)
{
    if (auto line = stroke_.MouseMove({Twips(x), Twips(y)})) DrawSegment(*line);
}

void frmPen::Image1_MouseUp(int, int, double, double) { stroke_.MouseUp(); }

void frmPen::DrawSegment(const pen::Segment& segment)
{
    if (!surface_ || !Image1) return;
    // The picture's coordinates are taken as the window's own: drawn where the window has them.
    const POINT from{screen::ToPixels(segment.From.X), screen::ToPixels(segment.From.Y)};
    const POINT to{screen::ToPixels(segment.To.X), screen::ToPixels(segment.To.Y)};
    const COLORREF color = static_cast<COLORREF>(pen::Palette.at(static_cast<std::size_t>(segment.Color)));
    RECT touched = surface_->Draw(from, to, color, segment.Width);
    const int shift = screen::ToPixels(-pen::ImageOffsetTwips);
    OffsetRect(&touched, shift, shift);
    InvalidateRect(Image1->hwnd(), &touched, FALSE);
    UpdateWindow(Image1->hwnd());
}

void frmPen::Timer1_Timer()
{
    if (!Loaded() || !Picture1) return;
    POINT at{};
    GetCursorPos(&at);
    switch (pen::ToolbarTick(ToolbarShown, shared.BarHideLimit, at.y)) {
    case pen::ToolbarMove::Show: Picture1->SetVisible(true); break;
    case pen::ToolbarMove::Hide: Picture1->SetVisible(false); break;
    case pen::ToolbarMove::Stay: break;
    }
}
