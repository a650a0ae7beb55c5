#pragma once
// The registry as the program reads it: keys and their text values, queried the way
// RegQueryValueEx answers. Portable, so that the reading is tested against fakes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace registry_type {
constexpr std::uint32_t String = 1;       // REG_SZ
constexpr std::uint32_t ExpandString = 2; // REG_EXPAND_SZ
} // namespace registry_type

enum class RegistryQuery {
    Ok,       // sizeBytes and type describe the value; data (when given) holds it
    MoreData, // data was too small; sizeBytes holds the size the value has now
    Failed,   // no such value, or it cannot be read
};

class RegistryKey {
public:
    virtual ~RegistryKey() = default; // closes the key
    // One query of a value (the empty name is the key's default value). With data null only
    // its size is asked for; otherwise sizeBytes is the capacity of data on entry and the
    // value's size on return.
    virtual RegistryQuery QueryValue(const std::wstring& name, std::byte* data, std::uint32_t& sizeBytes,
                                     std::uint32_t& type) = 0;
};

// On 64-bit Windows a 32-bit program's registrations live in a registry view of their own.
enum class RegistryView {
    Native, // the view of the running program
    Bits32, // the view 32-bit programs see
};

class Registry {
public:
    virtual ~Registry() = default;
    // Null when the key is missing from that view or cannot be opened with these access rights.
    virtual std::unique_ptr<RegistryKey> OpenMachineKey(const std::wstring& path, std::uint32_t access,
                                                        RegistryView view) = 0;
};

// A text value, cut at its first NUL; nothing when it is missing, not text, larger than any
// value worth reading, or keeps changing size while it is read.
std::optional<std::wstring> ReadTextValue(RegistryKey& key, const std::wstring& name = {});
