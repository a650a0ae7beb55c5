#pragma once
// A program button placed through the host layer: twips geometry, tooltip and focus from
// host::Control, looks and events from ZelButtonOXP.
#include <string>

#include "controls/ProgramButtonDesign.h"
#include "controls/ZelButtonOXP.h"
#include "host/Controls.h"
#include "host/Form.h"

class BarButton : public host::Control {
public:
    BarButton(host::Form& form, HWND parent, int id, const std::wstring& designCaption)
        : Button(parent, id, designCaption, ProgramButtonDesign(designCaption))
    {
        Attach(Button.hwnd(), &form);
    }

    ZelButtonOXP Button;
};
