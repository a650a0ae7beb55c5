#pragma once
// The list view of presentations: a report-view list view whose rows are computed when it is
// refilled from a file list and served to the list view on demand (a virtual list), so that a
// folder of many thousands of files fills without freezing the window.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "mainwindow/PresentationRow.h"

namespace host {
class FileList;
}

class PresentationList {
public:
    PresentationList() = default;
    PresentationList(const PresentationList&) = delete;
    PresentationList& operator=(const PresentationList&) = delete;
    ~PresentationList();

    // Creates the list view as a child of parent (hidden; positions in pixels). Its
    // notifications (NM_CLICK, NM_DBLCLK...) reach the parent as usual; the requests for cell
    // texts are answered here.
    HWND Create(HWND parent, int id, const RECT& pixels);
    HWND hwnd() const { return list_; }

    // Image lists stay owned by the caller. Pictures are numbered from 1: picture n is image n - 1.
    void SetImageLists(HIMAGELIST large, HIMAGELIST small);

    // Removes every row and adds one per file of the list, in its order. A file that vanished
    // or can't be read keeps its row with the cells that could be filled. Returns the row count.
    int Fill(const host::FileList& files);

    int Count() const { return static_cast<int>(rows_.size()); }
    const PresentationRow& Row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }

    // Marks the last row selected and focused; raises no click (only the user's click does).
    void SelectLastRowWithoutClick();
    int SelectedIndex() const;
    // Text of the selected row, or empty when none is selected.
    std::wstring SelectedText() const;

private:
    static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    bool OnNotify(const NMHDR& header, LRESULT& result);
    void ServeCell(NMLVDISPINFOW& info) const;
    int FindRow(const NMLVFINDITEMW& find) const;
    void Detach();
    UINT_PTR SubclassId() const { return reinterpret_cast<UINT_PTR>(this); }

    HWND parent_ = nullptr;
    HWND list_ = nullptr;
    std::vector<PresentationRow> rows_;
};

// The user's thousands separator and grouping as the size column shows them.
NumberGrouping UserNumberGrouping();
