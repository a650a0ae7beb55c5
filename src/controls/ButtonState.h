#pragma once
// The state record of one button: its properties, what painting and interaction keep between
// calls, the palette and the layout.
#include <cstdint>
#include <string>

#include "controls/ButtonPicture.h"
#include "controls/Canvas.h"
#include "controls/FontDesc.h"

// The two looks a paint draws (disabled is drawn for either).
enum LookState : std::uint8_t { StateUp = 0, StatePressed = 2 };

// Named values of the integer properties; the properties keep any other value too.
// ButtonType: the picture effects (the shape never changes). Values without a name of their own
// draw like Embossed.
struct PictureStyle {
    enum : std::int32_t {
        Embossed = 2,           // disabled: an embossed silhouette; the stored designs' default
        GreyWhenDisabled = 3,   // disabled: the picture in grey
        Steady = 5,             // the picture does not move when pressed
        ShadedWhenDisabled = 6, // disabled: one shaded silhouette
        Lifted = 9,             // faded at rest, lifted with a drop shadow while hovered
    };
};
// ColorScheme: where the palette comes from; other values behave as SystemColors.
struct ColorSource {
    enum : std::int32_t { SystemColors = 1, OwnColors = 2, Grey = 3, HostColors = 4 };
};
// PicturePosition: any value but Centred puts the picture left of the caption.
struct PicturePlace {
    enum : std::int32_t { LeftOfCaption = 0, Centred = 4 };
};
// MousePointer: 1..15 are the system's shapes; Custom shows MouseIcon.
struct PointerShape {
    enum : int { Default = 0, Custom = 99 };
};

// OLE colour of RGB(192, 192, 192), the default transparent colour of pictures.
constexpr std::uint32_t DefaultMaskColor = 12632256;

struct ButtonPalette {
    RgbColor FaceColor = 0;
    RgbColor BaseColor = 0;
    RgbColor HighlightColor = 0;
    RgbColor ShadowColor = 0;
    RgbColor TextColor = 0;
    RgbColor TextOverColor = 0;
    RgbColor MaskRGB = 0;
};

struct ButtonLayout {
    int Width = 0;
    int Height = 0;
    Rect TextRect;
    Rect PressedTextRect;
    int PictureX = 0;
    int PictureY = 0;
    int PictureWidth = 0;
    int PictureHeight = 0;
};

struct ButtonState {
    // Properties; colours are OLE colours (RGB or a system colour code with the high bit set).
    std::int32_t ButtonType = PictureStyle::Lifted;
    std::uint32_t BackColor = 0;
    std::uint32_t BackOver = 0;
    std::uint32_t ForeColor = 0;
    std::uint32_t ForeOver = 0;
    std::uint32_t MaskColor = DefaultMaskColor;
    std::wstring Caption;
    bool Enabled = true;
    FontDesc Font;
    std::int32_t ColorScheme = ColorSource::SystemColors;
    bool ShowFocusRect = true;
    int MousePointer = PointerShape::Default;
    PicturePtr MouseIcon;
    bool SoftBevel = false;
    PicturePtr PictureNormal;
    PicturePtr PictureOver;
    std::int32_t PicturePosition = PicturePlace::LeftOfCaption;
    bool UseMaskColor = true;
    bool UseGreyscale = false;
    std::int32_t SpecialEffect = 0;
    bool CheckBoxBehaviour = false;
    bool Value = false;

    // Painting and interaction
    bool DrawingEnabled = false;
    bool Hovering = false;
    bool HasFocus = false;
    std::uint8_t LastButton = 0;
    LookState LastState = StateUp;
    std::wstring LastCaption;

    ButtonPalette Palette;
    ButtonLayout Layout;
};
