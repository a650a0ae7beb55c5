#include "mainwindow/OptionsFile.h"

#include "base/Text.h"

namespace {

// Vistora and text editors write only printable text and line ends; anything else is a damaged
// file, not a choice of language or folder.
bool IsText(const std::string& bytes)
{
    for (const unsigned char c : bytes)
        if (c < 0x20 && c != '\r' && c != '\n' && c != '\t') return false;
    return true;
}

} // namespace

Options ParseOptions(const std::string* bytes, const AnsiDecoder& decode)
{
    Options options;
    if (!bytes || !IsText(*bytes)) {
        options.LangCode = L"ENG";
        return options;
    }
    const auto lines = SplitLines(*bytes);
    if (!lines.empty()) options.LangCode = decode(lines[0]);
    if (lines.size() >= 2) options.CurrentFolder = decode(lines[1]);
    // Blank lines were never written by the program: English, and no folder, as for missing lines.
    if (lines.size() < 2 || IsBlank(options.LangCode)) options.LangCode = L"ENG";
    if (IsBlank(options.CurrentFolder)) options.CurrentFolder.clear();
    return options;
}

bool NamesADrive(std::wstring_view folder)
{
    if (folder.size() < 2 || folder[1] != L':') return false;
    const wchar_t letter = folder[0];
    return (letter >= L'A' && letter <= L'Z') || (letter >= L'a' && letter <= L'z');
}
