#pragma once
// The clips tools/make-clips.sh makes in the build folder, and how their pictures look on the
// screen: red on the left half and blue on the right (rewind.avi turns green and white in its
// second half).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "WineTestSupport.h"

namespace clips {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Green = RGB(0, 255, 0);
constexpr COLORREF White = RGB(255, 255, 255);

inline std::wstring Path(const wchar_t* name) { return testsupport::BuildFolder() + L"\\clips\\" + name; }

// Within what decoding and colour conversion change.
inline bool Near(COLORREF actual, COLORREF expected)
{
    constexpr int Tolerance = 40;
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= Tolerance &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= Tolerance &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= Tolerance;
}

// The left half of a picture on the screen shows one colour and the right half another, sampled
// away from the seam and the edges.
inline bool ShowsHalves(const RECT& onScreen, COLORREF left, COLORREF right)
{
    const int w = onScreen.right - onScreen.left, h = onScreen.bottom - onScreen.top;
    if (w <= 0 || h <= 0) return false;
    for (int row : {h / 5, h / 2, h * 4 / 5}) {
        for (int column : {w / 10, w * 2 / 5})
            if (!Near(testsupport::ScreenPixel(onScreen.left + column, onScreen.top + row), left)) return false;
        for (int column : {w * 3 / 5, w * 9 / 10})
            if (!Near(testsupport::ScreenPixel(onScreen.left + column, onScreen.top + row), right)) return false;
    }
    return true;
}

// What the picture's two halves show, for a failure's message.
inline std::string Describe(const RECT& onScreen)
{
    char text[96];
    const int y = (onScreen.top + onScreen.bottom) / 2;
    const int w = onScreen.right - onScreen.left;
    snprintf(text, sizeof text, "left %06lx right %06lx",
             static_cast<unsigned long>(testsupport::ScreenPixel(onScreen.left + w / 10, y)),
             static_cast<unsigned long>(testsupport::ScreenPixel(onScreen.right - w / 10, y)));
    return text;
}

} // namespace clips
