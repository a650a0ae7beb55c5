#include "startup/LangFile.h"

#include <array>

#include "base/Text.h"

namespace {

void ActOnOption(const std::wstring& line, const std::wstring& programFolder, LanguageFile& s,
                 std::wstring& ownLanguage)
{
    const auto eq = line.find(L'=');
    if (eq == std::wstring::npos) return;
    // No blank is stripped from the key: "TOOLTIPS = YES" names the key "TOOLTIPS ".
    const std::wstring key = UpperAscii(std::wstring_view(line).substr(0, eq));
    std::wstring value = line.substr(eq + 1);
    if (key == L"DATA_EXTENSION") {
        s.DataExtension = std::move(value);
    } else if (key == L"SPECIAL_PROGRAM") {
        s.SpecialProgram = value.find(L'\\') == std::wstring::npos ? programFolder + L"\\" + value
                                                                  : std::move(value);
    } else if (key == L"OWN_LANGUAGE_ICON") {
        ownLanguage = UpperAscii(value);
    } else if (key == L"TOOLTIPS") {
        s.TooltipSwitch = UpperAscii(value);
    }
}

} // namespace

std::wstring WidenLatin1(std::string_view bytes)
{
    std::wstring text(bytes.size(), L'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]));
    return text;
}

std::vector<std::string_view> SplitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return lines;
}

int OwnLanguageFlag(std::wstring_view word)
{
    static constexpr std::array<std::wstring_view, 16> countries = {
        L"SPAIN",  L"FRANCE",     L"GERMANY",  L"UK",     L"ITA",     L"AUSTRIA",
        L"BELGIUM", L"DENMARK",   L"FINLAND",  L"NORWAY", L"NETHERLAND", L"PORTUGAL",
        L"RUSSIA", L"SWEEDEN",    L"SWITZERLAND", L"TURKEY"};
    for (std::size_t i = 0; i < countries.size(); ++i)
        if (countries[i] == word) return static_cast<int>(i) + 1;
    return 0;
}

LanguageFile ReadConfigText(std::string_view bytes, const AnsiDecoder& decode, const std::wstring& programFolder,
                            LanguageFile s)
{
    std::size_t textLines = 0;
    std::wstring ownLanguage;
    for (const std::string_view raw : SplitLines(bytes)) {
        const std::string_view line = TrimBlanks(raw);
        // The kinds are told apart on the first byte: '[', '"' and '=' are never part of a
        // double-byte character in an ANSI code page.
        if (line.empty() || line.front() == '[') continue;
        if (line.front() == '"') {
            if (++textLines > TextCount) continue;
            // The closing quote is dropped without being looked at; a lone quote leaves nothing.
            const std::wstring text = decode(line);
            s.LangLine[textLines] = text.size() < 2 ? std::wstring() : text.substr(1, text.size() - 2);
        } else if (line.find('=') != std::string_view::npos) {
            ActOnOption(decode(line), programFolder, s, ownLanguage);
        }
    }
    s.OwnFlag = OwnLanguageFlag(ownLanguage);
    return s;
}
