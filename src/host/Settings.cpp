#include "host/Settings.h"

#include <windows.h>

#include "host/Handles.h"
#include "host/Win32Registry.h"

namespace host {

namespace {
std::wstring KeyPath(const std::wstring& application, const std::wstring& section)
{
    return L"Software\\VB and VBA Program Settings\\" + application + L"\\" + section;
}
} // namespace

std::wstring GetSetting(const std::wstring& application, const std::wstring& section, const std::wstring& key,
                        const std::wstring& defaultValue)
{
    const auto hkey = Win32RegistryKey::Open(HKEY_CURRENT_USER, KeyPath(application, section), KEY_QUERY_VALUE);
    if (!hkey) return defaultValue;
    return ReadTextValue(*hkey, key).value_or(defaultValue);
}

bool SaveSetting(const std::wstring& application, const std::wstring& section, const std::wstring& key,
                 const std::wstring& value)
{
    UniqueKey hkey;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, hkey.put(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExW(hkey.get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

} // namespace host
