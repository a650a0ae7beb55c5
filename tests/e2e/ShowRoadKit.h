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
constexpr int WizardButton = 4;
// The picker's list and buttons (this id plus their index).
constexpr int PickerListId = 100;
constexpr int PickerButtonId = 200;

// Vistora's own visible topmost forms: the bar is a thin strip, the overlay covers the screen.
HWND FindForm(DWORD pid, bool overlay);
HWND Bar(const VistoraApp& app);
HWND Overlay(const VistoraApp& app);
// Vistora's picker: a visible form of the process that holds the list of special programs.
HWND FindPicker(DWORD pid);
// The notes editor: a visible form of the process holding a rich-text control.
HWND FindEditor(DWORD pid);
// The stand-in's show window for a presentation file name, while it is visible.
HWND ShowWindowOf(const std::wstring& fileName);
using testsupport::ChildById;
// The labels (statics) below root, from left to right.
std::vector<HWND> Statics(HWND root);
int Top(HWND hwnd);
// The screen as a 24-bit BMP in the build folder's screens folder, for a person to look at.
void SaveScreen(const std::wstring& name, const std::wstring& folderOrDefault = L"");

// A folder with one presentation, a started Vistora showing it, and the row clicked.
class ShowRoadTest : public ::testing::Test {
protected:
    explicit ShowRoadTest(const std::wstring& programFolderName = L"vistora-e2e") : app_(true, true, programFolderName) {}
    void SetUp() override;
    void TearDown() override;

    std::wstring PeerLog() const { return talks_ / L"peer.log"; }
    // Presses the start button; returns the bar once the show's window is up and, unless told
    // otherwise, once the bar's watch has had time to see it.
    HWND StartShow(bool letTheWatchSeeIt = true);
    // Brings the bar into view with the pointer at the top edge and clicks one of its buttons.
    void ClickBarButton(HWND bar, int index);
    // Presses one of the bar's buttons the way its access key does, wherever the bar is. Under
    // Xvfb, which has no window manager, Wine stops moving the bar on the screen once another
    // window of Vistora has been active, so the pointer cannot bring it back for a click.
    void PressBarButton(HWND bar, int index);
    bool MainIsBack();
    // Opens the picker from the bar; nullptr when it did not show.
    HWND OpenPicker(HWND bar);
    // Selects an entry and presses Play.
    void Pick(HWND picker, const std::wstring& entry);
    bool PickerGone();

    static inline const std::wstring Name = L"MY TALK.PPT";
    testsupport::ScratchFolder talks_{L"talks"};
    VistoraApp app_;
};

} // namespace e2e
