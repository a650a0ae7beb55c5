#include "show/ShowTitle.h"

#include <algorithm>

namespace show {

namespace {

wchar_t UpperChar(wchar_t c)
{
    const unsigned u = static_cast<unsigned>(c);
    if (u >= L'a' && u <= L'z') return static_cast<wchar_t>(u - 0x20);
    if (u < 0xE0) return c;
    if (u <= 0xFE) return u == 0xF7 ? c : static_cast<wchar_t>(u - 0x20);
    if (u == 0xFF) return static_cast<wchar_t>(0x178);
    if (u == 0x131) return L'I'; // dotless i
    // Latin Extended-A pairs: upper case first, lower case second.
    if ((u >= 0x100 && u <= 0x12F) || (u >= 0x132 && u <= 0x137) || (u >= 0x14A && u <= 0x177))
        return (u & 1) ? static_cast<wchar_t>(u - 1) : c;
    if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E))
        return (u & 1) ? c : static_cast<wchar_t>(u - 1);
    if (u >= 0x3B1 && u <= 0x3C9 && u != 0x3C2) return static_cast<wchar_t>(u - 0x20);
    if (u == 0x3C2) return static_cast<wchar_t>(0x3A3); // final sigma
    if (u >= 0x430 && u <= 0x44F) return static_cast<wchar_t>(u - 0x20);
    if (u >= 0x450 && u <= 0x45F) return static_cast<wchar_t>(u - 0x50);
    return c;
}

} // namespace

std::wstring UpperCase(const std::wstring& text)
{
    std::wstring upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperChar);
    return upper;
}

bool IsShowTitle(const std::wstring& title, const std::wstring& showFileName)
{
    // An empty name "occurs" at position 1, so it never matches.
    const auto at = UpperCase(title).find(showFileName);
    return at != std::wstring::npos && at > 0;
}

int FindShowWindow(const std::vector<std::wstring>& titles, const std::vector<std::intptr_t>& handles,
                   const std::wstring& showFileName)
{
    const std::size_t count = std::min(titles.size(), handles.size());
    for (std::size_t i = 0; i < count && handles[i] != 0; ++i)
        if (IsShowTitle(titles[i], showFileName)) return static_cast<int>(i);
    return -1;
}

} // namespace show
