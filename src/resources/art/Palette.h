#pragma once
// The colours of the small pictures, shared so that every set looks like one family.
// Outlines are dark so that a disabled button's silhouette (bright pixels skipped) still
// shows the subject.
#include "resources/art/PixelArt.h"

Legend IconLegend();
// IconLegend with some characters mapped to other colours (a recoloured variant).
Legend IconLegendWith(const Legend& changes);

namespace Scheme {
constexpr uint32_t ButtonFace = ArtRgb(236, 233, 216);
constexpr uint32_t BarBlue = ArtRgb(0, 0, 192);
constexpr uint32_t Navy = ArtRgb(16, 32, 96);
constexpr uint32_t DeepBlue = ArtRgb(28, 60, 150);
constexpr uint32_t SkyBlue = ArtRgb(96, 150, 230);
constexpr uint32_t Amber = ArtRgb(247, 170, 40);
constexpr uint32_t Cream = ArtRgb(250, 247, 236);
} // namespace Scheme
