#pragma once
// The pen overlay's mouse pointer, made from its picture: 32 x 32 with the hot spot at the tip.
#include "host/Artwork.h"

// Empty when it cannot be made.
UniqueCursor CreatePenCursor();
