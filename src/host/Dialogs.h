#pragma once
#include <windows.h>

#include <string>

namespace host {

// A message box owned by the active window of the program; returns the button pressed (IDOK...).
// flags are MessageBox's: buttons | icon.
int MsgBox(const std::wstring& text, UINT flags, const std::wstring& title);

} // namespace host
