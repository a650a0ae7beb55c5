#include "show/ShowTitle.h"

#include <algorithm>

#include "base/Text.h"

namespace show {

bool IsShowTitle(const std::wstring& title, const std::wstring& showFileName)
{
    // An empty name "occurs" at position 1, so it never matches.
    const auto at = UpperCase(title).find(showFileName);
    return at != std::wstring::npos && at > 0;
}

int FindShowWindow(const std::vector<std::wstring>& titles, const std::vector<std::intptr_t>& handles,
                   const std::wstring& showFileName)
{
    const std::size_t count = std::min(titles.size(), handles.size());
    for (std::size_t i = 0; i < count && handles[i] != 0; ++i)
        if (IsShowTitle(titles[i], showFileName)) return static_cast<int>(i);
    return -1;
}

} // namespace show
