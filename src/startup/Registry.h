#pragma once
// The registry as the presenter locator reads it: keys under HKEY_LOCAL_MACHINE and their
// default values, queried the way RegQueryValueEx answers.
#include <cstddef>
#include <cstdint>
#include <memory>
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
    // One query of the key's default (unnamed) value. With data null only its size is asked
    // for; otherwise sizeBytes is the capacity of data on entry and the value's size on return.
    virtual RegistryQuery QueryDefault(std::byte* data, std::uint32_t& sizeBytes,
                                       std::uint32_t& type) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Null when the key is missing or cannot be opened with these access rights.
    virtual std::unique_ptr<RegistryKey> OpenMachineKey(const std::wstring& path,
                                                        std::uint32_t access) = 0;
};
