#pragma once
// Files whose format is fixed as 8-bit ANSI text with CR LF line ends. The conversion to and
// from the program's wide strings happens here and nowhere else.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

std::wstring FromAnsi(std::string_view bytes);
std::string ToAnsi(std::wstring_view text);

// The whole file, or nothing when it can't be opened or read (missing, a folder, locked).
std::optional<std::string> ReadFileBytes(const std::wstring& path);

// Writes the bytes into a temporary file beside the target and then puts it in the target's
// place in one step, so that a failure midway (a full disk, a crash) leaves the old file whole.
// Returns ERROR_SUCCESS or the system's error code.
unsigned long WriteFileReplacing(const std::wstring& path, std::string_view bytes);

// The same for lines of ANSI text, each ending in CR LF.
bool WriteAnsiLines(const std::wstring& path, const std::vector<std::wstring>& lines);

// The system's own words for an error code, without a line end.
std::wstring SystemErrorText(unsigned long error);

bool FileExists(const std::wstring& path);
bool DeleteFileQuietly(const std::wstring& path);

} // namespace host
