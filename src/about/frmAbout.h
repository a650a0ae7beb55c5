#pragma once
// The About box: artwork, version, maker and the author's address; one button closes it.
#include <memory>

#include "controls/ZelButtonOXP.h"
#include "host/Controls.h"
#include "host/Form.h"

class frmAbout : public host::Form {
public:
    frmAbout();
    ~frmAbout() override;

    struct Button {
        std::unique_ptr<ZelButtonOXP> button;
        host::Control place;
        HWND hwnd() const { return button->hwnd(); }
    };
    host::ControlArray<Button> cmd;
    std::unique_ptr<host::Image> Picture1;
    std::unique_ptr<host::Image> Image1;
    std::unique_ptr<host::Image> Image2;
    std::unique_ptr<host::Label> Label4, Label5, Label6, Label7;

protected:
    void Form_Load() override;

private:
    void cmd_Click(int index);
    void cmd_MouseMove(int index);
};
