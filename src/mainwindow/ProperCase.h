#pragma once
// Names shown the way a title reads: each word starts upper case, the rest is lower case.
#include <string>
#include <string_view>

// Single-letter case mapping for Latin (ASCII, Latin-1, Latin Extended-A), basic Greek and
// basic Cyrillic; every other character is returned unchanged.
wchar_t UpperLetter(wchar_t c);
wchar_t LowerLetter(wchar_t c);

// "MY TALK.PPT" -> "My Talk.ppt". Only blanks (and the other white-space control characters)
// end a word; ".", "-", "_" and other punctuation belong to the word they stand in.
std::wstring ProperCase(std::wstring_view text);
