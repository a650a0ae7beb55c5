#pragma once
// What the fuzz targets share: a check that stops the run, and bytes read as the text the
// program is handed.
#include <cstddef>
#include <string>
#include <string_view>

// A broken invariant is a finding, as much as a crash is.
inline void Require(bool holds)
{
    if (!holds) __builtin_trap();
}

// Bytes as the UTF-16 little-endian text Windows hands over: each code unit one wchar_t, as it
// is there (an odd last byte is dropped).
inline std::wstring WideFromUtf16(std::string_view bytes)
{
    std::wstring text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i])
                                            | (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return text;
}

inline bool StartsWith(std::wstring_view text, std::wstring_view head) { return text.substr(0, head.size()) == head; }
inline bool EndsWith(std::wstring_view text, std::wstring_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}
