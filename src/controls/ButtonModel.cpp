#include "controls/ButtonModel.h"

#include "base/Rounding.h"
#include "controls/ButtonColor.h"
#include "controls/ButtonLayout.h"
#include "controls/ButtonPainter.h"
#include "controls/ButtonPalette.h"

namespace {
std::int32_t Stored(std::uint32_t color) { return static_cast<std::int32_t>(color); }
std::uint32_t Color(std::int32_t stored) { return static_cast<std::uint32_t>(stored); }

void Raise(const std::function<void()>& event)
{
    if (event) event();
}

void Raise(const std::function<void(int&, int&, float&, float&)>& event, int& button, int& shift, float& x, float& y)
{
    if (event) event(button, shift, x, y);
}
} // namespace

void ButtonModel::Layout() { ComputeLayout(s_, site_.Surface()); }
void ButtonModel::Palette() { ComputePalette(s_, site_); }

void ButtonModel::PaletteChanged()
{
    Palette();
    DrawButton(s_.LastState, true);
    Notify();
}

// --- Host notifications ---

void ButtonModel::InitNew(const std::wstring& instanceName, const FontDesc& ambientFont)
{
    s_.Enabled = s_.ShowFocusRect = s_.UseMaskColor = true;
    s_.Caption = instanceName;
    site_.ApplyCaption(s_.Caption);
    s_.Font = ambientFont;
    site_.ApplyFont(s_.Font);
    s_.ButtonType = PictureStyle::Lifted;
    s_.ColorScheme = ColorSource::SystemColors;
    Palette();
    s_.BackColor = s_.BackOver = s_.Palette.FaceColor;
    s_.ForeColor = s_.ForeOver = s_.Palette.TextColor;
    s_.MaskColor = DefaultMaskColor;
    Layout();
}

void ButtonModel::Load(const PropertyStore& store)
{
    s_.ButtonType = store.ReadInt(L"BTYPE", PictureStyle::Embossed);
    s_.Caption = store.ReadString(L"TX", L"");
    s_.Enabled = store.ReadBool(L"ENAB", true);
    s_.Font = store.ReadFont(L"FONT", s_.Font);
    s_.ColorScheme = store.ReadInt(L"COLTYPE", ColorSource::SystemColors);
    s_.ShowFocusRect = store.ReadBool(L"FOCUSR", true);
    s_.BackColor = Color(store.ReadInt(L"BCOL", Stored(site_.SysColor(syscolor::ButtonFace))));
    s_.BackOver = Color(store.ReadInt(L"BCOLO", Stored(s_.BackColor)));
    s_.ForeColor = Color(store.ReadInt(L"FCOL", Stored(site_.SysColor(syscolor::ButtonText))));
    s_.ForeOver = Color(store.ReadInt(L"FCOLO", Stored(s_.ForeColor)));
    s_.MaskColor = Color(store.ReadInt(L"MCOL", Stored(DefaultMaskColor)));
    s_.MousePointer = static_cast<std::int16_t>(store.ReadInt(L"MPTR", PointerShape::Default));
    s_.MouseIcon = store.ReadPicture(L"MICON");
    s_.PictureNormal = store.ReadPicture(L"PICN");
    s_.PictureOver = store.ReadPicture(L"PICH");
    s_.UseMaskColor = store.ReadBool(L"UMCOL", true);
    s_.SoftBevel = store.ReadBool(L"SOFT", false);
    s_.PicturePosition = store.ReadInt(L"PICPOS", PicturePlace::LeftOfCaption);
    s_.UseGreyscale = store.ReadBool(L"NGREY", false);
    s_.SpecialEffect = store.ReadInt(L"FX", 0);
    s_.CheckBoxBehaviour = store.ReadBool(L"CHECK", false);
    s_.Value = store.ReadBool(L"VALUE", false);

    site_.ApplyCaption(s_.Caption);
    site_.ApplyFont(s_.Font);
    site_.ApplyPointer(s_.MousePointer, s_.MouseIcon);
    site_.ApplyEnabled(s_.Enabled);
    MeasurePicture(s_, site_.Dpi());
    Layout();
}

