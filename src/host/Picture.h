#pragma once
// A picture object: the one owner of an icon, with its size. Its pixels are read once for each
// background they are drawn on; the icon must not change. Buttons share pictures as
// std::shared_ptr<const Picture>. A picture made from pixels makes its icon when first drawn:
// most pictures of a set are not shown at once, and each icon costs the system a round trip.
#include <windows.h>

#include <cstdint>
#include <future>
#include <vector>

#include "controls/ButtonPicture.h"
#include "host/Handles.h"

struct PixelArt;

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

    // Makes the icons of pictures about to be drawn on another thread, all on one, while the
    // caller goes on. A picture's Icon() waits for its own; the last picture of the set to go
    // waits for the thread.
    static void PrepareIcons(const std::vector<const Picture*>& pictures);

    explicit operator bool() const { return icon_ || !pixels_.empty() || preparedIcon_.valid(); }
    HICON Icon() const;
    int WidthPixels() const { return width_; }
    int HeightPixels() const { return height_; }

    int WidthHimetric() const override;
    int HeightHimetric() const override;
    void Render(RgbColor background, PixelBlock& block) const override;

private:
    // The pixels, taken out of the picture to make its icon from.
    PixelArt TakeArt() const;

    mutable UniqueIcon icon_;
    // Rows of 0xAARRGGBB until the icon is made from them.
    mutable std::vector<std::uint32_t> pixels_;
    // The icon being made on another thread, and that thread.
    mutable std::future<UniqueIcon> preparedIcon_;
    mutable std::shared_future<void> preparing_;
    int width_ = 0;
    int height_ = 0;
    // The pixels of the last Render: buttons repaint often and pictures never change.
    mutable PixelBlock rendered_;
    mutable RgbColor renderedBackground_ = 0;
};
