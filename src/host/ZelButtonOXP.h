#pragma once
// The program's owner-drawn push button as a child window. Position, size, visibility,
// tooltip and focus are those of any control (in twips); the button's own properties and
// events are those of ButtonModel. Mouse event positions are client pixels. An access key (or Enter and Esc for a default or cancel button) reaches the
// control as BM_CLICK, which is what the dialog manager sends for a button's mnemonic.
#include <windows.h>

#include <functional>
#include <string>

#include "controls/ButtonModel.h"
#include "host/BoundWindow.h"
#include "host/Controls.h"
#include "host/GdiCanvas.h"

class ZelButtonOXP : public host::Control, private host::BoundWindow, private ButtonSite, public ButtonModel {
public:
    // A new instance: system colours, the parent's font, the instance name as caption.
    ZelButtonOXP(HWND parent, int id, const std::wstring& name);
    // An instance loaded from its stored design (see ProgramButtonDesign).
    ZelButtonOXP(HWND parent, int id, const std::wstring& name, const PropertyStore& design);
    ~ZelButtonOXP() override;

    // The button's Enabled property and the window's enabled state are one.
    using ButtonModel::Enabled;
    using ButtonModel::SetEnabled;

    const std::wstring& Name() const { return name_; }
    // The hosting window's default button shows the blue frame.
    void SetDefaultButton(bool isDefault);

    // Raised when a property the design stores has changed.
    std::function<void()> Changed;

private:
    void Create(HWND parent, int id);
    void OnBound(HWND hwnd) override { hwnd_ = hwnd; }
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnUnbound() override;

    void OnSize();
    void OnPaint();
    void OnButtonDown(int button, WPARAM keys, LPARAM at);
    void OnButtonUp(int button, WPARAM keys, LPARAM at);
    void OnDoubleClickMessage(WPARAM keys, LPARAM at);
    void OnMove(WPARAM keys, LPARAM at);
    bool OnSetCursor();
    void OnEnable(bool enabled);

    // ButtonSite
    RgbColor TranslateColor(std::uint32_t oleColor) override;
    RgbColor SysColor(int index) override;
    void ContainerColors(RgbColor& back, RgbColor& text) override;
    Canvas& Surface() override { return surface_.canvas(); }
    void Present() override;
    void ClientSize(int& width, int& height) override;
    void SetRegion(int width, int height) override;
    int Dpi() override;
    void ApplyCaption(const std::wstring& caption) override;
    void ApplyFont(const FontDesc& font) override;
    void ApplyEnabled(bool enabled) override;
    void ApplyPointer(int pointer, const PicturePtr& icon) override;
    bool IsDefaultButton() override { return isDefault_; }
    void NotifyChanged() override;
    bool IsPointerOver() override;
    void StartOverTimer() override;
    void StopOverTimer() override;
    void CaptureMouse() override;
    void RefreshNow() override;

    std::wstring name_;
    RetainedSurface surface_;
    bool isDefault_ = false;
    bool clickArmed_ = false; // a left press began on this control and no double click replaced it
    int pointer_ = 0;
    PicturePtr pointerIcon_;

    // What the hover tick last learnt: asking the system which window lies under the pointer
    // costs more than the rest of a tick, so the answer is kept while nothing it depends on
    // moved, and asked again every few ticks for windows of other programs.
    struct OverAnswer {
        POINT pointer{};
        RECT place{};
        bool visible = false;
        bool over = false;
        int age = -1; // ticks since the system was asked; -1 when nothing is kept
    };
    bool overTick_ = false;
    OverAnswer overAnswer_;
    // The size the window's region was last made for; -1 before the first.
    SIZE regionSize_{-1, -1};
};
