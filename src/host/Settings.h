#pragma once
// The per-user application settings store, where programs of this kind keep them:
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, string values.
#include <string>

namespace host {

std::wstring GetSetting(const std::wstring& application, const std::wstring& section, const std::wstring& key,
                        const std::wstring& defaultValue = L"");
bool SaveSetting(const std::wstring& application, const std::wstring& section, const std::wstring& key,
                 const std::wstring& value);

} // namespace host
