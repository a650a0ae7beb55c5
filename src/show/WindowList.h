#pragma once
// The list of top-level windows, as the show bar asks for it.
#include <cstdint>
#include <string>
#include <vector>

class WindowList {
public:
    virtual ~WindowList() = default;
    // Fills titles and handles from index 0 with one entry per top-level window; the entry
    // after the last window has handle 0. Earlier contents are replaced.
    virtual void ListWindows(std::vector<std::wstring>& titles, std::vector<std::intptr_t>& handles) = 0;
};
