#include "host/RichText.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>

namespace host {

namespace {

// Loaded once and kept: the class lives as long as the library.
void LoadRichEditLibrary()
{
    static const HMODULE library = LoadLibraryW(L"msftedit.dll");
    (void)library;
}

struct ReadCursor {
    std::string_view bytes;
    std::size_t at = 0;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* got)
{
    auto* cursor = reinterpret_cast<ReadCursor*>(cookie);
    const std::size_t n = std::min(static_cast<std::size_t>(capacity), cursor->bytes.size() - cursor->at);
    std::copy_n(cursor->bytes.data() + cursor->at, n, buffer);
    cursor->at += n;
    *got = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK WriteChunk(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* taken)
{
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(count));
    *taken = count;
    return 0;
}

bool StreamIn(HWND edit, std::string_view bytes)
{
    ReadCursor cursor{bytes};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&cursor), 0, ReadChunk};
    SendMessageW(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
    return stream.dwError == 0;
}

std::wstring TextOf(HWND edit)
{
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const auto count = SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(count, 0)) + 1, L'\0');
    GETTEXTEX get{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    const auto got = SendMessageW(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                  reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
    return text;
}

// The text an RTF document shows once a control has read it.
std::wstring TextOf(HWND edit, std::string_view rtf)
{
    StreamIn(edit, rtf);
    return TextOf(edit);
}

constexpr DWORD FontMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR;

} // namespace

RichText::RichText(HWND parent, int id)
{
    LoadRichEditLibrary();
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                                ES_WANTRETURN | ES_NOHIDESEL,
                            0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return;
    // The default limit of 32 767 characters would cut long notes short when they are read.
    SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SetWindowSubclass(hwnd_, Subclass, 1, reinterpret_cast<DWORD_PTR>(this));
}

RichText::~RichText()
{
    if (hwnd_ && IsWindow(hwnd_)) RemoveWindowSubclass(hwnd_, Subclass, 1);
}

bool RichText::LoadRtf(std::string_view bytes) { return hwnd_ && StreamIn(hwnd_, bytes); }

std::string RichText::StreamOutAs(WPARAM format) const
{
    std::string bytes;
    if (!hwnd_) return bytes;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&bytes), 0, WriteChunk};
    SendMessageW(hwnd_, EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&stream));
    return bytes;
}

std::string RichText::SaveRtf() const
{
    const std::string rtf = StreamOutAs(SF_RTF);
    // Some writers put a look-alike letter in the place of a character that the ANSI code page
    // lacks (Greek alpha as "a"). Read back, such a document shows other text; then the control
    // writes UTF-8 RTF, which keeps every character.
    UniqueWindow scratch(CreateWindowExW(0, MSFTEDIT_CLASS, L"", WS_POPUP | ES_MULTILINE, 0, 0, 10, 10, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
    if (!scratch || TextOf(scratch.get(), rtf) == Text()) return rtf;
    return StreamOutAs(MAKEWPARAM(SF_RTF | SF_USECODEPAGE, CP_UTF8));
}

std::wstring RichText::Text() const { return hwnd_ ? TextOf(hwnd_) : std::wstring(); }

FontChoice RichText::SelectionFont() const
{
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(hwnd_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    FontChoice font;
    font.Name = format.szFaceName;
    font.Points = format.yHeight / 20.0;
    font.Bold = (format.dwEffects & CFE_BOLD) != 0;
    font.Italic = (format.dwEffects & CFE_ITALIC) != 0;
    font.Underline = (format.dwEffects & CFE_UNDERLINE) != 0;
    font.Strikeout = (format.dwEffects & CFE_STRIKEOUT) != 0;
    font.Color = (format.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : format.crTextColor;
    return font;
}

void RichText::SetDefaultFont(const FontChoice& font)
{
    const CHARFORMAT2W format = FormatOf(font);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void RichText::SetSelectionFont(const FontChoice& font)
{
    const CHARFORMAT2W format = FormatOf(font);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

CHARFORMAT2W RichText::FormatOf(const FontChoice& font)
{
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = FontMask;
    lstrcpynW(format.szFaceName, font.Name.c_str(), LF_FACESIZE);
    format.yHeight = static_cast<LONG>(font.Points * 20 + 0.5);
    if (font.Bold) format.dwEffects |= CFE_BOLD;
    if (font.Italic) format.dwEffects |= CFE_ITALIC;
    if (font.Underline) format.dwEffects |= CFE_UNDERLINE;
    if (font.Strikeout) format.dwEffects |= CFE_STRIKEOUT;
    format.crTextColor = font.Color;
    return format;
}

LRESULT CALLBACK RichText::Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto* text = reinterpret_cast<RichText*>(self);
    const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
    if (msg == WM_CHAR && text->KeyPress) text->KeyPress(static_cast<wchar_t>(wParam));
    if (msg == WM_KEYUP && text->KeyUp) text->KeyUp(static_cast<int>(wParam));
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, Subclass, 1);
        text->hwnd_ = nullptr;
    }
    return result;
}

} // namespace host