void ButtonModel::Resize()
{
    site_.ClientSize(s_.Layout.Width, s_.Layout.Height);
    Layout();
    site_.SetRegion(s_.Layout.Width, s_.Layout.Height);
    if (s_.Layout.Height != 0) DrawButton(StateUp, true);
}

void ButtonModel::Show()
{
    s_.DrawingEnabled = true;
    Palette();
    DrawButton(StateUp, true);
}

void ButtonModel::Hide() { s_.DrawingEnabled = false; }

void ButtonModel::AmbientChanged()
{
    if (s_.ColorScheme == ColorSource::OwnColors) return;
    Palette();
    DrawButton(s_.LastState, true);
}

void ButtonModel::Terminate() { s_.DrawingEnabled = false; }

// --- Property writes ---

void ButtonModel::SetButtonType(std::int32_t value)
{
    s_.ButtonType = value;
    Resize();
    Notify();
}

void ButtonModel::SetBackColor(std::uint32_t value)
{
    s_.BackColor = value;
    PaletteChanged();
}

void ButtonModel::SetBackOver(std::uint32_t value)
{
    s_.BackOver = value;
    PaletteChanged();
}

void ButtonModel::SetForeColor(std::uint32_t value)
{
    s_.ForeColor = value;
    PaletteChanged();
}

void ButtonModel::SetForeOver(std::uint32_t value)
{
    s_.ForeOver = value;
    PaletteChanged();
}

void ButtonModel::SetMaskColor(std::uint32_t value)
{
    s_.MaskColor = value;
    PaletteChanged();
}

void ButtonModel::SetSoftBevel(bool value)
{
    s_.SoftBevel = value;
    PaletteChanged();
}

void ButtonModel::SetCaption(const std::wstring& value)
{
    s_.Caption = value;
    site_.ApplyCaption(value);
    Layout();
    DrawButton(StateUp, true);
    Notify();
}

void ButtonModel::SetEnabled(bool value)
{
    s_.Enabled = value;
    DrawButton(StateUp, true);
    site_.ApplyEnabled(value);
    Notify();
}

void ButtonModel::FontChanged(bool notify)
{
    site_.ApplyFont(s_.Font);
    Layout();
    DrawButton(StateUp, true);
    if (notify) Notify();
}

void ButtonModel::SetFont(const FontDesc& value)
{
    s_.Font = value;
    FontChanged(true);
}

void ButtonModel::SetFontBold(bool value)
{
    s_.Font.Bold = value;
    FontChanged(false);
}

void ButtonModel::SetFontItalic(bool value)
{
    s_.Font.Italic = value;
    FontChanged(false);
}

void ButtonModel::SetFontUnderline(bool value)
{
    s_.Font.Underline = value;
    FontChanged(false);
}

int ButtonModel::FontSize() const { return RoundHalfEven(s_.Font.Size); }

void ButtonModel::SetFontSize(int value)
{
    s_.Font.Size = static_cast<float>(value);
    FontChanged(false);
}

void ButtonModel::SetFontName(const std::wstring& value)
{
    s_.Font.Name = value;
    FontChanged(false);
}

void ButtonModel::SetColorScheme(std::int32_t value)
{
    s_.ColorScheme = value;
    Palette();
    DrawButton(StateUp, true);
    Notify();
}

void ButtonModel::SetShowFocusRect(bool value)
{
    s_.ShowFocusRect = value;
    DrawButton(s_.LastState, true);
    Notify();
}

void ButtonModel::SetSpecialEffect(std::int32_t value)
{
    s_.SpecialEffect = value;
    DrawButton(s_.LastState, true);
    Notify();
}

void ButtonModel::SetCheckBoxBehaviour(bool value)
{
    s_.CheckBoxBehaviour = value;
    DrawButton(s_.LastState, true);
    Notify();
}

void ButtonModel::SetMousePointer(int value)
{
    s_.MousePointer = value;
    site_.ApplyPointer(s_.MousePointer, s_.MouseIcon);
    Notify();
}

void ButtonModel::SetMouseIcon(PicturePtr value)
{
    s_.MouseIcon = std::move(value);
    site_.ApplyPointer(s_.MousePointer, s_.MouseIcon);
    Notify();
}

void ButtonModel::SetPictureNormal(PicturePtr value)
{
    s_.PictureNormal = std::move(value);
    MeasurePicture(s_, site_.Dpi());
    Layout();
    DrawButton(s_.LastState, true);
    Notify();
}

