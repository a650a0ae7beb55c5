#pragma once
// The frozen picture of the screen that the pen overlay draws on, passed through the clipboard.
#include <windows.h>

#include "host/Handles.h"

namespace capture {

// Empties the clipboard; false when another program holds it open.
bool ClearClipboard(HWND owner);

// Presses and releases the Print Screen key.
void PressPrintScreen();

bool ClipboardHasBitmap();

// Copies the whole primary screen with GDI and puts it on the clipboard. Used when Print Screen
// left nothing there (a screenshot tool took the key, or the system does not handle it).
bool PutScreenOnClipboard(HWND owner);

// A copy of the clipboard's bitmap that the caller owns; empty when there is none.
UniqueBitmap ClipboardBitmap(HWND owner);

// A copy of the primary screen as it looks now.
UniqueBitmap CopyScreen();

} // namespace capture
