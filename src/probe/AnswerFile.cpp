#include "probe/AnswerFile.h"

#include <fstream>

std::string_view AnswerLine(bool connected)
{
    // Always these English words: Vistora compares the text, whatever the user's language.
    return connected ? "True\r\n" : "False\r\n";
}

AnswerFileResult WriteAnswerFile(const std::filesystem::path& file, const std::function<bool()>& answer)
{
    // Binary, so the line end is written as it stands on every platform.
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) return AnswerFileResult::CreateFailed;
    const std::string_view line = AnswerLine(answer());
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.close();
    return out.fail() ? AnswerFileResult::WriteFailed : AnswerFileResult::Written;
}
