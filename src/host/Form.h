#pragma once
// A top-level window in the manner of a classic form: geometry in twips, load, query-unload,
// unload, resize and key-down hooks, modeless and modal display.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "host/BoundWindow.h"
#include "host/Handles.h"

namespace host {

struct FormStyle {
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    std::wstring caption;
    COLORREF backColor = RGB(236, 233, 216);
    HWND owner = nullptr;
};

class Form : public BoundWindow {
public:
    explicit Form(FormStyle style);
    ~Form() override;

    // Creates the window (hidden) and runs Form_Load; a second call does nothing.
    void Load();
    // Runs the query-unload hook (which may cancel), the unload hook, and destroys the window.
    // Safe from inside the form's own handlers: the object itself stays until its owner drops it.
    bool Unload();
    bool Loaded() const { return hwnd_ != nullptr; }

    void Show();
    void Hide();
    // Shows the form and runs a nested loop until it is hidden or unloaded; the program's other
    // top-level windows are disabled meanwhile.
    void ShowModal();
    bool Visible() const;
    void SetVisible(bool visible) { visible ? Show() : Hide(); }
    bool Minimized() const { return hwnd_ && IsIconic(hwnd_); }

    // Outer geometry in twips.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetLeft(double twipsValue);
    void SetTop(double twipsValue);
    void SetWidth(double twipsValue);
    void SetHeight(double twipsValue);
    void Move(double left, double top, std::optional<double> width = {}, std::optional<double> height = {});
    // Client area in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;

    void SetCaption(const std::wstring& caption);
    COLORREF BackColor() const { return style_.backColor; }
    void SetBackColor(COLORREF color);

    HWND hwnd() const { return hwnd_; }
    // Tooltip window shared by the form's controls.
    HWND Tooltips();
    // The form a window of ours lies on (itself or its top-level ancestor); nullptr for others.
    static Form* Of(HWND hwnd);

    // Mouse on the form's own background: button mask, shift mask, position in twips.
    std::function<void(int button, int shift, double x, double y)> MouseMove;

protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(bool& cancel) { (void)cancel; }
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}
    virtual void Form_KeyDown(int& keyCode, int shift) { (void)keyCode, (void)shift; }
    // Messages the form wants beyond the hooks; return a value to stop default handling.
    virtual std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    void OnBound(HWND hwnd) override { hwnd_ = hwnd; }
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnUnbound() override;
    LRESULT OnEraseBackground(HDC dc);
    LRESULT OnControlColor(HDC dc, HWND control);

    FormStyle style_;
    HWND hwnd_ = nullptr;
    HWND tooltips_ = nullptr;
    UniqueBrush backBrush_;
    bool loading_ = false;
    bool unloading_ = false;
};

} // namespace host
