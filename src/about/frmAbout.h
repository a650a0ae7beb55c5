#pragma once
// The About box: artwork, version, maker and the author's address; one button closes it.
#include <memory>

#include "host/Controls.h"
#include "host/Form.h"
#include "host/ZelButtonOXP.h"

class frmAbout : public host::Form {
public:
    // The caller is the owner; its exit picture goes on the close button.
    frmAbout(HWND owner, PicturePtr exitPicture);
    ~frmAbout() override;

    host::ControlArray<ZelButtonOXP> cmd;
    std::unique_ptr<host::Image> Picture1;
    std::unique_ptr<host::Image> Image1;
    std::unique_ptr<host::Image> Image2;
    std::unique_ptr<host::Label> Label4, Label5, Label6, Label7;

protected:
    void Form_Load() override;

private:
    void cmd_Click(int index);
    void cmd_MouseMove(int index);

    PicturePtr exitPicture_;
};
