#include "host/ZelButtonOXP.h"

#include <olectl.h>
#include <windowsx.h>

#include <cmath>

#include "host/Input.h"
#include "host/Picture.h"
#include "host/Screen.h"

using host::ButtonMask;
using host::ShiftMask;

namespace {
// One device context for all buttons. Every paint is shown at once through GetDC, which hands a
// window its class's context at once where a cache context costs several times the paint. A
// context per button cost Wine three display queries at each button's first paint; a button
// holds the shared one only while it copies its surface.
constexpr host::WindowClass ButtonClass{L"ZelButtonOXP", CS_DBLCLKS | CS_CLASSDC};
constexpr UINT_PTR OverTimerId = 1;
// The hover check runs at the system's shortest timer period (10 ms): timers round anything
// shorter up to it. A tick that finds the pointer still over the control draws nothing.
constexpr UINT OverTimerIntervalMs = USER_TIMER_MINIMUM;
// While the pointer rests, the window under it is asked for again every this many ticks, so a
// window of another program that covers the control ends the hover within 50 ms.
constexpr int OverAnswerTicks = 5;

float X(LPARAM at) { return static_cast<float>(GET_X_LPARAM(at)); }
float Y(LPARAM at) { return static_cast<float>(GET_Y_LPARAM(at)); }

// The pointer shapes of the MousePointer codes 1..15.
const wchar_t* CursorFor(int pointer)
{
    static const wchar_t* const shapes[] = {IDC_ARROW,  IDC_CROSS,  IDC_IBEAM,  IDC_ICON,   IDC_SIZEALL,
                                            IDC_SIZENESW, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW,
                                            IDC_WAIT,   IDC_NO,     IDC_APPSTARTING, IDC_HELP, IDC_SIZEALL};
    return pointer >= 1 && pointer <= 15 ? shapes[pointer - 1] : nullptr;
}

FontDesc AmbientFont(HWND parent)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW lf{};
    FontDesc desc;
    if (!GetObjectW(font, sizeof lf, &lf)) return desc;
    desc.Name = lf.lfFaceName;
    desc.Size = std::abs(lf.lfHeight) * 72.0 / screen::Dpi();
    desc.Bold = lf.lfWeight >= FW_BOLD;
    desc.Italic = lf.lfItalic != 0;
    desc.Underline = lf.lfUnderline != 0;
    return desc;
}
} // namespace

ZelButtonOXP::ZelButtonOXP(HWND parent, int id, const std::wstring& name)
    : ButtonModel(static_cast<ButtonSite&>(*this)), name_(name)
{
    Create(parent, id);
    InitNew(name, AmbientFont(parent));
    ShowWindow(hwnd_, SW_SHOWNA);
}

ZelButtonOXP::ZelButtonOXP(HWND parent, int id, const std::wstring& name, const PropertyStore& design)
    : ButtonModel(static_cast<ButtonSite&>(*this)), name_(name)
{
    Create(parent, id);
    s_.Font = AmbientFont(parent);
    Load(design);
    ShowWindow(hwnd_, SW_SHOWNA);
}

ZelButtonOXP::~ZelButtonOXP()
{
    Terminate();
    if (hwnd_) {
        Unbind(hwnd_);
        KillTimer(hwnd_, OverTimerId);
        DestroyWindow(hwnd_);
    }
}

