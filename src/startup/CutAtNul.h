#pragma once
// Text from fixed-size buffers that the system fills and ends with a NUL.
#include <string>
#include <string_view>

// The part before the first NUL; empty when there is none, since the system then left the
// buffer unfinished.
std::wstring CutAtNul(std::wstring_view buffer);
std::string CutAtNul(std::string_view buffer);
