#include "host/NameOrder.h"

#include <windows.h>

#include <algorithm>

namespace host {

namespace {

// A name with its sort key, so that sorting compares bytes instead of calling the locale's
// comparison for every pair (a folder may hold a hundred thousand files).
struct Keyed {
    std::string key;
    std::wstring name;
};

std::string SortKey(const std::wstring& name)
{
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(name.size());
    // One call for the usual name; only a key longer than the buffer asks for its size first.
    char buffer[256];
    int size = LCMapStringW(LOCALE_USER_DEFAULT, flags, name.c_str(), length, reinterpret_cast<LPWSTR>(buffer),
                            static_cast<int>(sizeof buffer));
    std::string key;
    if (size > 0) {
        key.assign(buffer, static_cast<std::size_t>(size));
    } else {
        size = LCMapStringW(LOCALE_USER_DEFAULT, flags, name.c_str(), length, nullptr, 0);
        if (size <= 0) return {};
        key.assign(static_cast<std::size_t>(size), '\0');
        LCMapStringW(LOCALE_USER_DEFAULT, flags, name.c_str(), length, reinterpret_cast<LPWSTR>(key.data()), size);
    }
    while (!key.empty() && key.back() == '\0') key.pop_back();
    return key;
}

} // namespace

void SortNames(std::vector<std::wstring>& names)
{
    std::vector<Keyed> keyed;
    keyed.reserve(names.size());
    for (std::wstring& name : names) {
        std::string key = SortKey(name);
        keyed.push_back({std::move(key), std::move(name)});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.key != b.key) return a.key < b.key;
        return a.name < b.name;
    });
    names.clear();
    for (Keyed& entry : keyed) {
        if (!names.empty() && names.back() == entry.name) continue;
        names.push_back(std::move(entry.name));
    }
}

} // namespace host