void ZelButtonOXP::Create(HWND parent, int id)
{
    CreateBound(ButtonClass, 0, L"", WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS, RECT{}, parent,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void ZelButtonOXP::SetDefaultButton(bool isDefault)
{
    if (isDefault_ == isDefault) return;
    isDefault_ = isDefault;
    // Custom colours ignore ambient changes, but the frame must still follow at once.
    if (ColorScheme() == ColorSource::OwnColors)
        DrawButton(s_.LastState, true);
    else
        AmbientChanged();
}

LRESULT ZelButtonOXP::HandleMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: OnSize(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: surface_.CopyTo(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_SHOWWINDOW: wParam ? Show() : Hide(); break;
    case WM_LBUTTONDOWN: OnButtonDown(1, wParam, lParam); return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: OnButtonDown(2, wParam, lParam); return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: OnButtonDown(4, wParam, lParam); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClickMessage(wParam, lParam); return 0;
    case WM_LBUTTONUP: OnButtonUp(1, wParam, lParam); return 0;
    case WM_RBUTTONUP: OnButtonUp(2, wParam, lParam); break; // DefWindowProc raises WM_CONTEXTMENU
    case WM_MBUTTONUP: OnButtonUp(4, wParam, lParam); return 0;
    case WM_MOUSEMOVE: OnMove(wParam, lParam); return 0;
    case WM_TIMER:
        if (wParam == OverTimerId) {
            overTick_ = true;
            OnOverTimer();
            overTick_ = false;
        }
        return 0;
    case WM_SETFOCUS: OnFocus(true); return 0;
    case WM_KILLFOCUS: OnFocus(false); return 0;
    case BM_CLICK: // what the dialog manager sends for an access key, Enter or Esc
        if (IsWindowEnabled(hwnd_)) OnAccessKey();
        return 0;
    case WM_GETDLGCODE: return DLGC_BUTTON | (isDefault_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_SETCURSOR:
        if (OnSetCursor()) return TRUE;
        break;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(surface_.Font());
    case WM_ENABLE: OnEnable(wParam != 0); return 0;
    case WM_SYSCOLORCHANGE: AmbientChanged(); return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void ZelButtonOXP::OnSize()
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    surface_.Resize(client.right, client.bottom);
    Resize();
}

void ZelButtonOXP::OnPaint()
{
    PaintDc dc(hwnd_);
    surface_.CopyTo(dc.get());
}

void ZelButtonOXP::OnButtonDown(int button, WPARAM keys, LPARAM at)
{
    if (button == 1) {
        if (GetFocus() != hwnd_) ::SetFocus(hwnd_);
        clickArmed_ = true;
    }
    // Held buttons keep the mouse, so a drag outside still reaches the control.
    SetCapture(hwnd_);
    OnMouseDown(button, ShiftMask(keys), X(at), Y(at));
}

void ZelButtonOXP::OnDoubleClickMessage(WPARAM, LPARAM)
{
    if (GetFocus() != hwnd_) ::SetFocus(hwnd_);
    clickArmed_ = false;
    OnDoubleClick();
}

void ZelButtonOXP::OnButtonUp(int button, WPARAM keys, LPARAM at)
{
    if (ButtonMask(keys) == 0 && GetCapture() == hwnd_) ReleaseCapture();
    OnMouseUp(button, ShiftMask(keys), X(at), Y(at));
    if (button != 1 || !clickArmed_ || !hwnd_) return;
    clickArmed_ = false;
    RECT client{};
    GetClientRect(hwnd_, &client);
    const POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (PtInRect(&client, p)) OnClick();
}

void ZelButtonOXP::OnMove(WPARAM keys, LPARAM at) { OnMouseMove(ButtonMask(keys), ShiftMask(keys), X(at), Y(at)); }

bool ZelButtonOXP::OnSetCursor()
{
    if (pointer_ == PointerShape::Custom) {
        auto picture = std::dynamic_pointer_cast<const Picture>(pointerIcon_);
        if (!picture || !*picture) return false;
        SetCursor(picture->Icon());
        return true;
    }
    const wchar_t* shape = CursorFor(pointer_);
    if (!shape) return false;
    SetCursor(LoadCursorW(nullptr, shape));
    return true;
}

void ZelButtonOXP::OnEnable(bool enabled)
{
    // Someone else enabled or disabled the window: the property follows it.
    if (enabled != Enabled()) SetEnabled(enabled);
}

void ZelButtonOXP::OnUnbound()
{
    // The parent destroyed the window first: the button stops painting and hovering.
    Terminate();
    hwnd_ = nullptr;
}

// --- ButtonSite ---

RgbColor ZelButtonOXP::TranslateColor(std::uint32_t oleColor)
{
    COLORREF rgb = 0;
    return OleTranslateColor(oleColor, nullptr, &rgb) == S_OK ? rgb : 0;
}

RgbColor ZelButtonOXP::SysColor(int index) { return GetSysColor(index); }

void ZelButtonOXP::ContainerColors(RgbColor& back, RgbColor& text)
{
    WindowDc dc(GetParent(hwnd_));
    back = dc ? GetBkColor(dc.get()) : 0;
    text = dc ? GetTextColor(dc.get()) : 0;
}

void ZelButtonOXP::Present()
{
    // Nothing of a hidden button (or of one in a hidden window) is on the screen; it is painted
    // from the surface when it shows.
    if (!IsWindowVisible(hwnd_)) return;
    WindowDc dc(hwnd_);
    if (dc) surface_.CopyTo(dc.get());
}

void ZelButtonOXP::ClientSize(int& width, int& height)
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    width = client.right;
    height = client.bottom;
}

void ZelButtonOXP::SetRegion(int width, int height)
{
    // Setting a region costs a round trip to the system. One of the same size is the same region,
    // and a window without area (as every button is when created) has nothing to clip.
    if (width <= 0 || height <= 0 || (regionSize_.cx == width && regionSize_.cy == height)) return;
    regionSize_ = SIZE{width, height};
    // The window owns the region from here on, and frees the one it had.
    SetWindowRgn(hwnd_, CreateRectRgn(0, 0, width, height), TRUE);
}

int ZelButtonOXP::Dpi() { return screen::Dpi(); }

void ZelButtonOXP::ApplyCaption(const std::wstring& caption) { SetWindowTextW(hwnd_, caption.c_str()); }

void ZelButtonOXP::ApplyFont(const FontDesc& font)
{
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(font.Size * screen::Dpi() / 72.0));
    lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.Italic;
    lf.lfUnderline = font.Underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
    surface_.SetFont(CreateFontIndirectW(&lf));
}

void ZelButtonOXP::ApplyEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }

void ZelButtonOXP::ApplyPointer(int pointer, const PicturePtr& icon)
{
    pointer_ = pointer;
    pointerIcon_ = icon;
}

void ZelButtonOXP::NotifyChanged()
{
    if (Changed) Changed();
}

bool ZelButtonOXP::IsPointerOver()
{
    POINT p{};
    if (!overTick_) {
        overAnswer_.age = -1;
        return GetCursorPos(&p) && WindowFromPoint(p) == hwnd_;
    }
    // A tick's message carries the pointer's place; reading it asks the system nothing.
    const DWORD at = GetMessagePos();
    p = POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    RECT place{};
    GetWindowRect(hwnd_, &place);
    const bool visible = IsWindowVisible(hwnd_) != 0;
    OverAnswer& kept = overAnswer_;
    if (kept.age >= 0 && kept.age < OverAnswerTicks && kept.pointer.x == p.x && kept.pointer.y == p.y &&
        EqualRect(&kept.place, &place) && kept.visible == visible) {
        ++kept.age;
        return kept.over;
    }
    kept = OverAnswer{p, place, visible, WindowFromPoint(p) == hwnd_, 0};
    return kept.over;
}

void ZelButtonOXP::StartOverTimer()
{
    overAnswer_.age = -1;
    SetTimer(hwnd_, OverTimerId, OverTimerIntervalMs, nullptr);
}

void ZelButtonOXP::StopOverTimer() { KillTimer(hwnd_, OverTimerId); }

void ZelButtonOXP::CaptureMouse() { SetCapture(hwnd_); }

void ZelButtonOXP::RefreshNow() { RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
