#pragma once
// The show bar's button pictures as picture objects (the bar's ImageList1, numbered from 1).
#include "controls/ButtonPicture.h"

// Empty when there is no picture of that number.
PicturePtr ShowBarPicture(int number);
