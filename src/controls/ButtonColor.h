#pragma once
// Colour arithmetic of the button's bevels and gradients.
#include "controls/Canvas.h"

// Brightens (step > 0) or darkens (step < 0) a colour. Red and green move by the step, blue
// in proportion to its own value; a soft bevel halves the step.
RgbColor ShiftColor(RgbColor c, int step, bool softBevel);
