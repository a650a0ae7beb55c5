#pragma once
// The system's font dialog with effects and an Apply button.
#include <windows.h>

#include <functional>
#include <string>

namespace host {

// A font with its effects and colour, as the font dialog and the rich-text control exchange it.
struct FontChoice {
    std::wstring Name;
    double Points = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikeout = false;
    COLORREF Color = RGB(0, 0, 0);
};

// The dialog's flags: screen and printer fonts, effects (colour, underline, strikethrough) and
// an Apply button.
constexpr DWORD FontDialogFlags = 771;

// Shows the dialog starting from `initial`. Apply hands the dialog's current choice to `apply`
// while the dialog stays open; OK hands it over and closes. Returns false when the dialog was
// cancelled or could not be shown (an Apply before a Cancel has already been handed over).
bool ChooseFontApplying(HWND owner, const FontChoice& initial, const std::function<void(const FontChoice&)>& apply);

} // namespace host
