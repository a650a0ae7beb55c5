#pragma once
// A caption font as the button stores it.
#include <string>

struct FontDesc {
    std::wstring Name = L"Tahoma";
    double Size = 8.25; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool operator==(const FontDesc&) const = default;
};
