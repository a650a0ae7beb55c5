#pragma once
// A button's picture as the painter needs it: its size and its pixels.
#include <cstdint>
#include <memory>

#include "controls/Canvas.h"

class ButtonPicture {
public:
    virtual ~ButtonPicture() = default;
    // Size in HIMETRIC (0.01 mm), as picture objects keep it.
    virtual int WidthHimetric() const = 0;
    virtual int HeightHimetric() const = 0;
    // The top-left block.Width() x block.Height() pixels of the picture. Pictures with
    // transparent parts (icons) are drawn on a square of `background` first.
    virtual void Render(RgbColor background, PixelBlock& block) const = 0;
};

using PicturePtr = std::shared_ptr<const ButtonPicture>;
