#pragma once
// Vistora.opt: the last language and the last folder, one per line.
#include <string>
#include <string_view>
#include <vector>

#include "startup/LangFile.h"

struct Options {
    std::wstring LangCode;
    std::wstring CurrentFolder;
};

// Reads the two lines, each taken whole. Anything short of two readable lines, or a blank first
// line, gives the language "ENG"; the folder keeps what could be read (empty when nothing or
// blank). A file
// holding control bytes other than line ends and tabs is damaged: "ENG" and no folder.
Options ParseOptions(const std::string* bytes, const AnsiDecoder& decode);

// Where the browser starts when the stored folder can't be used, and what is then saved.
constexpr wchar_t FallbackFolder[] = L"c:\\";

// A start folder must begin with a drive letter and a colon: its first character names the
// drive made current. Network, root-relative and relative paths do not.
bool NamesADrive(std::wstring_view folder);
