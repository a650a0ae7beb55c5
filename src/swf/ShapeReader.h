#pragma once
// Reads the body of a DefineShape tag (after the character id) into an assembled shape.
#include "swf/BitReader.h"
#include "swf/Movie.h"
#include "swf/ReadBudget.h"

namespace swf {

// version: 1 to 4 for DefineShape, DefineShape2, 3 and 4. Throws Malformed.
Shape ReadShape(BitReader& in, int version, ReadBudget& budget);

} // namespace swf
