#pragma once
// Fits the whole stage into a target of any size, aspect kept and centred.
#include "swf/DrawingPort.h"
#include "swf/Geometry.h"

namespace swf {

struct ShowAll {
    double scale = 0;   // pixels per twip; 0 when the stage or the target is empty
    double offsetX = 0; // device = twips * scale + offset
    double offsetY = 0;
    RectF stage;        // where the stage lands, in device pixels

    PointF ToDevice(Point p) const;
    // Stage twips to device pixels, as a matrix.
    Matrix ToDeviceMatrix() const { return {scale, 0, 0, scale, offsetX, offsetY}; }
};

ShowAll MapShowAll(const TwipsRect& stage, int width, int height);

} // namespace swf
