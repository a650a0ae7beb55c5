#pragma once
// What a window shows now, frame included, read through its window device context.
#include <windows.h>

#include <vector>

#include "host/Artwork.h"
#include "host/Handles.h"

inline std::vector<DWORD> WindowPixels(HWND hwnd)
{
    RECT place{};
    GetWindowRect(hwnd, &place);
    const int width = place.right - place.left, height = place.bottom - place.top;
    void* bits = nullptr;
    const UniqueBitmap bitmap = MakeDibSection(width, height, bits);
    const UniqueMemDc memory(CreateCompatibleDC(nullptr));
    if (!bits || !memory) return {};
    {
        Selected into(memory.get(), bitmap.get());
        HDC window = GetWindowDC(hwnd);
        BitBlt(memory.get(), 0, 0, width, height, window, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, window);
    }
    GdiFlush();
    return std::vector<DWORD>(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
}
