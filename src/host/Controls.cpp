#include "host/Controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <unordered_map>
#include <utility>

#include "host/Form.h"
#include "host/Input.h"
#include "host/Screen.h"

namespace host {

namespace {
// One device context for all boxes: a cache context of its own, taken by each box at its first
// paint, costs Wine three display queries per box.
constexpr WindowClass PictureClass{L"VistoraPicture", CS_DBLCLKS | CS_CLASSDC};

HWND ParentOf(HWND hwnd) { return GetParent(hwnd); }
} // namespace

// ---- Control -------------------------------------------------------------------------------

RECT Control::RectInParent() const
{
    RECT r{};
    if (!hwnd_) return r;
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(HWND_DESKTOP, ParentOf(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Control::Place(const RECT& px)
{
    if (!hwnd_) return;
    // A window put where it already is changes nothing, yet costs a round trip to the server
    // under Wine; layouts set many a place that a control already has.
    const RECT now = RectInParent();
    if (EqualRect(&now, &px)) return;
    SetWindowPos(hwnd_, nullptr, px.left, px.top, px.right - px.left, px.bottom - px.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

double Control::Left() const { return screen::ToTwips(RectInParent().left); }
double Control::Top() const { return screen::ToTwips(RectInParent().top); }
double Control::Width() const
{
    RECT r = RectInParent();
    return screen::ToTwips(r.right - r.left);
}
double Control::Height() const
{
    RECT r = RectInParent();
    return screen::ToTwips(r.bottom - r.top);
}

void Control::Move(double left, double top, double width, double height)
{
    int l = screen::ToPixels(left);
    int t = screen::ToPixels(top);
    // Size from the rounded edges so that neighbours placed edge to edge stay edge to edge.
    int w = screen::ToPixels(left + width) - l;
    int h = screen::ToPixels(top + height) - t;
    Place(RECT{l, t, l + (w < 0 ? 0 : w), t + (h < 0 ? 0 : h)});
}

void Control::SetLeft(double v) { Move(v, Top(), Width(), Height()); }
void Control::SetTop(double v) { Move(Left(), v, Width(), Height()); }
void Control::SetWidth(double v) { Move(Left(), Top(), v, Height()); }
void Control::SetHeight(double v) { Move(Left(), Top(), Width(), v); }

bool Control::Visible() const { return hwnd_ && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE); }
void Control::SetVisible(bool visible)
{
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}
bool Control::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }
void Control::SetEnabled(bool enabled)
{
    if (hwnd_) EnableWindow(hwnd_, enabled);
}

void Control::SetToolTipText(const std::wstring& text)
{
    toolTip_ = text;
    Form* form = Form::Of(hwnd_);
    if (!form) return;
    HWND tips = form->Tooltips();
    if (!tips) return;
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = form->hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (text.empty()) return;
    info.lpszText = const_cast<wchar_t*>(toolTip_.c_str());
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Control::SetFocus()
{
    if (hwnd_) ::SetFocus(hwnd_);
}

// ---- Label ---------------------------------------------------------------------------------

LRESULT CALLBACK Label::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* label = WindowHook::OwnerOf<Label>(hwnd);
    if (!label) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_LBUTTONUP && label->Click) {
        label->Click();
        return 0;
    }
    return label->hook_.PassOn(hwnd, msg, wParam, lParam);
}

Label* Label::Of(HWND hwnd) { return WindowHook::OwnerOf<Label>(hwnd, &Label::Proc); }

Label::Label(HWND parent, const std::wstring& caption, DWORD align)
    : Control(CreateWindowExW(0, L"STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE | SS_NOTIFY | align, 0, 0, 10, 10,
                              parent, nullptr, GetModuleHandleW(nullptr), nullptr))
{
    hook_.Install(hwnd_, &Label::Proc, this);
}

void Label::SetCaption(const std::wstring& caption)
{
    if (hwnd_) SetWindowTextW(hwnd_, caption.c_str());
}

std::wstring Label::Caption() const
{
    if (!hwnd_) return {};
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Label::SetColors(COLORREF fore, std::optional<COLORREF> back)
{
    fore_ = fore;
    back_ = back;
    backBrush_.reset(back ? CreateSolidBrush(*back) : nullptr);
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Label::SetFont(const std::wstring& face, int points, bool bold)
{
    font_ = MakeFont(face, points, bold);
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

HBRUSH Label::Colorize(HDC dc)
{
    SetTextColor(dc, fore_);
    if (backBrush_) {
        SetBkColor(dc, *back_);
        return backBrush_.get();
    }
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

HBRUSH ControlColor(HDC dc, HWND child)
{
    Label* label = Label::Of(child);
    return label ? label->Colorize(dc) : nullptr;
}

// ---- PictureBox ----------------------------------------------------------------------------

PictureBox::PictureBox(HWND parent, COLORREF backColor) : back_(backColor)
{
    CreateBound(PictureClass, 0, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, RECT{0, 0, 10, 10},
                parent);
}

// The parent destroys the window; from here on its messages reach nobody.
PictureBox::~PictureBox() { Unbind(hwnd_); }

void PictureBox::SetBackColor(COLORREF color)
{
    back_ = color;
    Refresh();
}

void PictureBox::Refresh()
{
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

double PictureBox::ScaleWidth() const { return ClientTwips(hwnd_).width; }
double PictureBox::ScaleHeight() const { return ClientTwips(hwnd_).height; }

UniqueFont MakeFont(const std::wstring& face, int points, bool bold)
{
    return UniqueFont(CreateFontW(-MulDiv(points, screen::Dpi(), 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                  DEFAULT_PITCH, face.c_str()));
}

TwipsSize ClientTwips(HWND hwnd)
{
    RECT r{};
    if (hwnd) GetClientRect(hwnd, &r);
    return TwipsSize{screen::ToTwips(r.right), screen::ToTwips(r.bottom)};
}

LRESULT PictureBox::HandleMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Down and up events name the one button that went down or up (classic masks), moves
    // every button held.
    auto mouse = [&](const MouseHandler& handler, WPARAM buttons) {
        if (handler)
            handler(ButtonMask(buttons), ShiftMask(wParam), screen::ToTwips(GET_X_LPARAM(lParam)),
                    screen::ToTwips(GET_Y_LPARAM(lParam)));
    };
    const WPARAM changed = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP   ? MK_LBUTTON
                           : msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP ? MK_RBUTTON
                                                                          : MK_MBUTTON;
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PaintDc dc(hwnd_);
        // The context is shared and keeps what is set in it: what a painter sets goes with its paint.
        const int saved = SaveDC(dc.get());
        RECT client;
        GetClientRect(hwnd_, &client);
        UniqueBrush brush(CreateSolidBrush(back_));
        FillRect(dc.get(), &client, brush.get());
        if (Paint) Paint(dc.get(), client);
        RestoreDC(dc.get(), saved);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (msg == WM_LBUTTONDOWN) pressed_ = true;
        SetCapture(hwnd_);
        mouse(MouseDown, changed);
        return 0;
    case WM_MOUSEMOVE: mouse(MouseMove, wParam); return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (GetCapture() == hwnd_ && !(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) ReleaseCapture();
        mouse(MouseUp, changed);
        if (msg == WM_LBUTTONUP && std::exchange(pressed_, false)) {
            // A click is a press and a release over the same control: sliding off cancels it.
            RECT client{};
            GetClientRect(hwnd_, &client);
            if (PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) && Click) Click();
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        if (DblClick) DblClick();
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

// ---- Timer ---------------------------------------------------------------------------------

namespace {
std::unordered_map<UINT_PTR, Timer*>& Timers()
{
    static std::unordered_map<UINT_PTR, Timer*> timers;
    return timers;
}
} // namespace

Timer::Timer() : alive_(std::make_shared<bool>(true)) {}

Timer::~Timer()
{
    *alive_ = false;
    SetEnabled(false);
}

void Timer::SetInterval(unsigned ms)
{
    intervalMs_ = ms;
    Arm();
}

void Timer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Arm();
}

void Timer::Arm()
{
    if (id_) {
        KillTimer(nullptr, id_);
        Timers().erase(id_);
        id_ = 0;
    }
    // An interval of 0 stops the timer, as it does on a form.
    if (!enabled_ || intervalMs_ == 0) return;
    id_ = SetTimer(nullptr, 0, intervalMs_, &Timer::Fire);
    if (id_) Timers()[id_] = this;
}

void CALLBACK Timer::Fire(HWND, UINT, UINT_PTR id, DWORD)
{
    auto it = Timers().find(id);
    if (it == Timers().end()) return;
    Timer* timer = it->second;
    if (timer->running_ || !timer->Tick) return;
    auto alive = timer->alive_;
    timer->running_ = true;
    timer->Tick();
    if (*alive) timer->running_ = false;
}

} // namespace host
