// Vistora.opt as the main window reads it: the file's bytes, decoded from the ANSI code page
// (Latin-1 here). The two options never carry a line end, short files fall back to English,
// and what the program writes back reads the same again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "mainwindow/OptionsFile.h"

namespace {
// What the window writes on closing: each option and CR LF, in the ANSI code page.
std::string Written(const Options& options)
{
    std::string bytes;
    for (const std::wstring* line : {&options.LangCode, &options.CurrentFolder}) {
        for (wchar_t c : *line) bytes.push_back(static_cast<char>(c));
        bytes += "\r\n";
    }
    return bytes;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const Options options = ParseOptions(&bytes, WidenLatin1);
    for (const std::wstring* option : {&options.LangCode, &options.CurrentFolder}) {
        Require(option->find_first_of(L"\r\n") == std::wstring::npos);
        Require(option->size() <= size || *option == L"ENG");
    }
    if (SplitLines(bytes).size() < 2) Require(options.LangCode == L"ENG");

    const std::string written = Written(options);
    const Options again = ParseOptions(&written, WidenLatin1);
    Require(again.LangCode == options.LangCode && again.CurrentFolder == options.CurrentFolder);

    // Only a folder that starts with a drive is made current.
    if (NamesADrive(options.CurrentFolder)) Require(options.CurrentFolder[1] == L':');
    return 0;
}
