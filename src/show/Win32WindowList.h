#pragma once
// The top-level windows of the desktop, listed through EnumWindows.
#include "show/WindowList.h"

class Win32WindowList : public WindowList {
public:
    // Windows with a title, in the system's z-order, then the 0 entry.
    void ListWindows(std::vector<std::wstring>& titles, std::vector<std::intptr_t>& handles) override;
};
