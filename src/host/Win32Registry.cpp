#include "host/Win32Registry.h"

#include "host/Handles.h"

namespace {

class Win32RegistryKey final : public RegistryKey {
public:
    explicit Win32RegistryKey(UniqueKey key) : key_(std::move(key)) {}

    RegistryQuery QueryDefault(std::byte* data, std::uint32_t& sizeBytes,
                               std::uint32_t& type) override
    {
        DWORD size = sizeBytes;
        DWORD valueType = 0;
        const LONG result = RegQueryValueExW(key_.get(), nullptr, nullptr, &valueType,
                                             reinterpret_cast<BYTE*>(data), &size);
        sizeBytes = size;
        type = valueType;
        if (result == ERROR_SUCCESS) return RegistryQuery::Ok;
        return result == ERROR_MORE_DATA ? RegistryQuery::MoreData : RegistryQuery::Failed;
    }

private:
    UniqueKey key_;
};

} // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenMachineKey(const std::wstring& path,
                                                           std::uint32_t access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32RegistryKey>(UniqueKey(key));
}
