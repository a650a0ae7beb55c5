#pragma once
// The main window: start-up and shutdown of the program, the presentation browser and the
// command bar.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/ZelButtonOXP.h"
#include "host/Controls.h"
#include "host/DriveList.h"
#include "host/FileList.h"
#include "host/FolderList.h"
#include "host/Artwork.h"
#include "host/Form.h"
#include "host/Picture.h"
#include "mainwindow/PresentationList.h"

// A command button placed on a form: the control itself and its placement in twips.
struct CommandButton {
    std::unique_ptr<ZelButtonOXP> button;
    host::Control place;
    HWND hwnd() const { return button->hwnd(); }
};

class frmMain : public host::Form {
public:
    frmMain();
    ~frmMain() override;

    void GO_Resize();
    [[noreturn]] void GO_Exit();
    void GO_Add();
    void GO_Show();
    void WaitForEdit(const std::wstring& path, int windowStyle);
    void ApplyLanguage();

    // Picture n (1-based) of the command buttons' picture list; other windows use it too.
    std::shared_ptr<const Picture> ButtonPicture(int number);

    // For tests and the other windows.
    ZelButtonOXP& cmdButton(int index) { return *cmd(index).button; }
    host::Control& cmdPlace(int index) { return cmd(index).place; }
    HWND StatusBarWindow() const { return StatusBar; }
    std::wstring StatusText(int panel) const;
    void SetStatusText(int panel, const std::wstring& text);

    int ButtonCount = 0;
    int FormReady = 0;
    int RowHeight = 0;

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;
    void Form_Resize() override;
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void LoadPictures();
    void PlaceAtStoredPlacement();
    void ReadOptionsFile();
    void LoadLanguageFile();
    void PointBrowserAtStartFolder();
    void FindTextEditor();

    void cmd_Click(int index);
    void cmd_MouseMove(int index);
    void picCmd_Click(int index);
    void Title_MouseDown(double x, double y);
    void Title_MouseMove(int button, double x, double y);
    void Drive_Change();
    void Directory_Change();
    void lvDir_Click();
    void lvDir_DblClick();
    void ShowStatus(int panel, const std::wstring& text);
    void SelectShowFile();
    bool OnLine() const;
    void OpenAboutBox();

    std::unique_ptr<host::PictureBox> PicTitle;
    std::unique_ptr<host::Image> Image2;
    std::unique_ptr<host::Image> Picture1;
    std::unique_ptr<host::Image> Image1;
    host::ControlArray<host::PictureBox> picCmd;
    host::ControlArray<CommandButton> cmd;
    PresentationList lvDir;
    host::Control lvDirPlace;
    host::DriveList Drive;
    host::Control DrivePlace;
    host::FolderList Directory;
    host::Control DirectoryPlace;
    host::FileList FileDir;
    HWND StatusBar = nullptr;
    host::Control StatusBarPlace;

    std::vector<std::shared_ptr<const Picture>> ImageList1;
    std::vector<std::shared_ptr<const Picture>> ImageFlag;
    UniqueImageList listLarge_;
    UniqueImageList listSmall_;
    UniqueFont listFont_;
    UniqueFont titleFont_;
    std::vector<std::wstring> statusTexts_ = std::vector<std::wstring>(4);
};

// The program's one main window; it lives for the whole run.
frmMain& MainWindow();
