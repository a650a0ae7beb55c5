#include "host/FileList.h"

#include "host/FolderPath.h"
#include "host/Handles.h"
#include "host/NameOrder.h"
#include "host/PathText.h"

namespace host {

namespace {

constexpr DWORD Unlisted = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// A folder that exists but holds nothing matching is readable; only real failures count.
bool IsEmptyResult(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES; }

} // namespace

std::vector<std::wstring> SplitPattern(const std::wstring& pattern)
{
    std::vector<std::wstring> wildcards;
    std::size_t pos = 0;
    while (pos <= pattern.size()) {
        std::size_t end = pattern.find(L';', pos);
        if (end == std::wstring::npos) end = pattern.size();
        if (end > pos) wildcards.push_back(pattern.substr(pos, end - pos));
        pos = end + 1;
    }
    return wildcards;
}

bool WalkFolder(const std::wstring& folder, const std::vector<std::wstring>& wildcards,
                const std::function<void(const WIN32_FIND_DATAW&)>& found)
{
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, &oldMode);
    const DWORD attributes = GetFileAttributesW(LongPathForm(folder).c_str());
    bool readable = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    for (const std::wstring& wildcard : wildcards) {
        if (!readable) break;
        WIN32_FIND_DATAW data;
        UniqueFind find(FindFirstFileExW(LongPathForm(JoinPath(folder, wildcard)).c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
        if (!find) {
            const DWORD error = GetLastError();
            // A wildcard the system rejects ("a|b") matches nothing; the folder is still fine.
            if (!IsEmptyResult(error) && error != ERROR_INVALID_NAME) readable = false;
            continue;
        }
        do found(data);
        while (FindNextFileW(find.get(), &data));
    }
    SetThreadErrorMode(oldMode, nullptr);
    return readable;
}

bool ListFiles(const std::wstring& folder, const std::vector<std::wstring>& wildcards, std::vector<std::wstring>& names)
{
    std::vector<std::wstring> found;
    const bool readable = WalkFolder(folder, wildcards, [&](const WIN32_FIND_DATAW& data) {
        if (!(data.dwFileAttributes & Unlisted)) found.emplace_back(data.cFileName);
    });
    if (!readable) return false;
    // Two wildcards can match the same file; it is listed once.
    SortNames(found);
    names = std::move(found);
    return true;
}

namespace {

bool FileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info)
{
    // No access is asked for: the identity of a file another program holds is still read.
    constexpr DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const UniqueFile file(CreateFileW(LongPathForm(path).c_str(), 0, share, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file && GetFileInformationByHandle(file.get(), &info);
}

} // namespace

bool SameFile(const std::wstring& a, const std::wstring& b)
{
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    return FileIdentity(a, first) && FileIdentity(b, second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

bool FileList::SetPath(const std::wstring& path)
{
    std::vector<std::wstring> names;
    if (!ListFiles(path, SplitPattern(pattern_), names)) return false;
    path_ = path;
    names_ = std::move(names);
    return true;
}

void FileList::SetPattern(const std::wstring& pattern)
{
    pattern_ = pattern;
    if (!path_.empty()) Refresh();
}

bool FileList::Refresh()
{
    std::vector<std::wstring> names;
    if (!ListFiles(path_, SplitPattern(pattern_), names)) return false;
    names_ = std::move(names);
    return true;
}

} // namespace host
