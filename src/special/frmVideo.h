#pragma once
// The video player: a full-screen, topmost window that plays one video over the show, the
// picture framed in the middle of a dark blue ground under a bar of eight buttons (halt, play,
// double and own size, full window, sound settings, two exits). In the full-window mode the
// bar hides itself and comes back when the pointer touches the top edge of the screen.
#include <memory>
#include <optional>

#include "host/Controls.h"
#include "host/Form.h"
#include "host/MediaPlayer.h"
#include "host/ZelButtonOXP.h"

class frmVideo : public host::Form {
public:
    frmVideo();
    ~frmVideo() override;

    // Lays out the frame around the player's current size.
    void GO_Resize();
    void cmd_Click(int index);

    std::unique_ptr<host::PictureBox> Menu; // the button bar
    host::ControlArray<ZelButtonOXP> cmd;   // 0..7
    std::unique_ptr<host::PictureBox> Pic;  // the frame around the player
    std::unique_ptr<host::MediaPlayer> MediaPlayer1;
    host::Timer Timer1; // the bar's auto-hide, in the full-window mode only

    int ButtonCount = 0;
    // 1 while the full-window mode is on.
    int FullWindow = 0;

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;
    void Form_Unload() override;
    void Form_Resize() override;
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void Menu_Click();
    void Timer1_Timer();
    void SwitchFullWindow();
    void FillWindow();
    void ShowAtSize(int displaySize);
    void MakeTopmost(bool topmost);
};
