#pragma once
// The reader of Vistora.Txt over bytes already read: the 100 text lines and the four options.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Shared.h"

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

// Empties LangText, stores the text lines into LangLine (1..100; later ones are dropped), acts on
// the option lines and gives CurrentFolder its default. What the file leaves out keeps its
// earlier value. Returns the own-language flag number, 0 when the key is absent or unknown.
int ReadConfigText(std::string_view bytes, const AnsiDecoder& decode, Shared& s = shared);
