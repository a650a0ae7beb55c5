#include "base/Text.h"

#include <algorithm>
#include <cwchar>

namespace {

// The blocks where upper and lower case letters alternate in pairs.
bool InPairBlock(unsigned c, unsigned first, unsigned last) { return c >= first && c <= last; }

bool IsWordBreak(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r' || c == L'\0';
}

} // namespace

wchar_t UpperLetter(wchar_t ch)
{
    const unsigned c = static_cast<unsigned>(ch);
    if (c >= 'a' && c <= 'z') return static_cast<wchar_t>(c - 0x20);
    if (c < 0x80) return ch;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<wchar_t>(c - 0x20);
    if (c == 0xFF) return static_cast<wchar_t>(0x178);
    // Latin Extended-A; dotted/dotless i (0x130, 0x131) have no simple partner.
    if (InPairBlock(c, 0x100, 0x137) && c != 0x131) return static_cast<wchar_t>((c % 2) ? c - 1 : c);
    if (InPairBlock(c, 0x139, 0x148) || InPairBlock(c, 0x179, 0x17E))
        return static_cast<wchar_t>((c % 2) ? c : c - 1);
    if (InPairBlock(c, 0x14A, 0x177)) return static_cast<wchar_t>((c % 2) ? c - 1 : c);
    // Greek
    if (c >= 0x3B1 && c <= 0x3C9) return static_cast<wchar_t>(c == 0x3C2 ? 0x3A3 : c - 0x20);
    if (c == 0x3AC) return static_cast<wchar_t>(0x386);
    if (c >= 0x3AD && c <= 0x3AF) return static_cast<wchar_t>(c - 0x25);
    if (c == 0x3CC) return static_cast<wchar_t>(0x38C);
    if (c >= 0x3CD && c <= 0x3CE) return static_cast<wchar_t>(c - 0x3F);
    // Cyrillic
    if (c >= 0x430 && c <= 0x44F) return static_cast<wchar_t>(c - 0x20);
    if (c >= 0x450 && c <= 0x45F) return static_cast<wchar_t>(c - 0x50);
    return ch;
}

wchar_t LowerLetter(wchar_t ch)
{
    const unsigned c = static_cast<unsigned>(ch);
    if (c >= 'A' && c <= 'Z') return static_cast<wchar_t>(c + 0x20);
    if (c < 0x80) return ch;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 0x20);
    if (c == 0x178) return static_cast<wchar_t>(0xFF);
    if (InPairBlock(c, 0x100, 0x137) && c != 0x130) return static_cast<wchar_t>((c % 2) ? c : c + 1);
    if (InPairBlock(c, 0x139, 0x148) || InPairBlock(c, 0x179, 0x17E))
        return static_cast<wchar_t>((c % 2) ? c + 1 : c);
    if (InPairBlock(c, 0x14A, 0x177)) return static_cast<wchar_t>((c % 2) ? c : c + 1);
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return static_cast<wchar_t>(c + 0x20);
    if (c == 0x386) return static_cast<wchar_t>(0x3AC);
    if (c >= 0x388 && c <= 0x38A) return static_cast<wchar_t>(c + 0x25);
    if (c == 0x38C) return static_cast<wchar_t>(0x3CC);
    if (c >= 0x38E && c <= 0x38F) return static_cast<wchar_t>(c + 0x3F);
    if (c >= 0x410 && c <= 0x42F) return static_cast<wchar_t>(c + 0x20);
    if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 0x50);
    return ch;
}

std::wstring ProperCase(std::wstring_view text)
{
    std::wstring out;
    out.reserve(text.size());
    bool wordStart = true;
    for (wchar_t c : text) {
        if (IsWordBreak(c)) {
            out += c;
            wordStart = true;
            continue;
        }
        out += wordStart ? UpperLetter(c) : LowerLetter(c);
        wordStart = false;
    }
    return out;
}

std::wstring UpperCase(std::wstring_view text)
{
    std::wstring upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperLetter);
    return upper;
}

std::wstring LowerCase(std::wstring_view text)
{
    std::wstring lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerLetter);
    return lower;
}

bool IsBlank(std::wstring_view text) { return text.find_first_not_of(L' ') == std::wstring_view::npos; }

std::wstring TrimBlanks(std::wstring_view text)
{
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return std::wstring(text.substr(first, text.find_last_not_of(L' ') - first + 1));
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::wstring UpperAscii(std::wstring_view text)
{
    std::wstring upper(text);
    for (wchar_t& c : upper)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return upper;
}

std::wstring NumberText(double value)
{
    wchar_t buffer[64];
    if (value == static_cast<long long>(value))
        std::swprintf(buffer, 64, L"%lld", static_cast<long long>(value));
    else
        std::swprintf(buffer, 64, L"%.2f", value);
    return buffer;
}

bool ParseNumber(const std::wstring& text, double& value)
{
    if (text.empty()) return false;
    wchar_t* end = nullptr;
    value = std::wcstod(text.c_str(), &end);
    while (end && *end == L' ') ++end;
    return end && *end == L'\0';
}

bool MatchesWildcard(std::wstring_view wildcard, std::wstring_view name)
{
    // Walks both once, going back to the last "*" on a mismatch.
    std::size_t w = 0, n = 0, starAt = std::wstring_view::npos, resumeAt = 0;
    while (n < name.size()) {
        if (w < wildcard.size() && wildcard[w] == L'*') {
            starAt = w++;
            resumeAt = n;
        } else if (w < wildcard.size() &&
                   (wildcard[w] == L'?' || LowerLetter(wildcard[w]) == LowerLetter(name[n]))) {
            ++w;
            ++n;
        } else if (starAt != std::wstring_view::npos) {
            w = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (w < wildcard.size() && wildcard[w] == L'*') ++w;
    return w == wildcard.size();
}
