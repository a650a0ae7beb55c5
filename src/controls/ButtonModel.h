#pragma once
// ZelButtonOXP without its window: properties and what each write sets off, the stored design,
// the lifecycle notifications, painting and the reactions to mouse, focus, access keys and the
// hover timer. The window side reaches the platform through ButtonSite.
#include <functional>

#include "controls/ButtonSite.h"
#include "controls/ButtonState.h"
#include "controls/PropertyStore.h"

class ButtonModel {
public:
    explicit ButtonModel(ButtonSite& site) : site_(site) {}
    ButtonModel(const ButtonModel&) = delete;
    ButtonModel& operator=(const ButtonModel&) = delete;
    virtual ~ButtonModel() = default;

    // Host notifications
    void InitNew(const std::wstring& instanceName, const FontDesc& ambientFont);
    void Load(const PropertyStore& store);
    void Resize();
    void Show();
    void Hide();
    void AmbientChanged();
    void Terminate();

    // Properties
    std::int32_t ButtonType() const { return s_.ButtonType; }
    void SetButtonType(std::int32_t value);
    std::uint32_t BackColor() const { return s_.BackColor; }
    void SetBackColor(std::uint32_t value);
    std::uint32_t BackOver() const { return s_.BackOver; }
    void SetBackOver(std::uint32_t value);
    std::uint32_t ForeColor() const { return s_.ForeColor; }
    void SetForeColor(std::uint32_t value);
    std::uint32_t ForeOver() const { return s_.ForeOver; }
    void SetForeOver(std::uint32_t value);
    std::uint32_t MaskColor() const { return s_.MaskColor; }
    void SetMaskColor(std::uint32_t value);
    const std::wstring& Caption() const { return s_.Caption; }
    void SetCaption(const std::wstring& value);
    bool Enabled() const { return s_.Enabled; }
    void SetEnabled(bool value);
    const FontDesc& Font() const { return s_.Font; }
    void SetFont(const FontDesc& value);
    bool FontBold() const { return s_.Font.Bold; }
    void SetFontBold(bool value);
    bool FontItalic() const { return s_.Font.Italic; }
    void SetFontItalic(bool value);
    bool FontUnderline() const { return s_.Font.Underline; }
    void SetFontUnderline(bool value);
    int FontSize() const;
    void SetFontSize(int value);
    const std::wstring& FontName() const { return s_.Font.Name; }
    void SetFontName(const std::wstring& value);
    std::int32_t ColorScheme() const { return s_.ColorScheme; }
    void SetColorScheme(std::int32_t value);
    bool ShowFocusRect() const { return s_.ShowFocusRect; }
    void SetShowFocusRect(bool value);
    int MousePointer() const { return s_.MousePointer; }
    void SetMousePointer(int value);
    const PicturePtr& MouseIcon() const { return s_.MouseIcon; }
    void SetMouseIcon(PicturePtr value);
    bool SoftBevel() const { return s_.SoftBevel; }
    void SetSoftBevel(bool value);
    const PicturePtr& PictureNormal() const { return s_.PictureNormal; }
    void SetPictureNormal(PicturePtr value);
    const PicturePtr& PictureOver() const { return s_.PictureOver; }
    void SetPictureOver(PicturePtr value);
    std::int32_t PicturePosition() const { return s_.PicturePosition; }
    void SetPicturePosition(std::int32_t value);
    bool UseMaskColor() const { return s_.UseMaskColor; }
    void SetUseMaskColor(bool value);
    bool UseGreyscale() const { return s_.UseGreyscale; }
    void SetUseGreyscale(bool value);
    std::int32_t SpecialEffect() const { return s_.SpecialEffect; }
    void SetSpecialEffect(std::int32_t value);
    bool CheckBoxBehaviour() const { return s_.CheckBoxBehaviour; }
    void SetCheckBoxBehaviour(bool value);
    bool Value() const { return s_.Value; }
    void SetValue(bool value);

    // Methods
    void DisableRefresh() { s_.DrawingEnabled = false; }
    void Refresh();

    // Paints `drawState` unless nothing would change (and `force` is off) or painting is off.
    void DrawButton(LookState drawState, bool force);

    // Reactions to what the host delivers
    void OnMouseDown(int button, int shift, float x, float y);
    void OnMouseMove(int button, int shift, float x, float y);
    void OnMouseUp(int button, int shift, float x, float y);
    void OnClick();
    void OnDoubleClick();
    void OnAccessKey();
    void OnFocus(bool gained);
    void OnOverTimer();

    const ButtonState& State() const { return s_; }

    // Events. Button is the mouse-button mask (1 left, 2 right, 4 middle), Shift the modifier
    // mask (1 Shift, 2 Ctrl, 4 Alt), X and Y the pointer in client pixels.
    std::function<void()> Click;
    std::function<void(int& button, int& shift, float& x, float& y)> MouseDown;
    std::function<void(int& button, int& shift, float& x, float& y)> MouseMove;
    std::function<void(int& button, int& shift, float& x, float& y)> MouseUp;
    std::function<void()> MouseOver;
    std::function<void()> MouseOut;

protected:
    ButtonState s_;

private:
    void Layout();
    void Palette();
    void PaletteChanged();
    void FontChanged(bool notify);
    void Notify() { site_.NotifyChanged(); }

    ButtonSite& site_;
};
