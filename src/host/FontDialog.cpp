#include "host/FontDialog.h"

#include <commdlg.h>
#include <dlgs.h>

#include <cmath>

#include "host/Screen.h"
#include "host/SystemLibrary.h"

namespace host {

namespace {

LOGFONTW ToLogFont(const FontChoice& font)
{
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(font.Points * screen::Dpi() / 72.0));
    lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.Italic;
    lf.lfUnderline = font.Underline;
    lf.lfStrikeOut = font.Strikeout;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
    return lf;
}

FontChoice FromLogFont(const LOGFONTW& lf, int pointSizeTenths, COLORREF color)
{
    FontChoice font;
    font.Name = lf.lfFaceName;
    font.Points = pointSizeTenths > 0 ? pointSizeTenths / 10.0 : std::abs(lf.lfHeight) * 72.0 / screen::Dpi();
    font.Bold = lf.lfWeight >= FW_SEMIBOLD;
    font.Italic = lf.lfItalic != 0;
    font.Underline = lf.lfUnderline != 0;
    font.Strikeout = lf.lfStrikeOut != 0;
    font.Color = color;
    return font;
}

struct HookState {
    const std::function<void(const FontChoice&)>* apply;
};

// The colour the dialog's colour box shows now.
COLORREF DialogColor(HWND dialog, COLORREF fallback)
{
    HWND box = GetDlgItem(dialog, cmb4);
    if (!box) return fallback;
    const LRESULT item = SendMessageW(box, CB_GETCURSEL, 0, 0);
    if (item == CB_ERR) return fallback;
    return static_cast<COLORREF>(SendMessageW(box, CB_GETITEMDATA, static_cast<WPARAM>(item), 0));
}

// The dialog's size box holds the size the user chose, in points.
int DialogPointSizeTenths(HWND dialog)
{
    wchar_t text[32]{};
    GetDlgItemTextW(dialog, cmb3, text, 32);
    const double points = _wtof(text);
    return points > 0 ? static_cast<int>(std::lround(points * 10)) : 0;
}

UINT_PTR CALLBACK Hook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, static_cast<LONG_PTR>(reinterpret_cast<CHOOSEFONTW*>(lParam)->lCustData));
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == psh3) {
        const auto* state = reinterpret_cast<const HookState*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (!state || !*state->apply) return FALSE;
        LOGFONTW lf{};
        SendMessageW(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&lf));
        (*state->apply)(FromLogFont(lf, DialogPointSizeTenths(dialog), DialogColor(dialog, RGB(0, 0, 0))));
        return TRUE;
    }
    return FALSE;
}

} // namespace

bool ChooseFontApplying(HWND owner, const FontChoice& initial, const std::function<void(const FontChoice&)>& apply)
{
    LOGFONTW lf = ToLogFont(initial);
    HookState state{&apply};
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    // Starting from the selection's font needs the structure's font; Apply needs the hook.
    cf.Flags = FontDialogFlags | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    cf.rgbColors = initial.Color;
    cf.lCustData = reinterpret_cast<LPARAM>(&state);
    cf.lpfnHook = Hook;
    using ChooseFontFunction = BOOL(WINAPI*)(LPCHOOSEFONTW);
    static const auto chooseFont = SystemFunction<ChooseFontFunction>(L"comdlg32.dll", "ChooseFontW");
    if (!chooseFont || !chooseFont(&cf)) return false;
    apply(FromLogFont(lf, cf.iPointSize, cf.rgbColors));
    return true;
}

} // namespace host
