#pragma once
// File and folder names in the order a sorted list box shows them.
#include <string>
#include <vector>

namespace host {

// Case-insensitive order of the user's locale (exact duplicates removed); names that differ
// only in case keep a fixed order among themselves.
void SortNames(std::vector<std::wstring>& names);

} // namespace host
