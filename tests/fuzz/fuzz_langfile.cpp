// Feeds arbitrary bytes to the language-file reader and splitter: nothing may crash, hang or
// lose track of the lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "startup/CutAtNul.h"
#include "startup/LangFile.h"
#include "startup/LangTables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The lines and their ends cover the input exactly, and no line holds a line end.
    std::size_t covered = 0;
    for (const std::string_view line : SplitLines(bytes)) {
        if (line.data() != bytes.data() + covered) __builtin_trap();
        if (line.find_first_of("\r\n") != std::string_view::npos) __builtin_trap();
        covered += line.size();
        if (covered < size) covered += bytes.substr(covered, 2) == "\r\n" ? 2 : 1;
    }
    if (covered != size) __builtin_trap();

    static LanguageFile file;
    file = ReadConfigText(bytes, WidenLatin1, L"C:\\Vistora", std::move(file));
    if (file.OwnFlag < 0 || file.OwnFlag > 16) __builtin_trap();
    static TextTable captions, texts;
    ApplyLanguageTables(file.LangLine, size % 2 ? L"ENG" : L"OWN", captions, texts);
    for (int i = 1; i <= LangNumbers; ++i)
        if (captions[i].find(L':') != std::wstring::npos) __builtin_trap();

    const std::string cut = CutAtNul(bytes);
    if (cut.size() >= size && !cut.empty()) __builtin_trap();
    return 0;
}
