#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ShowRoadKit.h"

using e2e::VistoraApp;
using namespace e2e;
using testsupport::ReadBytes;
using testsupport::WaitFor;
using testsupport::WindowText;

namespace {

constexpr int GuideButton = 3;
constexpr int EditSave = 303;
constexpr int EditExit = 301;
constexpr int MainGuide = 7;
constexpr int MainItalian = 3;

void Type(const std::wstring& text)
{
    for (wchar_t c : text) {
        INPUT input[2]{};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wScan = input[1].ki.wScan = c;
        input[0].ki.dwFlags = KEYEVENTF_UNICODE;
        input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
        Sleep(20);
    }
    Sleep(300);
}

// The text of the editor's rich-text control; another process's control text comes only
// through WM_GETTEXT.
std::wstring EditorText(HWND editor)
{
    HWND text = FindWindowExW(editor, nullptr, L"RICHEDIT50W", nullptr);
    std::wstring buffer(static_cast<std::size_t>(SendMessageW(text, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    buffer.resize(static_cast<std::size_t>(
        SendMessageW(text, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()))));
    return buffer;
}

class NotesRoad : public ShowRoadTest {};

} // namespace

TEST_F(NotesRoad, GuideDuringTheShowKeepsNotesBesideThePresentation)
{
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    PressBarButton(bar, GuideButton);
    HWND editor = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (editor = FindEditor(app_.Pid())) != nullptr; }, 5000));
    EXPECT_EQ(WindowText(editor), L"Speaker notes - my talk");

    VistoraApp::Click(FindWindowExW(editor, nullptr, L"RICHEDIT50W", nullptr));
    Type(L"Buongiorno citt\u00E0");
    VistoraApp::Click(ChildById(editor, EditSave));
    const std::wstring notes = talks_ / L"MY TALK.rtf";
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(notes).find("Buongiorno") != std::string::npos; }, 3000));
    EXPECT_EQ(ReadBytes(notes).rfind("{\\rtf", 0), 0u);
    SaveScreen(L"notes_over_show");

    // Exit hides it; the next Guide press shows the same window with the same text.
    VistoraApp::Click(ChildById(editor, EditExit));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(editor); }, 3000));
    PressBarButton(bar, GuideButton);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(editor) != 0; }, 3000));
    EXPECT_EQ(EditorText(editor).find(L"Buongiorno citt\u00E0"), 0u);

    // Unsaved typing: the second Guide press asks, and No keeps the notes.
    VistoraApp::Click(FindWindowExW(editor, nullptr, L"RICHEDIT50W", nullptr));
    Type(L" x");
    {
        testsupport::MessageBoxWatch watch(IDNO);
        PressBarButton(bar, GuideButton);
        ASSERT_TRUE(WaitFor([&] { return watch.count() == 1; }, 5000));
        EXPECT_EQ(watch.seen()[0].text, L"The notes are not saved. Close without saving?");
    }
    EXPECT_TRUE(IsWindowVisible(editor));
    {
        testsupport::MessageBoxWatch watch(IDYES);
        PressBarButton(bar, GuideButton);
        ASSERT_TRUE(WaitFor([&] { return watch.count() == 1; }, 5000));
    }
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(editor); }, 3000));
    EXPECT_EQ(ReadBytes(notes).find(" x"), std::string::npos) << "nothing was saved unasked";
}

TEST(NotesGuide, FollowsTheLanguageOfTheMainWindow)
{
    e2e::ForgetSettings();
    VistoraApp app;
    HWND main = app.StartAndWait();
    ASSERT_NE(main, nullptr);
    // English first; then the Italian button switches the language and the guide follows it.
    const struct {
        const wchar_t* file;
        const wchar_t* screen;
    } guides[] = {{L"\\vistoraeng.rtf", L"guide_english"}, {L"\\vistoraown.rtf", L"guide_italian"}};
    for (const auto& guide : guides) {
        VistoraApp::Click(app.Button(MainGuide));
        HWND editor = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (editor = FindEditor(app.Pid())) != nullptr; }, 5000));
        const std::wstring strip = WindowText(editor);
        const std::wstring expected = guide.file;
        ASSERT_GE(strip.size(), expected.size());
        EXPECT_EQ(strip.substr(strip.size() - expected.size()), expected);
        EXPECT_FALSE(IsWindowEnabled(main)) << "modal over the main window";
        EXPECT_FALSE(EditorText(editor).empty()) << "the guide ships beside the program";
        SaveScreen(guide.screen);
        VistoraApp::Click(ChildById(editor, EditExit));
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(editor); }, 3000)) << "unloaded when it closes";
        EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != 0; }, 2000));
        VistoraApp::Click(app.Button(MainItalian));
        WaitFor([&] { return !IsWindowVisible(app.Button(MainItalian)); }, 2000);
    }
}
