#include "host/Win32Registry.h"

namespace host {

std::unique_ptr<Win32RegistryKey> Win32RegistryKey::Open(HKEY root, const std::wstring& path, REGSAM access)
{
    UniqueKey key;
    if (RegOpenKeyExW(root, path.c_str(), 0, access, key.put()) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32RegistryKey>(std::move(key));
}

RegistryQuery Win32RegistryKey::QueryValue(const std::wstring& name, std::byte* data, std::uint32_t& sizeBytes,
                                           std::uint32_t& type)
{
    DWORD size = sizeBytes;
    DWORD valueType = 0;
    const LONG result = RegQueryValueExW(key_.get(), name.empty() ? nullptr : name.c_str(), nullptr, &valueType,
                                         reinterpret_cast<BYTE*>(data), &size);
    sizeBytes = size;
    type = valueType;
    if (result == ERROR_SUCCESS) return RegistryQuery::Ok;
    return result == ERROR_MORE_DATA ? RegistryQuery::MoreData : RegistryQuery::Failed;
}

std::unique_ptr<RegistryKey> Win32Registry::OpenMachineKey(const std::wstring& path, std::uint32_t access,
                                                           RegistryView view)
{
    const REGSAM viewFlag = view == RegistryView::Bits32 ? KEY_WOW64_32KEY : 0;
    return Win32RegistryKey::Open(HKEY_LOCAL_MACHINE, path, access | viewFlag);
}

} // namespace host
