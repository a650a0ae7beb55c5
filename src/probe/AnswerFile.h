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
// The file's name in the platform's own characters, wide on Windows; a std::filesystem::path
// converts to it. The probe itself never builds a path object: that would bring C++'s locale
// machinery into a program that has no use for it.
using NativePath = std::filesystem::path::string_type;

AnswerFileResult WriteAnswerFile(const NativePath& file, const std::function<bool()>& answer);
