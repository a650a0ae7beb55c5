#include "host/Settings.h"

#include <windows.h>

#include <vector>

#include "host/Handles.h"

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
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, KEY_QUERY_VALUE, &raw) !=
        ERROR_SUCCESS)
        return defaultValue;
    UniqueKey hkey(raw);
    // The value may change between the size query and the read; retry with the new size.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0, bytes = 0;
        if (RegQueryValueExW(hkey.get(), key.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            return defaultValue;
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD size = bytes;
        LONG rc = RegQueryValueExW(hkey.get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                                   &size);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS) return defaultValue;
        size_t chars = size / sizeof(wchar_t);
        std::wstring value(buffer.data(), chars);
        while (!value.empty() && value.back() == L'\0') value.pop_back();
        return value;
    }
    return defaultValue;
}

bool SaveSetting(const std::wstring& application, const std::wstring& section, const std::wstring& key,
                 const std::wstring& value)
{
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return false;
    UniqueKey hkey(raw);
    return RegSetValueExW(hkey.get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool DeleteSetting(const std::wstring& application, const std::wstring& section, const std::wstring& key)
{
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, KEY_SET_VALUE, &raw) !=
        ERROR_SUCCESS)
        return false;
    UniqueKey hkey(raw);
    return RegDeleteValueW(hkey.get(), key.c_str()) == ERROR_SUCCESS;
}

} // namespace host
