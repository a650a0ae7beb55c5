#pragma once
// The road of one show driven from outside: a folder with one presentation, Vistora started on
// it with the row clicked, the show started, and Vistora's windows found on the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "VistoraApp.h"

namespace e2e {

// The bar's buttons have this control id plus their index.
constexpr int BarButtonId = 200;

// Vistora's own visible topmost forms: the bar is a thin strip, the overlay covers the screen.
HWND FindForm(DWORD pid, bool overlay);
HWND Bar(const VistoraApp& app);
HWND Overlay(const VistoraApp& app);
// A visible form of the process with a direct child of this class (and, unless 0, this id).
HWND FindFormWithChild(DWORD pid, const wchar_t* childClass, int childId = 0);
// The picker's list and buttons (the buttons' id plus their index).
constexpr int PickerListId = 100;
constexpr int PickerButtonId = 200;
// The notes editor: the form that holds a rich-text control.
inline HWND FindEditor(DWORD pid) { return FindFormWithChild(pid, L"RICHEDIT50W"); }
// The picker: the form that holds the list of special programs.
inline HWND FindPicker(DWORD pid) { return FindFormWithChild(pid, L"ListBox", PickerListId); }
// The stand-in's show window for a presentation file name, while it is visible.
HWND ShowWindowOf(const std::wstring& fileName);
// A child window anywhere below root with this control id.
HWND ChildById(HWND root, int id);
// The labels (statics) below root, from left to right.
std::vector<HWND> Statics(HWND root);
int Top(HWND hwnd);
// The screen as a 24-bit BMP, for a person to look at: name.bmp in the folder, by default the
// build folder's screens folder.
void SaveScreen(const std::wstring& name, const std::wstring& folder = L"");

// A folder with one presentation, a started Vistora showing it, and the row clicked.
class ShowRoadTest : public ::testing::Test {
protected:
    explicit ShowRoadTest(const std::wstring& programFolderName = L"vistora-e2e") : app_(true, true, programFolderName) {}
    void SetUp() override;
    void TearDown() override;

    std::wstring PeerLog() const { return talks_ / L"peer.log"; }
    // Presses the start button; returns the bar once the show's window is up.
    HWND StartShow();
    // Brings the bar into view with the pointer at the top edge and clicks one of its buttons.
    void ClickBarButton(HWND bar, int index);
    // Presses one of the bar's buttons the way its access key does, wherever the bar is. Under
    // Xvfb, which has no window manager, Wine stops moving the bar on the screen once another
    // window of Vistora has been active, so the pointer cannot bring it back for a click.
    void PressBarButton(HWND bar, int index);
    bool MainIsBack();

    static inline const std::wstring Name = L"MY TALK.PPT";
    testsupport::ScratchFolder talks_{L"talks"};
    VistoraApp app_;
};

} // namespace e2e
