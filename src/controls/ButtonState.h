#pragma once
// The state record of one button: its properties, what painting and interaction keep between
// calls, the palette and the layout.
#include <cstdint>
#include <string>

#include "controls/ButtonPicture.h"
#include "controls/Canvas.h"
#include "controls/FontDesc.h"

constexpr std::uint8_t StateUp = 0;
constexpr std::uint8_t StatePressed = 2;

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
    std::int32_t ButtonType = 9;
    std::uint32_t BackColor = 0;
    std::uint32_t BackOver = 0;
    std::uint32_t ForeColor = 0;
    std::uint32_t ForeOver = 0;
    std::uint32_t MaskColor = DefaultMaskColor;
    std::wstring Caption;
    bool Enabled = true;
    FontDesc Font;
    std::int32_t ColorScheme = 1;
    bool ShowFocusRect = true;
    int MousePointer = 0;
    PicturePtr MouseIcon;
    bool SoftBevel = false;
    PicturePtr PictureNormal;
    PicturePtr PictureOver;
    std::int32_t PicturePosition = 0;
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
    std::uint8_t LastState = StateUp;
    std::wstring LastCaption;

    ButtonPalette Palette;
    ButtonLayout Layout;
};
