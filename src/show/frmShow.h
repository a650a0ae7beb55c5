#pragma once
// The show control bar: a thin always-on-top bar along the top of the screen that starts the
// slide show, hides itself while the pointer is away from the top edge, watches the show's
// window and offers the presenter's actions.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "host/Controls.h"
#include "host/Form.h"
#include "host/ZelButtonOXP.h"
#include "show/ShowTimers.h"
#include "show/WindowList.h"

class frmPen;
class frmWiz;

// Brings the main window back when the bar ends. The text is for the main window's status
// line: empty after a normal end, the reason when the show could not be started.
using ReturnToMain = std::function<void(const std::wstring& statusText)>;

class frmShow : public host::Form {
public:
    frmShow(ReturnToMain returnToMain, std::unique_ptr<WindowList> windows);
    ~frmShow() override;

    // Ends the bar: stops a playing sound, brings the main window back, ends a program started
    // from the picker and unloads the bar with its timers. The show keeps running.
    void GO_Exit();
    // Captures the screen and lets the presenter draw on it.
    void GO_PicOn();
    void cmd_Click(int index);

    bool ShowSeen() const { return watch_.ShowSeen; }
    // The task id of the slide show this bar started; 0 until it has started one.
    unsigned long ShowTaskId() const { return showTaskId_; }
    // The pen overlay while GO_PicOn shows it.
    frmPen* Pen() const { return pen_.get(); }

    std::unique_ptr<host::PictureBox> Picture1;
    host::ControlArray<ZelButtonOXP> cmd;
    int BarButtonCount = 0;
    // The auto-hide: 1 while the bar is in view, 0 while it is out of view.
    int BarShown = 0;
    host::Timer Timer1; // auto-hide
    host::Timer Timer2; // starts the show, once
    host::Timer Timer3; // watches the show's window

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void CreateButtons();
    void LayOut();
    void EndPickedProcess();
    void CloseShowWindow();
    void Guide();
    void Wizard();
    void UnloadPicker();
    void End(const std::wstring& statusText);

    ReturnToMain returnToMain_;
    std::unique_ptr<WindowList> windows_;
    show::LaunchOnce launch_;
    show::ShowWatch watch_;
    std::shared_ptr<frmPen> pen_;
    std::shared_ptr<frmWiz> picker_;
    unsigned long showTaskId_ = 0;
    bool ending_ = false;
};

namespace show {

// Loads and shows the bar for shared.ShowFile and shared.ShowFileName (the main window has
// hidden itself). The bar keeps itself alive until it ends; while one is open, it is returned.
frmShow& OpenShowBar(ReturnToMain returnToMain, std::unique_ptr<WindowList> windows = nullptr);

// The bar while it is loaded; nullptr otherwise.
frmShow* CurrentShowBar();

// The status text number shown when the show could not be started.
constexpr int ShowNotStartedText = 22;

} // namespace show
