#include "mainwindow/OptionsFile.h"

Options ParseOptions(const std::string* bytes, const AnsiDecoder& decode)
{
    Options options;
    if (!bytes) {
        options.LangCode = L"ENG";
        return options;
    }
    const auto lines = SplitLines(*bytes);
    if (!lines.empty()) options.LangCode = decode(lines[0]);
    if (lines.size() >= 2)
        options.CurrentFolder = decode(lines[1]);
    else
        options.LangCode = L"ENG";
    return options;
}

bool NamesADrive(std::wstring_view folder)
{
    if (folder.size() < 2 || folder[1] != L':') return false;
    const wchar_t letter = folder[0];
    return (letter >= L'A' && letter <= L'Z') || (letter >= L'a' && letter <= L'z');
}
