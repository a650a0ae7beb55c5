#pragma once
// Small text helpers every layer shares: blanks, trimming and letter case.
#include <string>
#include <string_view>

// True when the text holds nothing but blanks (or nothing at all).
bool IsBlank(std::wstring_view text);

// The text without leading and trailing blanks (only the blank character, not tabs).
std::wstring TrimBlanks(std::wstring_view text);
std::string_view TrimBlanks(std::string_view text);

// A file name against a wildcard ("*" any run of characters, "?" any one), letters compared
// without regard to case.
bool MatchesWildcard(std::wstring_view wildcard, std::wstring_view name);

// Numbers as the settings store keeps them: whole numbers without decimals, others with two.
std::wstring NumberText(double value);
// The number a text holds, blanks after it allowed; false when it holds none.
bool ParseNumber(const std::wstring& text, double& value);

// Upper case for ASCII letters only, the same on every machine whatever its locale: for words
// the program compares, such as option keys.
std::wstring UpperAscii(std::wstring_view text);

// Single-letter case mapping for Latin (ASCII, Latin-1, Latin Extended-A), basic Greek and
// basic Cyrillic; every other character is returned unchanged.
wchar_t UpperLetter(wchar_t c);
wchar_t LowerLetter(wchar_t c);

// Lower case letter by letter with LowerLetter.
std::wstring LowerCase(std::wstring_view text);

// Upper case letter by letter with UpperLetter: how file names and window titles are compared.
std::wstring UpperCase(std::wstring_view text);

// Names shown the way a title reads: "MY TALK.PPT" -> "My Talk.ppt". Only blanks (and the other white-space control characters)
// end a word; ".", "-", "_" and other punctuation belong to the word they stand in.
std::wstring ProperCase(std::wstring_view text);
