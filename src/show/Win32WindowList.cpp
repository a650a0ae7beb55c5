#include "show/Win32WindowList.h"

#include <windows.h>

namespace {

struct Listing {
    std::vector<std::wstring>* titles;
    std::vector<std::intptr_t>* handles;
};

BOOL CALLBACK AddWindow(HWND hwnd, LPARAM param)
{
    auto& listing = *reinterpret_cast<Listing*>(param);
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) return TRUE;
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, title.data(), length + 1);
    if (copied <= 0) return TRUE;
    title.resize(static_cast<std::size_t>(copied));
    listing.titles->push_back(std::move(title));
    listing.handles->push_back(reinterpret_cast<std::intptr_t>(hwnd));
    return TRUE;
}

} // namespace

void Win32WindowList::ListWindows(std::vector<std::wstring>& titles, std::vector<std::intptr_t>& handles)
{
    titles.clear();
    handles.clear();
    Listing listing{&titles, &handles};
    EnumWindows(AddWindow, reinterpret_cast<LPARAM>(&listing));
    titles.emplace_back();
    handles.push_back(0);
}
