#pragma once
// The system's rich-text control (msftedit) as a control in twips: RTF read and written through
// the control's own stream interface, the selection's font, and the key events of its text.
#include <windows.h>

#include <richedit.h>

#include <functional>
#include <string>
#include <string_view>

#include "host/Controls.h"
#include "host/FontDialog.h"

namespace host {

class RichText : public Control {
public:
    explicit RichText(HWND parent, int id = 0);
    ~RichText() override;
    RichText(const RichText&) = delete;
    RichText& operator=(const RichText&) = delete;

    // Replaces the whole text with an RTF document; text that is not RTF is read as plain text.
    bool LoadRtf(std::string_view bytes);
    // The whole text as an RTF document, as the control writes it, with every character kept.
    std::string SaveRtf() const;
    // The visible text, paragraphs ending in "\r".
    std::wstring Text() const;

    // The font of text typed into an empty control, and of the text it holds now.
    void SetDefaultFont(const FontChoice& font);
    FontChoice SelectionFont() const;
    void SetSelectionFont(const FontChoice& font);

    // A character typed (KeyPress) and a key released (KeyUp), after the control saw them.
    std::function<void(wchar_t character)> KeyPress;
    std::function<void(int keyCode)> KeyUp;

private:
    std::string StreamOutAs(WPARAM format) const;
    static CHARFORMAT2W FormatOf(const FontChoice& font);
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
};

} // namespace host
