#pragma once
// Path text without touching the file system (portable).
#include <string>
#include <string_view>

// Folder and name with exactly one "\" between them, also at a drive root ("c:\").
inline std::wstring JoinPath(std::wstring_view folder, std::wstring_view name)
{
    std::wstring path(folder);
    if (path.empty() || path.back() != L'\\') path += L'\\';
    path += name;
    return path;
}
