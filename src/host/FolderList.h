#pragma once
// A folder list in the classic manner: the path's ancestors from the drive root down, shown
// opened and indented, then the current folder's subfolders, closed and sorted. Double-click or
// Enter on an entry makes it the path.
#include <functional>
#include <string>
#include <vector>

#include "host/IconListHost.h"
#include "host/WindowHook.h"

namespace host {

class FolderList : public IconListHost {
public:
    // Creates the list (hidden) as a child of parent, positions in pixels.
    bool Create(HWND parent, int id, const RECT& pixels);

    // The folder shown, as a full path ("c:\" at a root, no "\" at the end elsewhere).
    const std::wstring& Path() const { return path_; }
    // Shows a folder; a drive alone ("d:") stands for that drive's current folder. False when
    // the folder or its drive can't be read: the list keeps its old path then. Raises no Change.
    bool SetPath(const std::wstring& path);
    // Shows a folder, or when it can't be read the nearest of its ancestors that can (at last
    // its root); when its drive is gone, the process's current folder or the nearest ancestor of
    // that. False, with the old path kept, when none can be read. Raises no Change.
    bool SetNearestPath(const std::wstring& path);

    // Entries as shown, top to bottom: the ancestors and the path itself (opened), then the
    // subfolders (closed).
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::wstring& EntryText(int index) const { return entries_.at(static_cast<std::size_t>(index)).text; }
    const std::wstring& EntryPath(int index) const { return entries_.at(static_cast<std::size_t>(index)).path; }
    int SelectedIndex() const;
    // Enters entry i as a double-click does: the path changes and Change is raised; the entry
    // of the folder already shown raises nothing. False when the folder can't be read any more:
    // the list is read again then, and when the folder shown has gone too, it moves to the
    // nearest folder that is still there (SetNearestPath) and Change is raised.
    bool Enter(int index);

    // The user entered another folder.
    std::function<void()> Change;
    // The mouse moved over the list.
    std::function<void()> MouseMove;

private:
    struct Entry {
        std::wstring text;
        std::wstring path;
        int level;
        bool open;
    };

    HWND CreateInner() override;
    void OnCommand(WORD code) override;
    void DescribeItem(int index, std::wstring& text, int& icon, int& indentLevel) const override;
    void SetItemHeights(int height) override;
    static LRESULT CALLBACK InnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // The list box outlives this part of the object by a moment: the hook gives it its own
    // procedure back first.
    WindowHook innerHook_;
    std::wstring path_;
    std::vector<Entry> entries_;
    LazySmallIcon openIcon_{L"folder", FILE_ATTRIBUTE_DIRECTORY, true};
    LazySmallIcon closedIcon_{L"folder", FILE_ATTRIBUTE_DIRECTORY, false};
};

// The full, tidy form of a folder path: GetFullPathName's answer without a trailing "\" except
// at a root. Empty when the path can't be resolved.
std::wstring TidyFolderPath(const std::wstring& path);
// The process's current folder; empty when it can't be read.
std::wstring ProcessFolder();
// A full file path that programs bound by the classic length limit can open: a path that
// reaches the limit gets its folder in the short (8.3) form, the file name kept as it is, when
// that makes it short enough; otherwise it is returned as it is.
std::wstring ShortFolderForm(const std::wstring& path);
// Two tidy folder paths name the same folder when they differ at most in case.
bool SamePath(const std::wstring& a, const std::wstring& b);

} // namespace host
