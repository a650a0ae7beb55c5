#include "host/Dialogs.h"

namespace host {

int MsgBox(const std::wstring& text, UINT flags, const std::wstring& title)
{
    HWND owner = GetActiveWindow();
    return MessageBoxW(owner, text.c_str(), title.c_str(), flags | MB_SETFOREGROUND);
}

} // namespace host
