#include "controls/PropertyStore.h"

#include <algorithm>

namespace {
wchar_t Upper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool SameKey(const std::wstring& a, const std::wstring& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return Upper(x) == Upper(y);
           });
}
} // namespace

void PropertyStore::Write(const std::wstring& key, PropertyValue value)
{
    for (auto& entry : entries_) {
        if (SameKey(entry.first, key)) {
            entry.second = std::move(value);
            return;
        }
    }
    entries_.emplace_back(key, std::move(value));
}

const PropertyValue* PropertyStore::Find(const std::wstring& key) const
{
    for (const auto& entry : entries_)
        if (SameKey(entry.first, key)) return &entry.second;
    return nullptr;
}

std::int32_t PropertyStore::ReadInt(const std::wstring& key, std::int32_t missing) const
{
    const PropertyValue* v = Find(key);
    if (!v) return missing;
    if (auto i = std::get_if<std::int32_t>(v)) return *i;
    // A stored boolean reads as a number the way the design's language counts truth.
    if (auto b = std::get_if<bool>(v)) return *b ? -1 : 0;
    return missing;
}

bool PropertyStore::ReadBool(const std::wstring& key, bool missing) const
{
    const PropertyValue* v = Find(key);
    if (!v) return missing;
    if (auto b = std::get_if<bool>(v)) return *b;
    if (auto i = std::get_if<std::int32_t>(v)) return *i != 0;
    return missing;
}

std::wstring PropertyStore::ReadString(const std::wstring& key, const std::wstring& missing) const
{
    const PropertyValue* v = Find(key);
    if (auto s = v ? std::get_if<std::wstring>(v) : nullptr) return *s;
    return missing;
}

FontDesc PropertyStore::ReadFont(const std::wstring& key, const FontDesc& missing) const
{
    const PropertyValue* v = Find(key);
    if (auto f = v ? std::get_if<FontDesc>(v) : nullptr) return *f;
    return missing;
}

PicturePtr PropertyStore::ReadPicture(const std::wstring& key) const
{
    const PropertyValue* v = Find(key);
    if (auto p = v ? std::get_if<PicturePtr>(v) : nullptr) return *p;
    return nullptr;
}
