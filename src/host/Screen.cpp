#include "host/Screen.h"

#include <windows.h>

#include "host/Handles.h"
#include "host/Twips.h"

namespace screen {

int Dpi()
{
    static const int dpi = [] {
        const WindowDc dc(nullptr);
        const int value = dc ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int WidthPixels() { return GetSystemMetrics(SM_CXSCREEN); }
int HeightPixels() { return GetSystemMetrics(SM_CYSCREEN); }
double WidthTwips() { return ToTwips(WidthPixels()); }
double HeightTwips() { return ToTwips(HeightPixels()); }
int ToPixels(double twipsValue) { return twips::ToPixels(twipsValue, Dpi()); }
double ToTwips(int pixels) { return twips::FromPixels(pixels, Dpi()); }

} // namespace screen
