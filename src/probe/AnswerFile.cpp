#include "probe/AnswerFile.h"

#include <cstdio>

namespace {

// C's streams, not C++'s, for the same reason.
std::FILE* OpenForWriting(const NativePath& file)
{
#ifdef _WIN32
    return _wfopen(file.c_str(), L"wb");
#else
    return std::fopen(file.c_str(), "wb");
#endif
}

} // namespace

std::string_view AnswerLine(bool connected)
{
    // Always these English words: Vistora compares the text, whatever the user's language.
    return connected ? "True\r\n" : "False\r\n";
}

AnswerFileResult WriteAnswerFile(const NativePath& file, const std::function<bool()>& answer)
{
    // Binary, so the line end is written as it stands on every platform.
    std::FILE* out = OpenForWriting(file);
    if (!out) return AnswerFileResult::CreateFailed;
    const std::string_view line = AnswerLine(answer());
    const bool written = std::fwrite(line.data(), 1, line.size(), out) == line.size();
    const bool closed = std::fclose(out) == 0;
    return written && closed ? AnswerFileResult::Written : AnswerFileResult::WriteFailed;
}
