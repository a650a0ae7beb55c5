#pragma once
// ZelSuite.tmp: the one line brannox leaves for Vistora.
#include <filesystem>
#include <functional>
#include <string_view>

inline constexpr const wchar_t* kAnswerFileName = L"ZelSuite.tmp";
// The first line when the network answered.
inline constexpr std::string_view kOnLineAnswer = "True";

// How Vistora reads the file: on line exactly when its first line is kOnLineAnswer.
inline bool IsOnLineAnswer(std::string_view bytes)
{
    return bytes.substr(0, bytes.find_first_of("\r\n")) == kOnLineAnswer;
}

// The exact line for an answer, line end included.
std::string_view AnswerLine(bool connected);

enum class AnswerFileResult { Written, CreateFailed, WriteFailed };

// Creates (or empties) the file first, so that it exists and is empty while the answer is being
// worked out, then writes the one line and closes it. Nothing is asked when the file cannot be
// created.
AnswerFileResult WriteAnswerFile(const std::filesystem::path& file, const std::function<bool()>& answer);
