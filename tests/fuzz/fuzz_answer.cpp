// ZelSuite.tmp as the main window reads it: the whole file's bytes. On line exactly when the
// first line, as the program's own line splitter cuts it, is "True"; a file cut short while the
// probe writes it never reads as on line.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzInput.h"
#include "probe/AnswerFile.h"
#include "startup/LangFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool onLine = IsOnLineAnswer(bytes);

    const auto lines = SplitLines(bytes);
    Require(onLine == (!lines.empty() && lines[0] == kOnLineAnswer));
    if (onLine) Require(bytes.size() == 4 || bytes[4] == '\r' || bytes[4] == '\n');

    // What follows the first line end never changes the answer.
    const auto end = bytes.find_first_of("\r\n");
    if (end != std::string_view::npos) Require(IsOnLineAnswer(bytes.substr(0, end + 1)) == onLine);

    // Every shorter piece of what the probe writes is off line.
    const std::string_view written = AnswerLine(size % 2 == 0);
    Require(IsOnLineAnswer(written.substr(0, size % (written.size() + 1))) ==
            (size % 2 == 0 && size % (written.size() + 1) >= 4));
    return 0;
}
