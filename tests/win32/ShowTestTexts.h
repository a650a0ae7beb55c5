#pragma once
// Texts that name their own number, so a test sees which entry a window took: caption i is
// "Ci", long text i is "Ti".
#include <string>

#include "app/Shared.h"

inline void NumberTheTexts()
{
    for (int i = 1; i <= 50; ++i) {
        shared.LangCaption[i] = L"C" + std::to_wstring(i);
        shared.LangText[i] = L"T" + std::to_wstring(i);
    }
}
