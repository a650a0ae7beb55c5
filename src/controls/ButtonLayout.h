#pragma once
// Where the caption and the picture go inside the button.
#include "controls/ButtonState.h"

// Picture size in pixels from its HIMETRIC size; 0 x 0 without a picture.
void MeasurePicture(ButtonState& state, int dpi);
// Caption rectangles measured in the surface's font, then the picture beside or over them.
void ComputeLayout(ButtonState& state, Canvas& canvas);
void PlacePicture(ButtonState& state);
