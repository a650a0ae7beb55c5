#pragma once
// The small records that tags are made of: rectangles, colours, matrices, colour transforms.
#include "swf/BitReader.h"
#include "swf/Geometry.h"

namespace swf {

TwipsRect ReadRect(BitReader& in);
Rgba ReadRgb(BitReader& in);
Rgba ReadRgba(BitReader& in);
Matrix ReadMatrix(BitReader& in);
// withAlpha: the CXFORMWITHALPHA of PlaceObject2 and 3; otherwise alpha is left alone.
ColorTransform ReadColorTransform(BitReader& in, bool withAlpha);

} // namespace swf
