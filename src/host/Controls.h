#pragma once
// Child controls in twips relative to their parent, in the manner of a classic form runtime.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "host/BoundWindow.h"
#include "host/Handles.h"
#include "host/WindowHook.h"

namespace host {

// Wraps any child window: geometry in twips relative to the parent's client area, visibility,
// enabled state, tooltip and focus. It does not own the window (the parent destroys it).
class Control {
public:
    Control() = default;
    explicit Control(HWND hwnd) : hwnd_(hwnd) {}
    virtual ~Control() = default;

    HWND hwnd() const { return hwnd_; }

    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetLeft(double twipsValue);
    void SetTop(double twipsValue);
    void SetWidth(double twipsValue);
    void SetHeight(double twipsValue);
    void Move(double left, double top, double width, double height);

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    const std::wstring& ToolTipText() const { return toolTip_; }
    // Shown by the tooltip window of the form the control lies on.
    void SetToolTipText(const std::wstring& text);
    void SetFocus();

protected:
    RECT RectInParent() const;
    void Place(const RECT& pixels);

    HWND hwnd_ = nullptr;
    std::wstring toolTip_;
};

// The client area of a window in twips; 0 by 0 for no window.
struct TwipsSize {
    double width;
    double height;
};
TwipsSize ClientTwips(HWND hwnd);

// A font of that face and size in points at the screen's resolution.
UniqueFont MakeFont(const std::wstring& face, int points, bool bold = false);

// Mouse events of the classic kind: button mask, shift mask, position in twips. A press or a
// release names the one button that went down or up; a move, every button held.
using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

// A text label with its own colours and font.
class Label : public Control {
public:
    Label(HWND parent, const std::wstring& caption, DWORD align = SS_LEFT);
    void SetCaption(const std::wstring& caption);
    std::wstring Caption() const;
    void SetColors(COLORREF fore, std::optional<COLORREF> back);
    void SetFont(const std::wstring& face, int points, bool bold = false);
    HBRUSH Colorize(HDC dc);
    // The label a window belongs to; nullptr for any other window.
    static Label* Of(HWND hwnd);

    std::function<void()> Click;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    WindowHook hook_;
    COLORREF fore_ = RGB(0, 0, 0);
    std::optional<COLORREF> back_;
    UniqueBrush backBrush_;
    UniqueFont font_;
};

// A painted child area that can hold other controls: a background colour and an optional
// painter, with mouse events.
class PictureBox : public Control, private BoundWindow {
public:
    PictureBox(HWND parent, COLORREF backColor);
    ~PictureBox() override;
    void SetBackColor(COLORREF color);
    COLORREF BackColor() const { return back_; }
    // Paints the box's content over its background (client rectangle in pixels).
    std::function<void(HDC dc, const RECT& client)> Paint;
    void Refresh();
    MouseHandler MouseDown, MouseMove, MouseUp;
    std::function<void()> Click, DblClick;
    double ScaleWidth() const;
    double ScaleHeight() const;

private:
    void OnBound(HWND hwnd) override { hwnd_ = hwnd; }
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnUnbound() override { hwnd_ = nullptr; }
    COLORREF back_;
    bool pressed_ = false;
};

// An image: a lightweight picture area. The same window as a picture box without a background of
// its own choosing; the painter draws the picture.
using Image = PictureBox;

// Brush and colours for a static child that asked its parent (WM_CTLCOLORSTATIC); nullptr when
// the child is not one of ours.
HBRUSH ControlColor(HDC dc, HWND child);

// A periodic timer on the interface thread. Its handler never re-enters: a tick that arrives
// while the handler is pumping messages is dropped.
class Timer {
public:
    Timer();
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetInterval(unsigned ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    std::function<void()> Tick;

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD);
    void Arm();
    UINT_PTR id_ = 0;
    unsigned intervalMs_ = 0;
    bool enabled_ = false;
    bool running_ = false;
    std::shared_ptr<bool> alive_;
};

// A control array: elements addressed by the design's indices.
template <typename T>
class ControlArray {
public:
    T& operator()(int index) { return *items_.at(index); }
    const T& operator()(int index) const { return *items_.at(index); }
    void Add(int index, std::unique_ptr<T> item) { items_[index] = std::move(item); }
    template <typename F>
    void ForEach(F&& f)
    {
        for (auto& [index, item] : items_) f(index, *item);
    }
    // Index of the element that owns a window, or -1.
    int IndexOf(HWND hwnd) const
    {
        for (auto& [index, item] : items_)
            if (item->hwnd() == hwnd) return index;
        return -1;
    }
    int Count() const { return static_cast<int>(items_.size()); }

private:
    std::map<int, std::unique_ptr<T>> items_;
};

} // namespace host
