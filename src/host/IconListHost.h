#pragma once
// The frame shared by the drive list and the folder list: a child window of its own class that
// holds one owner-drawn combo box or list box filling it, hears that control's notifications,
// and draws its items as a small icon and a text at an indent.
#include <windows.h>

#include <string>
#include <utility>

#include "host/BoundWindow.h"
#include "host/Handles.h"

namespace host {

class IconListHost : private BoundWindow {
public:
    IconListHost() = default;
    ~IconListHost() override;

    // The frame window (positions in pixels): the window the parent places and shows.
    HWND hwnd() const { return host_; }
    // The combo box or list box inside it.
    HWND inner() const { return inner_; }

protected:
    // Creates the frame, then asks CreateInner for the control that fills it.
    bool CreateHost(HWND parent, int id, const RECT& pixels);
    virtual HWND CreateInner() = 0;
    virtual void OnCommand(WORD code) = 0;
    // Text, icon (index in the system's small image list, -1 for none) and indent of item i.
    virtual void DescribeItem(int index, std::wstring& text, int& icon, int& indentLevel) const = 0;
    // Places the inner control in a frame of this client size (pixels).
    virtual void LayoutInner(int width, int height);
    // Gives the inner control's items the height a new font needs.
    virtual void SetItemHeights(int height) = 0;

    int ItemHeight() const;
    HFONT Font() const { return font_; }

    HWND host_ = nullptr;
    HWND inner_ = nullptr;

private:
    void OnBound(HWND hwnd) override { host_ = hwnd; }
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnUnbound() override;
    void DrawItem(const DRAWITEMSTRUCT& item) const;
    void ApplyFont(HFONT font);

    UniqueFont ownFont_;
    HFONT font_ = nullptr;
};

// The system's small image list and the index of a path's icon in it (-1 when unknown).
// attributes != 0 asks for the icon of that kind of item without touching the disk.
int SystemSmallIcon(const std::wstring& path, DWORD attributes = 0, bool open = false);

// A path's icon in the system's small image list, asked for when an item is first drawn: until
// the window is painted nothing needs it, and by then the shell has mostly filled its cache.
class LazySmallIcon {
public:
    explicit LazySmallIcon(std::wstring path, DWORD attributes = 0, bool open = false)
        : path_(std::move(path)), attributes_(attributes), open_(open)
    {
    }
    // -1 when the path has no icon.
    int Index() const;

private:
    static constexpr int Unasked = -2;
    std::wstring path_;
    DWORD attributes_;
    bool open_;
    mutable int index_ = Unasked;
};

// The shell fills its icon cache on first use, which takes longer than all the rest of
// start-up. This asks for the icons the drive and folder lists show on a thread of its own,
// while the windows are being made and first shown; the first item drawn with an icon waits for
// it to finish.
void PrepareSystemIcons();

} // namespace host
