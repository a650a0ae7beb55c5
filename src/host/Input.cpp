#include "host/Input.h"

namespace host {

namespace {
int AltMask() { return GetKeyState(VK_MENU) < 0 ? 4 : 0; }
} // namespace

int ButtonMask(WPARAM keys)
{
    int mask = 0;
    if (keys & MK_LBUTTON) mask |= 1;
    if (keys & MK_RBUTTON) mask |= 2;
    if (keys & MK_MBUTTON) mask |= 4;
    return mask;
}

int ShiftMask(WPARAM keys)
{
    int mask = AltMask();
    if (keys & MK_SHIFT) mask |= 1;
    if (keys & MK_CONTROL) mask |= 2;
    return mask;
}

int KeyShiftMask()
{
    int mask = AltMask();
    if (GetKeyState(VK_SHIFT) < 0) mask |= 1;
    if (GetKeyState(VK_CONTROL) < 0) mask |= 2;
    return mask;
}

} // namespace host
