#pragma once
// What a button needs from the window system and from the window that hosts it.
#include <cstdint>
#include <string>

#include "controls/ButtonPicture.h"
#include "controls/Canvas.h"
#include "controls/FontDesc.h"

// System colour indices the palette reads.
namespace syscolor {
constexpr int ButtonShadow = 16;
constexpr int ButtonFace = 15;
constexpr int ButtonText = 18;
constexpr int ButtonHighlight = 20;
} // namespace syscolor

class ButtonSite {
public:
    virtual ~ButtonSite() = default;

    // Colours
    virtual RgbColor TranslateColor(std::uint32_t oleColor) = 0; // 0 when it cannot be translated
    virtual RgbColor SysColor(int index) = 0;
    virtual void ContainerColors(RgbColor& back, RgbColor& text) = 0; // of the hosting window

    // The retained drawing surface and the window around it
    virtual Canvas& Surface() = 0;
    virtual void Present() = 0; // the surface reaches the screen
    virtual void ClientSize(int& width, int& height) = 0;
    virtual void SetRegion(int width, int height) = 0;
    virtual int Dpi() = 0;

    // The control window's own settings
    virtual void ApplyCaption(const std::wstring& caption) = 0;
    virtual void ApplyFont(const FontDesc& font) = 0;
    virtual void ApplyEnabled(bool enabled) = 0;
    virtual void ApplyPointer(int pointer, const PicturePtr& icon) = 0;

    // The host: ambient values and change notification
    virtual bool IsDefaultButton() = 0;
    virtual void NotifyChanged() = 0;

    // Interaction
    virtual bool IsPointerOver() = 0;
    virtual void StartOverTimer() = 0;
    virtual void StopOverTimer() = 0;
    virtual void CaptureMouse() = 0;
    virtual void RefreshNow() = 0;
};