void ButtonModel::SetPictureOver(PicturePtr value)
{
    s_.PictureOver = std::move(value);
    if (s_.Hovering) DrawButton(s_.LastState, true);
    Notify();
}

void ButtonModel::SetPicturePosition(std::int32_t value)
{
    s_.PicturePosition = value;
    Notify();
    Layout();
    DrawButton(s_.LastState, true);
}

void ButtonModel::SetUseMaskColor(bool value)
{
    s_.UseMaskColor = value;
    if (s_.PictureNormal) DrawButton(s_.LastState, true);
    Notify();
}

void ButtonModel::SetUseGreyscale(bool value)
{
    s_.UseGreyscale = value;
    if (s_.PictureNormal) DrawButton(s_.LastState, true);
    Notify();
}

void ButtonModel::SetValue(bool value)
{
    s_.Value = value;
    if (s_.CheckBoxBehaviour) DrawButton(StateUp, true);
    Notify();
}

void ButtonModel::Refresh()
{
    Palette();
    Layout();
    s_.DrawingEnabled = true;
    DrawButton(s_.LastState, true);
}

// --- Painting ---

void ButtonModel::DrawButton(LookState drawState, bool force)
{
    if (s_.CheckBoxBehaviour && s_.Value) drawState = StatePressed;
    const bool changed = force || s_.Caption != s_.LastCaption || drawState != s_.LastState;
    if (!changed || s_.Layout.Height == 0 || !s_.DrawingEnabled) return;
    s_.LastState = drawState;
    s_.LastCaption = s_.Caption;

    // A hovered custom-coloured button paints its face in BackOver for this paint only.
    const bool hoverFace = s_.Hovering && s_.ColorScheme == ColorSource::OwnColors;
    if (hoverFace) ComputePalette(s_, site_, s_.BackOver);
    PaintLook(s_, site_.Surface(), drawState, site_.IsDefaultButton());
    if (hoverFace) Palette();
    site_.Present();
}

// --- Interaction ---

void ButtonModel::OnMouseDown(int button, int shift, float x, float y)
{
    Raise(MouseDown, button, shift, x, y);
    s_.LastButton = static_cast<std::uint8_t>(button & 0xFF);
    if (button != 2) DrawButton(StatePressed, false);
}

void ButtonModel::OnMouseMove(int button, int shift, float x, float y)
{
    Raise(MouseMove, button, shift, x, y);
    if (button >= 2) return;
    if (!site_.IsPointerOver()) {
        // Only seen while the left button holds the capture outside the control.
        DrawButton(StateUp, false);
        return;
    }
    if (button == 0 && !s_.Hovering) {
        site_.StartOverTimer();
        s_.Hovering = true;
        DrawButton(StateUp, true);
        Raise(MouseOver);
    } else if (button == 1) {
        s_.Hovering = true;
        DrawButton(StatePressed, false);
        s_.Hovering = false;
    }
}

void ButtonModel::OnMouseUp(int button, int shift, float x, float y)
{
    Raise(MouseUp, button, shift, x, y);
    if (button != 2) DrawButton(StateUp, false);
}

void ButtonModel::OnClick()
{
    if (s_.LastButton != 1 || !s_.Enabled) return;
    // The check state changes without telling the host: it is not part of the design.
    if (s_.CheckBoxBehaviour) s_.Value = !s_.Value;
    DrawButton(StateUp, true);
    site_.RefreshNow();
    Raise(Click);
}

void ButtonModel::OnDoubleClick()
{
    if (s_.LastButton != 1) return;
    OnMouseDown(1, 0, 0.0f, 0.0f);
    site_.CaptureMouse();
}

void ButtonModel::OnAccessKey()
{
    s_.LastButton = 1;
    OnClick();
}

void ButtonModel::OnFocus(bool gained)
{
    s_.HasFocus = gained;
    DrawButton(s_.LastState, true);
}

void ButtonModel::OnOverTimer()
{
    if (site_.IsPointerOver()) return;
    site_.StopOverTimer();
    s_.Hovering = false;
    DrawButton(StateUp, true);
    Raise(MouseOut);
}
