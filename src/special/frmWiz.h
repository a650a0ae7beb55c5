#pragma once
// The special-program picker: the videos, flash movies, sounds, programs and screen savers in the
// program folder; a double-click or Play starts the chosen one the way its extension calls for.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/Controls.h"
#include "host/Form.h"
#include "host/ZelButtonOXP.h"

// The picker's buttons: Play between two Exit buttons.
namespace WizButton {
constexpr int Exit = 0;
constexpr int Play = 1;
constexpr int ExitRight = 2;
} // namespace WizButton

class frmWiz : public host::Form {
public:
    frmWiz();
    ~frmWiz() override;

    void cmd_Click(int index);
    // Starts the selected entry (what a double-click on it does); nothing without a selection.
    void Pick();

    // The entries the list shows, in its order, and the selected one (-1 for none).
    std::vector<std::wstring> Entries() const;
    int SelectedIndex() const;
    void SetSelectedIndex(int index);

    std::unique_ptr<host::PictureBox> picBar;
    host::ControlArray<ZelButtonOXP> cmd;
    host::Control Wiz;

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void FillList();
    void StartAssociated(const std::wstring& path);

    UniqueFont listFont_;
};
