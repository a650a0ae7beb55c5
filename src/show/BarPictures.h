#pragma once
// The show bar's button pictures as picture objects (the bar's ImageList1, numbered from 1),
// and the pen overlay's one picture.
#include "controls/ButtonPicture.h"

// Empty when there is no picture of that number.
PicturePtr ShowBarPicture(int number);
// The picture the pen overlay's Back button keeps in its design.
PicturePtr PenBackButtonPicture();
