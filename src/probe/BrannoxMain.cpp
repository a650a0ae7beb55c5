// Brannox: tells Vistora through ZelSuite.tmp whether this machine is on line.
#include "probe/Main.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    Main form;
    return form.Form_Load(instance);
}
