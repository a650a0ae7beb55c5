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

// Reads the two lines, each taken whole. Anything short of two readable lines gives the
// language "ENG"; the folder keeps what could be read (empty when nothing).
Options ParseOptions(const std::string* bytes, const AnsiDecoder& decode);
