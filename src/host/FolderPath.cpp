#include "host/FolderPath.h"

namespace host {

std::size_t FolderRootLength(std::wstring_view path)
{
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') return 3;
    if (path.substr(0, 2) == L"\\\\") {
        const std::size_t server = path.find(L'\\', 2);
        if (server == std::wstring_view::npos) return path.size();
        const std::size_t share = path.find(L'\\', server + 1);
        return share == std::wstring_view::npos ? path.size() : share + 1;
    }
    return 0;
}

std::wstring NearestExistingFolder(std::wstring_view path, const std::function<bool(const std::wstring&)>& exists)
{
    const std::size_t rootLength = FolderRootLength(path);
    if (rootLength == 0 || !exists(std::wstring(path.substr(0, rootLength)))) return {};
    std::size_t end = path.size();
    while (end > rootLength) {
        const std::wstring folder(path.substr(0, end));
        if (exists(folder)) return folder;
        const std::size_t slash = path.rfind(L'\\', end - 1);
        end = slash == std::wstring_view::npos || slash < rootLength ? rootLength : slash;
    }
    return std::wstring(path.substr(0, rootLength));
}

std::wstring LongPathForm(std::wstring_view path)
{
    if (path.size() < ClassicPathLimit || path.substr(0, 4) == L"\\\\?\\" || FolderRootLength(path) == 0)
        return std::wstring(path);
    if (path[1] == L':') return L"\\\\?\\" + std::wstring(path);
    return L"\\\\?\\UNC\\" + std::wstring(path.substr(2));
}

} // namespace host
