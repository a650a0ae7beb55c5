#pragma once
// The file list of a folder as a classic file list box keeps it, without a window: the plain
// files (no folders, hidden or system files) that match any of the ";"-separated wildcards,
// sorted without regard to case. An empty pattern lists nothing.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace host {

class FileList {
public:
    const std::wstring& Path() const { return path_; }
    // Lists the folder. False, with path and list kept, when the folder can't be read.
    bool SetPath(const std::wstring& path);
    const std::wstring& Pattern() const { return pattern_; }
    // Takes the new wildcards and lists the folder again (when there is one).
    void SetPattern(const std::wstring& pattern);
    // Reads the folder again; false (list kept) when it can't be read.
    bool Refresh();
    // Lists nothing, for a folder that can't be read; the path stays.
    void Clear() { names_.clear(); }

    int Count() const { return static_cast<int>(names_.size()); }
    const std::wstring& Name(int index) const { return names_.at(static_cast<std::size_t>(index)); }

private:
    std::wstring path_;
    std::wstring pattern_;
    std::vector<std::wstring> names_;
};

// The wildcards of a pattern: split at ";", empty pieces dropped; none for an empty pattern.
std::vector<std::wstring> SplitPattern(const std::wstring& pattern);

// Calls found for every entry of a folder that matches any of the wildcards (an entry matched
// twice is seen twice). False when the folder can't be read; a folder without matches is fine.
// No "insert a disk" boxes appear for drives without a medium.
bool WalkFolder(const std::wstring& folder, const std::vector<std::wstring>& wildcards,
                const std::function<void(const WIN32_FIND_DATAW&)>& found);

// Plain files of a folder matching the wildcards, merged, without duplicates, sorted the way a
// list box sorts (case-insensitively by the user's locale). False when the folder can't be read.
bool ListFiles(const std::wstring& folder, const std::vector<std::wstring>& wildcards,
               std::vector<std::wstring>& names);

// True when both paths name one existing file, as the file system identifies it: "TALK.PPT"
// and "talk.ppt" do where names are compared without regard to case, and not where a folder
// tells case apart. False when either can't be opened.
bool SameFile(const std::wstring& a, const std::wstring& b);

} // namespace host
