#include "startup/LangTables.h"

bool SplitLanguage(std::wstring_view line, std::wstring& caption, std::wstring& text)
{
    const auto colon = line.find(L':');
    if (colon == std::wstring_view::npos) return false;
    caption = line.substr(0, colon);
    text = line.substr(colon + 1);
    return true;
}

void ApplyLanguageTables(const TextTable& lines, std::wstring_view langCode, TextTable& captions, TextTable& texts)
{
    const int block = langCode == L"ENG" ? 0 : LangNumbers;
    for (int i = 1; i <= LangNumbers; ++i) SplitLanguage(lines[block + i], captions[i], texts[i]);
}
