#pragma once
// Which top-level window is the running slide show.
#include <cstdint>
#include <string>
#include <vector>

namespace show {

// The show's window carries the file name after some other text: the name must first occur
// in the upper-cased title at a 1-based position greater than 1.
bool IsShowTitle(const std::wstring& title, const std::wstring& showFileName);

// Index of the first matching entry, walking from 0 up to the first 0 handle or the end of
// either list; -1 when none matches.
int FindShowWindow(const std::vector<std::wstring>& titles, const std::vector<std::intptr_t>& handles,
                   const std::wstring& showFileName);

} // namespace show
