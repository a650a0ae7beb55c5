#pragma once
// A picture object: the one owner of an icon, with its size. Its pixels are read once for each
// background they are drawn on; the icon must not change. Buttons share pictures as
// std::shared_ptr<const Picture>.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "controls/ButtonPicture.h"
#include "host/Handles.h"

class Picture final : public ButtonPicture {
public:
    Picture() = default;
    Picture(Picture&&) noexcept = default;
    Picture& operator=(Picture&&) noexcept = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Takes ownership of the handle; a null or unreadable handle gives an empty picture.
    static Picture FromIcon(HICON icon);
    // An icon from rows of 0xAARRGGBB pixels, top row first; alpha 0 is transparent.
    static Picture FromPixels(int width, int height, const std::vector<std::uint32_t>& argb);

    explicit operator bool() const { return static_cast<bool>(icon_); }
    HICON Icon() const { return icon_.get(); }
    int WidthPixels() const { return width_; }
    int HeightPixels() const { return height_; }

    int WidthHimetric() const override;
    int HeightHimetric() const override;
    void Render(RgbColor background, PixelBlock& block) const override;

private:
    UniqueIcon icon_;
    int width_ = 0;
    int height_ = 0;
    // The pixels of the last Render: buttons repaint often and pictures never change.
    mutable PixelBlock rendered_;
    mutable RgbColor renderedBackground_ = 0;
};
