#pragma once
// The notes editor: the presenter's speaker notes for the running presentation (mode 2) or the
// program's guide document (mode 3) in a rich-text window with Font, Save and two Exit buttons.
#include <memory>
#include <optional>
#include <string>

#include "host/Controls.h"
#include "host/Form.h"
#include "host/RichText.h"
#include "host/ZelButtonOXP.h"
#include "notes/EditLayout.h"

// The button indices of the editor's bar.
namespace EditButton {
constexpr int Exit = 1;
constexpr int Font = 2;
constexpr int Save = 3;
constexpr int ExitRight = 4;
} // namespace EditButton

class frmEdit : public host::Form {
public:
    // The window's size as designed, in twips: the first placement centres a window of this size.
    static constexpr double DesignWidthTwips = 7200;
    static constexpr double DesignHeightTwips = 5400;

    explicit frmEdit(HWND owner = nullptr);
    ~frmEdit() override;

    // Stores the placement, then hides the window; with unsaved typing only after the presenter
    // agrees to close without saving.
    void GO_Exit();
    void cmd_Click(int index);
    // Asks whether unsaved typing may be lost; true when there is none or the answer is Yes.
    bool MayLoseTyping();
    // Writes the text to its file; false, after telling the presenter why, when it could not.
    bool Save();

    // The mode the window was loaded in, and the file it shows and saves to.
    int Mode() const { return mode_; }
    const std::wstring& FilePath() const { return filePath_; }
    std::wstring StripText() const { return stripText_; }

    std::unique_ptr<host::PictureBox> Lab;
    std::unique_ptr<host::Image> Img;
    host::ControlArray<ZelButtonOXP> cmd;
    std::unique_ptr<host::RichText> Rich1;
    // The speaker-notes file in mode 2.
    std::wstring NotesPath;

protected:
    void Form_Load() override;
    void Form_Resize() override;
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void PlaceAtStoredPlacement();
    void LoadText(const std::wstring& path);
    void SetStrip(const std::wstring& text);
    void ChooseFont();
    void Lab_MouseDown(double x, double y);
    void Lab_MouseMove(int button, double x, double y);
    void Lab_MouseUp();

    int mode_ = 0;
    std::wstring filePath_;
    std::wstring stripText_;
    UniqueFont stripFont_;
    bool loading_ = false;
    double DragX = 0;
    int DragY = 0;
};
