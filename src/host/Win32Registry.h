#pragma once
// The registry port over the Win32 registry functions.
#include <windows.h>

#include "host/Handles.h"
#include "host/Registry.h"

namespace host {

class Win32RegistryKey final : public RegistryKey {
public:
    explicit Win32RegistryKey(UniqueKey key) : key_(std::move(key)) {}
    // Null when the key is missing or cannot be opened with these access rights.
    static std::unique_ptr<Win32RegistryKey> Open(HKEY root, const std::wstring& path, REGSAM access);

    RegistryQuery QueryValue(const std::wstring& name, std::byte* data, std::uint32_t& sizeBytes,
                             std::uint32_t& type) override;

private:
    UniqueKey key_;
};

class Win32Registry final : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenMachineKey(const std::wstring& path, std::uint32_t access,
                                                RegistryView view) override;
};

} // namespace host
