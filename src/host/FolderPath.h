#pragma once
// Folder paths as text, without touching the file system (portable): roots, ancestors and the
// form that lets the file functions take paths beyond the classic length limit.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace host {

// The classic limit of a path, terminating nul included.
constexpr std::size_t ClassicPathLimit = 260;

// Length of the root of a full path: 3 for "c:\...", up to and including the share's "\" for
// "\\server\share\..."; 0 when the path begins with neither.
std::size_t FolderRootLength(std::wstring_view path);

// The nearest of a tidy full folder path and its ancestors, up to its root, for which exists
// holds; empty when none does. The root is asked first, so that a drive or share that is gone
// costs one question, not one per folder.
std::wstring NearestExistingFolder(std::wstring_view path, const std::function<bool(const std::wstring&)>& exists);

// A full path the file functions can take at any length: paths that reach the classic limit
// get the "\\?\" form ("\\?\c:\..." or "\\?\UNC\server\share\..."); shorter ones, paths in that
// form already and paths without a root are returned as they are.
std::wstring LongPathForm(std::wstring_view path);

} // namespace host
