#pragma once
// The bytes of a Windows .ico file, so the program's icon can be embedded as a resource.
#include "resources/art/PixelArt.h"

#include <string>
#include <vector>

// One entry per picture (1..256 pixels a side), each as a 32-bit image with alpha and an AND
// mask. Throws std::invalid_argument for an empty list or a picture of an unusable size.
std::string EncodeIcoFile(const std::vector<PixelArt>& pictures);
