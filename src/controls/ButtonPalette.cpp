#include "controls/ButtonPalette.h"

#include "controls/ButtonColor.h"

void ComputePalette(ButtonState& state, ButtonSite& site, std::uint32_t backColor)
{
    ButtonPalette& p = state.Palette;
    const bool soft = state.SoftBevel;
    switch (state.ColorScheme) {
    case ColorSource::OwnColors:
        p.FaceColor = site.TranslateColor(backColor);
        p.TextColor = site.TranslateColor(state.ForeColor);
        p.TextOverColor = site.TranslateColor(state.ForeOver);
        p.ShadowColor = ShiftColor(p.FaceColor, -64, soft);
        p.HighlightColor = ShiftColor(p.FaceColor, +47, soft);
        break;
    case ColorSource::Grey:
        p.FaceColor = MakeRgb(192, 192, 192);
        p.TextColor = MakeRgb(0, 0, 0);
        p.TextOverColor = MakeRgb(0, 0, 0);
        p.ShadowColor = MakeRgb(128, 128, 128);
        p.HighlightColor = MakeRgb(255, 255, 255);
        break;
    case ColorSource::HostColors:
        site.ContainerColors(p.FaceColor, p.TextColor);
        p.TextOverColor = p.TextColor;
        p.ShadowColor = ShiftColor(p.FaceColor, -64, soft);
        p.HighlightColor = ShiftColor(p.FaceColor, +47, soft);
        break;
    default:
        p.FaceColor = site.SysColor(syscolor::ButtonFace);
        p.TextColor = site.SysColor(syscolor::ButtonText);
        p.TextOverColor = p.TextColor;
        p.ShadowColor = site.SysColor(syscolor::ButtonShadow);
        p.HighlightColor = site.SysColor(syscolor::ButtonHighlight);
        break;
    }
    p.MaskRGB = site.TranslateColor(state.MaskColor);
    p.BaseColor = ShiftColor(p.FaceColor, +48, soft);
}
