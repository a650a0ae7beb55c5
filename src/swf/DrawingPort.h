#pragma once
// The surface a frame is drawn on. Coordinates are device pixels; pixel (i, j) covers
// [i, i + 1) x [j, j + 1).
#include <span>
#include <vector>

#include "swf/Geometry.h"
#include "swf/Movie.h"

namespace swf {

struct PointF {
    float x = 0;
    float y = 0;
    bool operator==(const PointF&) const = default;
};
using DevicePath = BasicPath<PointF>;

struct RectF {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
    bool operator==(const RectF&) const = default;
};

// How a figure is filled. Gradients are defined on the square -16384..16384 that `gradient`
// maps to the figure's coordinates; stops are in ratio order, already colour-transformed.
// Bitmap fills never reach a port.
struct Paint {
    FillKind kind = FillKind::Solid;
    Rgba color; // solid fills; for gradients, the colour of the first stop
    std::vector<GradientStop> stops;
    Matrix gradient;
    double focal = 0;
};

// An area under one fill rule; a mask is the union of such areas.
struct DeviceArea {
    std::vector<DevicePath> contours;
    FillRule rule = FillRule::EvenOdd;
};

class DrawingPort {
public:
    virtual ~DrawingPort() = default;
    // Paints the whole target black and `stage` in the background; everything drawn after is
    // clipped to the stage.
    virtual void Clear(Rgba background, RectF stage) = 0;
    // Fills the region the closed contours enclose under `rule`.
    virtual void FillFigure(std::span<const DevicePath> contours, const Paint& paint, FillRule rule) = 0;
    // An open path stroked with round caps and joins; width in pixels, at least 1.
    virtual void StrokePath(const DevicePath& path, float width, Rgba color) = 0;
    // Until the matching EndMask, drawing shows only inside the union of the areas (and inside
    // any mask begun before). Masks nest.
    virtual void BeginMask(std::span<const DeviceArea> areas) = 0;
    virtual void EndMask() = 0;
};

} // namespace swf
