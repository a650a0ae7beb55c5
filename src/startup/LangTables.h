#pragma once
// The active language's captions and texts, cut from the lines Vistora.Txt gave.
#include <string>
#include <string_view>

#include "app/Shared.h"

// Text numbers 1..50; line i of the file is the English form of number i, line 50 + i the
// own-language form.
constexpr int LangNumbers = Shared::TextCount / 2;

// Splits a text line at its first ":" into the short caption and the long text (further colons
// belong to the text). A line without ":" supplies nothing: both stay as they were, and the
// result is false.
bool SplitLanguage(std::wstring_view line, std::wstring& caption, std::wstring& text);

// Fills LangCaption and LangText 1..50 from the English block when LangCode is exactly "ENG",
// from the own-language block for any other code.
void ApplyLanguageTables(Shared& s = shared);
