#pragma once
// The main window: start-up and shutdown of the program, the presentation browser and the
// command bar.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/ArtPaint.h"
#include "host/Artwork.h"
#include "host/Controls.h"
#include "host/DriveList.h"
#include "host/FileList.h"
#include "host/FolderList.h"
#include "host/Form.h"
#include "host/Picture.h"
#include "host/ZelButtonOXP.h"
#include "mainwindow/MainButtons.h"
#include "mainwindow/PresentationList.h"
#include "startup/LangFile.h"

// The three buttons of the title strip.
namespace TitleButton {
constexpr int Close = 0;
constexpr int FullScreen = 1;
constexpr int Minimize = 2;
} // namespace TitleButton

class frmMain : public host::Form {
public:
    frmMain();
    ~frmMain() override;

    void GO_Resize();
    // Saves what the next start needs and ends the program; returns only when the presenter
    // keeps a notes editor with unsaved typing open.
    void GO_Exit();
    void GO_Add();
    void GO_Show();
    void WaitForEdit(const std::wstring& path, int windowStyle);
    void ApplyLanguage();

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
    // Start-up, in the order Form_Load runs it.
    void LoadPictures();
    void CreateControls();
    void CreateTitleStrip();
    void CreateCommandButtons();
    void CreateBrowser();
    void HideUntilReady();
    void PlaceBelowBanner();
    void AddListColumns();
    void PlaceAtStoredPlacement();
    void FirstLayout();
    void FindProgramFolder();
    void ReadOptionsFile();
    void ShowButtonPictures();
    void LoadLanguageFile();
    void ShowLanguageButton();
    void PointBrowserAtStartFolder();
    void FindTextEditor();
    void ShowBrowser();
    void ShowWindowReady();
    void StartProbe();

    // The command bar and the title strip.
    void cmd_Click(int index);
    void cmd_MouseMove(int index);
    void picCmd_Click(int index);
    void OpenWebSiteOrAbout();
    void SwitchLanguage(const wchar_t* code, int shownButton, int hiddenButton);
    void EditLanguageFile();
    void OpenShowForEditing();
    void StartPresenter();
    bool OnLine() const;
    void OpenAboutBox();
    void Title_MouseDown(double x, double y);
    void Title_MouseMove(int button, double x, double y);

    // The browser.
    void Drive_Change();
    void Directory_Change();
    void lvDir_Click();
    void lvDir_DblClick();
    void ShowStatus(int panel, const std::wstring& text);
    // Sets ShowFileName and ShowFile from the selected row; false when the path is too long for
    // the presentation program to open.
    bool SelectShowFile();
    // Picture n (1-based) of the command buttons' picture list.
    std::shared_ptr<const Picture> ButtonPicture(int number) const;

    std::unique_ptr<host::PictureBox> PicTitle;
    std::unique_ptr<host::Image> Image2;
    std::unique_ptr<host::Image> Picture1;
    std::unique_ptr<host::Image> Image1;
    host::ControlArray<host::PictureBox> picCmd;
    host::ControlArray<ZelButtonOXP> cmd;
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
    std::shared_ptr<ScaledArt> title_;
    std::shared_ptr<ScaledArt> banner_;
    std::shared_ptr<ScaledArt> background_;
    std::vector<std::wstring> statusTexts_ = std::vector<std::wstring>(4);

    // What this window alone keeps: the language file as read, the browser's folders and
    // pattern, the programs it starts, the title drag and the rows that fit the list.
    LanguageFile languageFile_;
    std::wstring FilePattern;
    std::wstring CurrentFolder;
    std::wstring StartFolder;
    std::wstring TextEditorPath;
    std::wstring PresenterExe;
    int DragX = 0;
    int DragY = 0;
    int VisibleRows = 0;
};
