#pragma once
// The active language's captions and texts, cut from the lines Vistora.Txt gave.
#include <string>
#include <string_view>

#include "startup/LangFile.h"

// Text numbers 1..50; line i of the file is the English form of number i, line 50 + i the
// own-language form.
constexpr int LangNumbers = TextCount / 2;

// Splits a text line at its first ":" into the short caption and the long text (further colons
// belong to the text). A line without ":" supplies nothing: both stay as they were, and the
// result is false.
bool SplitLanguage(std::wstring_view line, std::wstring& caption, std::wstring& text);

// Fills captions and texts 1..50 from the English block of the lines when langCode is exactly
// "ENG", from the own-language block for any other code.
void ApplyLanguageTables(const TextTable& lines, std::wstring_view langCode, TextTable& captions, TextTable& texts);
