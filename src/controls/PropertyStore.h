#pragma once
// The per-control store of a window's design: values under short keys, matched without regard
// to case, kept in the order they were first written.
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "controls/ButtonPicture.h"
#include "controls/FontDesc.h"

using PropertyValue = std::variant<std::int32_t, bool, std::wstring, FontDesc, PicturePtr>;

class PropertyStore {
public:
    void Write(const std::wstring& key, PropertyValue value);
    bool Has(const std::wstring& key) const { return Find(key) != nullptr; }
    const PropertyValue* Find(const std::wstring& key) const;

    // Typed reads with the value to use when the key is missing. Numbers and booleans convert
    // into each other; any other mismatch counts as missing.
    std::int32_t ReadInt(const std::wstring& key, std::int32_t missing) const;
    bool ReadBool(const std::wstring& key, bool missing) const;
    std::wstring ReadString(const std::wstring& key, const std::wstring& missing) const;
    FontDesc ReadFont(const std::wstring& key, const FontDesc& missing) const;
    PicturePtr ReadPicture(const std::wstring& key) const;

    const std::vector<std::pair<std::wstring, PropertyValue>>& Entries() const { return entries_; }

private:
    std::vector<std::pair<std::wstring, PropertyValue>> entries_;
};
