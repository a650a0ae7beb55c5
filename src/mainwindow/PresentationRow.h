#pragma once
// One row of the presentation list: what each cell shows, decided without a window.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/PathText.h"

// The user's number grouping: the separator and the group sizes in the system's notation
// ("3;0" groups of three throughout, "3;2;0" three then twos, "3" only the first three).
struct NumberGrouping {
    std::wstring separator = L",";
    std::wstring sizes = L"3;0";
};

// "##,##0": every digit, grouped, at least one.
std::wstring FormatSize(std::uint64_t bytes, const NumberGrouping& grouping);

// The date cell: the first ten characters of the modification date-time, blank-padded. Dates
// written shorter than ten characters ("1/2/2026") are padded with blanks rather than followed by
// the first digits of the time, so the cell never shows a stray hour.
std::wstring DateColumn(std::wstring_view shortDateText);

// Pictures of the list's image lists, numbered from 1.
constexpr int LargeIconPicture = 3;
constexpr int PlainSmallIconPicture = 10;
constexpr int ShowSmallIconPicture = 11;

// Only the two spellings ".pps" and ".PPS" mark a show file, anywhere in the full path.
int SmallIconPicture(std::wstring_view fullPath);

// What is known of one file when its row is filled; a value that couldn't be read stays empty.
struct FileFacts {
    std::optional<std::uint64_t> sizeBytes;
    std::optional<std::wstring> modifiedDate;  // in the user's short date format
};

struct PresentationRow {
    std::wstring text;  // proper-case name
    std::wstring fullPath;
    int largeIcon = LargeIconPicture;
    int smallIcon = PlainSmallIconPicture;
    std::wstring size;  // empty when the file couldn't be measured
    std::wstring date;  // empty when its time couldn't be read
};

// The row's name, path and pictures; its size and date cells stay empty.
PresentationRow MakePresentationRow(std::wstring_view folder, std::wstring_view name);
// Fills the size and date cells from what is known of the file.
void SetRowFacts(PresentationRow& row, const FileFacts& facts, const NumberGrouping& grouping);
