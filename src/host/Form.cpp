#include "host/Form.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "host/Controls.h"
#include "host/Input.h"
#include "host/MessageLoop.h"
#include "host/Screen.h"

namespace host {

namespace {
constexpr WindowClass FormClass{L"VistoraForm", CS_DBLCLKS, nullptr, true};

RECT WindowRectOf(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}
} // namespace

Form::Form(FormStyle style) : style_(std::move(style)) {}

Form::~Form()
{
    if (hwnd_) {
        Unbind(hwnd_);
        DestroyWindow(hwnd_);
    }
}

void Form::Load()
{
    if (hwnd_ || loading_) return;
    loading_ = true;
    CreateBound(FormClass, style_.exStyle, style_.caption.c_str(), style_.style & ~WS_VISIBLE,
                RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + 640, CW_USEDEFAULT + 480}, style_.owner);
    if (hwnd_) Form_Load();
    loading_ = false;
}

bool Form::Unload()
{
    if (!hwnd_ || unloading_) return !hwnd_;
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel) return false;
    unloading_ = true;
    Form_Unload();
    if (hwnd_) DestroyWindow(hwnd_);
    unloading_ = false;
    return true;
}

void Form::Show()
{
    Load();
    if (!hwnd_) return;
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
}

void Form::Hide()
{
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Form::ShowModal()
{
    Load();
    if (!hwnd_) return;
    // Disable the other top-level windows of this thread, remembering which ones we touched.
    const HWND self = hwnd_;
    std::pair<HWND, std::vector<HWND>> disabledList{self, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto* list = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(p);
            if (w != list->first && IsWindowVisible(w) && IsWindowEnabled(w)) list->second.push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabledList));
    const std::vector<HWND>& disabled = disabledList.second;
    for (HWND w : disabled) EnableWindow(w, FALSE);

    Show();
    SetForegroundWindow(self);
    {
        NestedLoopScope scope;
        MSG msg;
        while (IsWindow(self) && IsWindowVisible(self)) {
            BOOL got = GetMessageW(&msg, nullptr, 0, 0);
            if (got == 0 || got == -1) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    for (HWND w : disabled)
        if (IsWindow(w)) EnableWindow(w, TRUE);
}

double Form::Left() const { return hwnd_ ? screen::ToTwips(WindowRectOf(hwnd_).left) : 0; }
double Form::Top() const { return hwnd_ ? screen::ToTwips(WindowRectOf(hwnd_).top) : 0; }
double Form::Width() const
{
    if (!hwnd_) return 0;
    RECT r = WindowRectOf(hwnd_);
    return screen::ToTwips(r.right - r.left);
}
double Form::Height() const
{
    if (!hwnd_) return 0;
    RECT r = WindowRectOf(hwnd_);
    return screen::ToTwips(r.bottom - r.top);
}

void Form::Move(double left, double top, std::optional<double> width, std::optional<double> height)
{
    if (!hwnd_) return;
    RECT r = WindowRectOf(hwnd_);
    int w = width ? screen::ToPixels(*width) : r.right - r.left;
    int h = height ? screen::ToPixels(*height) : r.bottom - r.top;
    SetWindowPos(hwnd_, nullptr, screen::ToPixels(left), screen::ToPixels(top), w, h,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetLeft(double v) { Move(v, Top()); }
void Form::SetTop(double v) { Move(Left(), v); }
void Form::SetWidth(double v) { Move(Left(), Top(), v); }
void Form::SetHeight(double v) { Move(Left(), Top(), std::nullopt, v); }

double Form::ScaleWidth() const { return ClientTwips(hwnd_).width; }
double Form::ScaleHeight() const { return ClientTwips(hwnd_).height; }

void Form::SetCaption(const std::wstring& caption)
{
    style_.caption = caption;
    if (hwnd_) SetWindowTextW(hwnd_, caption.c_str());
}

void Form::SetBackColor(COLORREF color)
{
    style_.backColor = color;
    backBrush_.reset();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND Form::Tooltips()
{
    if (!tooltips_ && hwnd_) {
        tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    return tooltips_;
}

std::optional<LRESULT> Form::OnMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

Form* Form::Of(HWND hwnd)
{
    return hwnd ? dynamic_cast<Form*>(BoundWindow::From(GetAncestor(hwnd, GA_ROOT))) : nullptr;
}

LRESULT Form::HandleMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (auto handled = OnMessage(msg, wParam, lParam)) return *handled;
    switch (msg) {
    case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC: return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SIZE:
        Form_Resize();
        return 0;
    case WM_KEYDOWN: {
        int key = static_cast<int>(wParam);
        Form_KeyDown(key, KeyShiftMask());
        return 0;
    }
    case WM_MOUSEMOVE:
        if (MouseMove)
            MouseMove(ButtonMask(wParam), ShiftMask(wParam), screen::ToTwips(GET_X_LPARAM(lParam)),
                      screen::ToTwips(GET_Y_LPARAM(lParam)));
        return 0;
    case WM_CLOSE:
        Unload();
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT Form::OnEraseBackground(HDC dc)
{
    if (!backBrush_) backBrush_.reset(CreateSolidBrush(style_.backColor));
    RECT r;
    GetClientRect(hwnd_, &r);
    FillRect(dc, &r, backBrush_.get());
    return 1;
}

LRESULT Form::OnControlColor(HDC dc, HWND control)
{
    if (HBRUSH brush = ControlColor(dc, control)) return reinterpret_cast<LRESULT>(brush);
    return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

void Form::OnUnbound()
{
    hwnd_ = nullptr;
    tooltips_ = nullptr;
}

} // namespace host
