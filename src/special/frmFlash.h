#pragma once
// The flash player: a full-screen black window that plays one flash movie under a bar of six
// buttons (four sizes for the movie, two exits). The bar leaves the screen when the pointer moves
// down and comes back when it touches the top edge. Escape ends the whole program.
#include <memory>
#include <optional>

#include "host/Controls.h"
#include "host/FlashPlayer.h"
#include "host/Form.h"
#include "host/KeyPreview.h"
#include "host/ZelButtonOXP.h"

class frmFlash : public host::Form {
public:
    explicit frmFlash(HWND owner = nullptr);
    ~frmFlash() override;

    void cmd_Click(int index);

    std::unique_ptr<host::PictureBox> Picture1; // the button bar
    host::ControlArray<ZelButtonOXP> cmd;       // 1..6
    std::unique_ptr<host::FlashPlayer> Flash;
    host::Timer Timer1; // the bar's auto-hide
    // Which auto-hide test the next tick makes: 0 the show test, 1 the hide test.
    int CheckPhase = 0;
    // A pointer below this screen row hides the bar.
    int HideLimit = 0;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void Timer1_Timer();
    void ScaleMovie(double divisor);
    void EndProgram();

    std::unique_ptr<host::KeyPreview> keys_;
};
