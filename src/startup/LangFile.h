#pragma once
// The reader of Vistora.Txt over bytes already read: the 100 text lines and the four options.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The file holds 100 text lines: numbers 1..50 in English, then the same numbers in the own
// language.
constexpr int TextCount = 100;
// Entries 1..TextCount of the file's lines, or 1..50 of the active language's captions and texts;
// entry 0 is never used.
using TextTable = std::array<std::wstring, TextCount + 1>;

// What Vistora.Txt holds.
struct LanguageFile {
    TextTable LangLine;
    std::wstring DataExtension;
    std::wstring SpecialProgram;
    std::wstring TooltipSwitch;
    // The flag picture for the own-language button (see OwnLanguageFlag).
    int OwnFlag = 0;
};

// Turns bytes in the system's ANSI code page into text; the file is converted here and nowhere else.
using AnsiDecoder = std::function<std::wstring(std::string_view)>;

// Each byte becomes the character of the same number (Latin-1): a decoder that needs no system.
std::wstring WidenLatin1(std::string_view bytes);

// A line ends at CR LF, at a lone CR or at a lone LF, so files edited on any system read alike.
// Text after the last line end is a line of its own; an end at the very end adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// The flag picture (1..16) for an OWN_LANGUAGE_ICON word spelled exactly as in the country
// table, 0 for any other word.
int OwnLanguageFlag(std::wstring_view word);

// The file read over what an earlier read gave: the text lines go to LangLine (1..100; later ones
// are dropped) and the option lines act on the options, so what the file leaves out keeps its
// earlier value. A special program without a folder lies in programFolder. OwnFlag is set anew:
// 0 when the key is absent or unknown.
LanguageFile ReadConfigText(std::string_view bytes, const AnsiDecoder& decode, const std::wstring& programFolder,
                            LanguageFile previous = {});
