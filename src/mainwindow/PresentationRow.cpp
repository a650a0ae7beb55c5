#include "mainwindow/PresentationRow.h"

#include "base/Text.h"

#include <vector>

namespace {

// "3;2;0" -> {3, 2} repeating the last; "3" -> {3} then no more groups.
struct GroupPlan {
    std::vector<int> sizes;
    bool repeatLast = false;
};

GroupPlan ParseGrouping(std::wstring_view text)
{
    GroupPlan plan;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find(L';', pos);
        if (end == std::wstring_view::npos) end = text.size();
        int value = 0;
        bool digits = false;
        for (std::size_t i = pos; i < end; ++i) {
            if (text[i] < L'0' || text[i] > L'9') {
                digits = false;
                break;
            }
            value = value * 10 + (text[i] - L'0');
            digits = true;
            if (value > 9) break;
        }
        if (!digits) break;
        if (value == 0) {
            plan.repeatLast = !plan.sizes.empty();
            break;
        }
        plan.sizes.push_back(value);
        pos = end + 1;
    }
    return plan;
}

} // namespace

std::wstring FormatSize(std::uint64_t bytes, const NumberGrouping& grouping)
{
    std::wstring digits = std::to_wstring(bytes);
    const GroupPlan plan = ParseGrouping(grouping.sizes);
    if (plan.sizes.empty()) return digits;

    // Walk from the right, cutting groups off the digits still to place.
    std::vector<std::wstring> groups;
    std::size_t remaining = digits.size();
    std::size_t index = 0;
    while (remaining > 0) {
        std::size_t size;
        if (index < plan.sizes.size()) size = static_cast<std::size_t>(plan.sizes[index]);
        else if (plan.repeatLast) size = static_cast<std::size_t>(plan.sizes.back());
        else size = remaining;
        if (size > remaining) size = remaining;
        groups.push_back(digits.substr(remaining - size, size));
        remaining -= size;
        ++index;
    }
    std::wstring out;
    for (auto it = groups.rbegin(); it != groups.rend(); ++it) {
        if (!out.empty()) out += grouping.separator;
        out += *it;
    }
    return out;
}

std::wstring DateColumn(std::wstring_view shortDateText)
{
    constexpr std::size_t Width = 10;
    std::wstring text(shortDateText.substr(0, Width));
    text.resize(Width, L' ');
    return text;
}

int SmallIconPicture(std::wstring_view fullPath)
{
    const bool show = fullPath.find(L".pps") != std::wstring_view::npos || fullPath.find(L".PPS") != std::wstring_view::npos;
    return show ? ShowSmallIconPicture : PlainSmallIconPicture;
}

PresentationRow MakePresentationRow(std::wstring_view folder, std::wstring_view name)
{
    PresentationRow row;
    row.text = ProperCase(name);
    row.fullPath = JoinPath(folder, name);
    row.smallIcon = SmallIconPicture(row.fullPath);
    return row;
}

void SetRowFacts(PresentationRow& row, const FileFacts& facts, const NumberGrouping& grouping)
{
    row.size = facts.sizeBytes ? FormatSize(*facts.sizeBytes, grouping) : std::wstring();
    row.date = facts.modifiedDate ? DateColumn(*facts.modifiedDate) : std::wstring();
}
