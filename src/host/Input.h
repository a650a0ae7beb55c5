#pragma once
// The classic masks of mouse and keyboard events: buttons 1 left, 2 right, 4 middle; modifiers
// 1 Shift, 2 Ctrl, 4 Alt.
#include <windows.h>

namespace host {

// The buttons held, from a mouse message's key flags.
int ButtonMask(WPARAM keys);
// The modifiers of a mouse message: Shift and Ctrl from its key flags, Alt (which mouse messages
// do not carry) from the keyboard's state.
int ShiftMask(WPARAM keys);
// The modifiers of a keyboard message, from the keyboard's state.
int KeyShiftMask();

} // namespace host
