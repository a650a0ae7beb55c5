#pragma once
// Functions of system libraries that only some commands use, bound at their first use: loading
// the libraries at start-up would cost every start for a dialog or a sound it may never need.
#include <windows.h>

namespace host {

// The function from the system folder's library, or null where the library or the function is
// missing. A library already loaded is not loaded again.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name)
{
    HMODULE module = GetModuleHandleW(library);
    if (!module) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace host
