#pragma once
// The list view of presentations: a report-view list view whose rows are computed when it is
// refilled from a file list and served to the list view on demand (a virtual list), so that a
// folder of many thousands of files fills without freezing the window.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "mainwindow/PresentationRow.h"

namespace host {
class FileList;
}

class PresentationList {
public:
    PresentationList();
    PresentationList(const PresentationList&) = delete;
    PresentationList& operator=(const PresentationList&) = delete;
    ~PresentationList();

    // Creates the list view as a child of parent (hidden; positions in pixels). Its
    // notifications (NM_CLICK, NM_DBLCLK...) reach the parent as usual.
    HWND Create(HWND parent, int id, const RECT& pixels);
    HWND hwnd() const { return list_; }

    // The parent's window procedure hands every WM_NOTIFY here first: the list view's requests
    // for cells and for type-ahead matches are answered (true, with the result to return).
    // Forwarded rather than caught by subclassing the parent: under Wine a subclassed window
    // pays a round trip to the server on every message, and the list asks for each cell it paints.
    bool HandleNotify(const NMHDR& header, LRESULT& result);

    // Image lists stay owned by the caller. Pictures are numbered from 1: picture n is image n - 1.
    void SetImageLists(HIMAGELIST large, HIMAGELIST small);

    // Removes every row and adds one per file of the list, in its order. A file's size and date
    // are read when its row is first shown or asked for; a file that vanished or can't be read
    // keeps its row with the cells that could be filled. Returns the row count.
    int Fill(const host::FileList& files);

    int Count() const { return static_cast<int>(rows_.size()); }
    const PresentationRow& Row(int index) const;

    // Marks the last row selected and focused; raises no click (only the user's click does).
    void SelectLastRowWithoutClick();

    // While a hold lasts, the shown list draws nothing; when it ends, what changed is drawn once.
    // Fill and SelectLastRowWithoutClick hold the list themselves; a caller that does both holds
    // it around them, and they are drawn together.
    class DrawingHold {
    public:
        explicit DrawingHold(HWND list);
        DrawingHold(const DrawingHold&) = delete;
        DrawingHold& operator=(const DrawingHold&) = delete;
        ~DrawingHold();

    private:
        HWND list_;
        HWND header_;
        bool held_;
        bool headerPending_ = false;
        RECT headerBefore_{};
    };
    DrawingHold HoldDrawing() const { return DrawingHold(list_); }
    int SelectedIndex() const;
    // Text of the selected row, or empty when none is selected.
    std::wstring SelectedText() const;

private:
    void LetGoOfSelection();
    void ServeCell(NMLVDISPINFOW& info) const;
    int FindRow(const NMLVFINDITEMW& find) const;
    void Destroy();

    class FactsReader;

    HWND list_ = nullptr;
    // Rows learn their facts on first use, which a const caller may be the first to make.
    mutable std::vector<PresentationRow> rows_;
    mutable std::vector<bool> measured_;
    std::unique_ptr<FactsReader> reader_;
};

// The user's thousands separator and grouping as the size column shows them.
NumberGrouping UserNumberGrouping();
