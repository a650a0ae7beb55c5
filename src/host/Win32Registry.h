#pragma once
// The locator's registry port over the Win32 registry functions.
#include "startup/Registry.h"

class Win32Registry final : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenMachineKey(const std::wstring& path,
                                                std::uint32_t access) override;
};
