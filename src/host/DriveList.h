#pragma once
// A drive list in the classic manner: a drop-down list of the drives, each with its icon and,
// where it has one, its label ("c: [System]").
#include <functional>
#include <string>
#include <vector>

#include "host/IconListHost.h"

namespace host {

class DriveList : public IconListHost {
public:
    // Creates the list (hidden) as a child of parent; its height is the closed box's height.
    bool Create(HWND parent, int id, const RECT& pixels);

    // The chosen drive, "c:" style (lower-case letter and colon); empty when none.
    std::wstring Drive() const;
    // Chooses the drive named by the first letter of the text ("d", "D:", "d:\talks" alike).
    // Raises no Change: only the user's pick does, so a handler can set the list back freely.
    // False when there is no such drive.
    bool SetDrive(const std::wstring& drive);
    // Reads the drives again, keeping the chosen one.
    void Refresh();

    // Number of drives listed and the text shown for each.
    int Count() const { return static_cast<int>(drives_.size()); }
    std::wstring ItemText(int index) const;

    // The user picked another drive.
    std::function<void()> Change;

private:
    struct DriveEntry {
        wchar_t letter;
        std::wstring label;
        LazySmallIcon icon;
    };

    HWND CreateInner() override;
    void OnCommand(WORD code) override;
    void DescribeItem(int index, std::wstring& text, int& icon, int& indentLevel) const override;
    void LayoutInner(int width, int height) override;
    void SetItemHeights(int height) override;
    int IndexOf(wchar_t letter) const;
    void Show(int index);
    void Picked();

    std::vector<DriveEntry> drives_;
    wchar_t current_ = 0;
    RECT laidOut_{}; // the place last given to the combo box, dropped-down list included
};

} // namespace host
