#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>
#include <richedit.h>

#include <string>
#include <thread>

#include "ShowTestTexts.h"
#include "WineTestSupport.h"
#include "app/Shared.h"
#include "host/MessageLoop.h"
#include "host/Screen.h"
#include "notes/NotesEditor.h"
#include "notes/frmEdit.h"

using testsupport::MessageBoxWatch;
using testsupport::ReadBytes;
using testsupport::ScratchFolder;
using testsupport::WaitFor;
using testsupport::WriteBytes;

namespace {

constexpr wchar_t SettingsKey[] = L"Software\\VB and VBA Program Settings\\Vistora\\Settings";

std::wstring StoredEditSetting(const wchar_t* name)
{
    wchar_t value[64]{};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, SettingsKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return value;
}

void ForgetEditPlacement()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    for (const wchar_t* name : {L"EditLeft", L"EditTop", L"EditWidth", L"EditHeight"}) RegDeleteValueW(key, name);
    RegCloseKey(key);
}

void Press(WORD key)
{
    testsupport::PressKey(key);
    host::SleepPumping(60);
}

void Type(const std::wstring& text)
{
    for (wchar_t c : text) {
        INPUT input[2]{};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wScan = input[1].ki.wScan = c;
        input[0].ki.dwFlags = KEYEVENTF_UNICODE;
        input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
    }
    host::SleepPumping(200);
}

RECT ScreenRect(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// Each case starts with the notes of TALK.PPT in its own folder and no stored placement.
class NotesEditorWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        NumberTheTexts();
        shared.CaptionPad = L"  ";
        shared.TooltipSwitch = L"YES";
        shared.NotesDirty = false;
        shared.NotesOpen = 0;
        shared.EditorMode = 2;
        shared.ShowFileName = L"TALK.PPT";
        shared.NotesShowFile = folder / L"TALK.PPT";
        shared.ProgramFolder = folder.path();
        shared.LangCode = L"ENG";
        ForgetEditPlacement();
    }
    void TearDown() override
    {
        shared.NotesDirty = false;
        notes::CloseEditor();
        host::ReleasePending();
    }

    frmEdit& Open()
    {
        notes::OpenNotes();
        frmEdit* editor = notes::LoadedEditor();
        EXPECT_NE(editor, nullptr);
        SetForegroundWindow(editor->hwnd());
        editor->Rich1->SetFocus();
        return *editor;
    }

    ScratchFolder folder{L"notes"};
};

} // namespace

TEST_F(NotesEditorWindow, OpensTheNotesBesideThePresentationHalfScreenWithItsTitleStripAndButtons)
{
    ASSERT_TRUE(WriteBytes(folder / L"TALK.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0 Welcome everybody\\par}"));
    frmEdit& editor = Open();
    EXPECT_EQ(editor.NotesPath, folder / L"TALK.rtf");
    EXPECT_NE(editor.Rich1->Text().find(L"Welcome everybody"), std::wstring::npos);
    EXPECT_EQ(editor.StripText(), L"T32talk");
    EXPECT_EQ(testsupport::WindowText(editor.Lab->hwnd()), L"T32talk");
    EXPECT_FALSE(shared.NotesDirty) << "reading the file is no typing";

    // First use: half the screen, placed where a window of the design size would be centred.
    const double pixel = screen::ToTwips(1);
    EXPECT_NEAR(editor.Width(), screen::WidthTwips() / 2, pixel);
    EXPECT_NEAR(editor.Height(), screen::HeightTwips() / 2, pixel);
    EXPECT_NEAR(editor.Left(), (screen::WidthTwips() - frmEdit::DesignWidthTwips) / 2, pixel);
    EXPECT_NEAR(editor.Top(), (screen::HeightTwips() - frmEdit::DesignHeightTwips) / 2, pixel);
    EXPECT_FALSE(GetWindowLongW(editor.hwnd(), GWL_STYLE) & WS_CAPTION) << "the strip is the title";
    EXPECT_TRUE(GetWindowLongW(editor.hwnd(), GWL_STYLE) & WS_THICKFRAME) << "sizable";

    // The layout of the inner area: quarter-width buttons under the strip, the text below them.
    const double s = editor.ScaleWidth();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(editor.cmd(i).Width(), s / 4, pixel) << i;
        EXPECT_NEAR(editor.cmd(i).Top(), 490, pixel) << i;
        EXPECT_NEAR(editor.cmd(i).Height(), 405, pixel) << i;
        EXPECT_NEAR(editor.cmd(i).Left(), 10 + (i - 1) * (s / 4 - 15), pixel) << i;
    }
    EXPECT_NEAR(editor.Lab->Width(), s, pixel);
    EXPECT_NEAR(editor.Lab->Height(), 450, pixel);
    EXPECT_NEAR(editor.Rich1->Top(), 895, pixel);
    EXPECT_NEAR(editor.Rich1->Top() + editor.Rich1->Height(), editor.ScaleHeight() + 10, pixel);

    EXPECT_EQ(editor.cmd(1).Caption(), L"  C7");
    EXPECT_EQ(editor.cmd(2).Caption(), L"  C11");
    EXPECT_EQ(editor.cmd(3).Caption(), L"  C10");
    EXPECT_EQ(editor.cmd(4).Caption(), L"  C7");
    EXPECT_EQ(editor.cmd(2).ToolTipText(), L"T11");
    EXPECT_EQ(editor.cmd(1).ColorScheme(), 1) << "the left Exit follows the system colours";
    EXPECT_EQ(editor.cmd(4).ColorScheme(), 2);
    EXPECT_TRUE(editor.cmd(1).PictureNormal());

    // Resizing lays it out again; a tiny window gives the text no height at all.
    editor.Move(editor.Left(), editor.Top(), 3000, 600);
    EXPECT_NEAR(editor.cmd(4).Left(), 10 + 3 * (editor.ScaleWidth() / 4 - 15), pixel);
    EXPECT_NEAR(editor.Rich1->Height(), 0, pixel);
}

TEST_F(NotesEditorWindow, TypingMakesNotesDirtyAndSaveWritesThemInOneStepThenTheyComeBack)
{
    frmEdit& editor = Open();
    EXPECT_EQ(editor.Rich1->Text(), L"");
    Type(L"Say hello");
    EXPECT_TRUE(shared.NotesDirty);
    editor.cmd_Click(EditButton::Save);
    EXPECT_FALSE(shared.NotesDirty);
    const std::string saved = ReadBytes(folder / L"TALK.rtf");
    EXPECT_EQ(saved.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(saved.find("Say hello"), std::string::npos);
    EXPECT_FALSE(testsupport::FileExistsForTest(folder / L"TALK.rtf.new")) << "the temporary file is gone";

    // Exit with nothing unsaved asks nothing; the next Guide press shows the same window.
    const HWND window = editor.hwnd();
    {
        MessageBoxWatch watch(IDNO);
        editor.cmd_Click(EditButton::ExitRight);
        EXPECT_EQ(watch.count(), 0u);
    }
    EXPECT_FALSE(editor.Visible());
    EXPECT_EQ(shared.NotesOpen, 0);
    notes::OpenNotes();
    ASSERT_EQ(notes::LoadedEditor(), &editor);
    EXPECT_EQ(editor.hwnd(), window);
    EXPECT_TRUE(editor.Visible());

    // A new editor reads them back from the file.
    ASSERT_TRUE(notes::CloseEditor());
    host::ReleasePending();
    frmEdit& again = Open();
    EXPECT_NE(again.Rich1->Text().find(L"Say hello"), std::wstring::npos);
}

TEST_F(NotesEditorWindow, ExitAfterTypingAsksAndNoKeepsTheWindowWithItsPlacementStored)
{
    frmEdit& editor = Open();
    Press(VK_RIGHT); // an arrow changes nothing, yet counts as typing
    EXPECT_TRUE(shared.NotesDirty);
    {
        MessageBoxWatch watch(IDNO);
        editor.cmd_Click(EditButton::Exit);
        ASSERT_EQ(watch.count(), 1u);
        const auto seen = watch.seen();
        EXPECT_EQ(seen[0].text, L"T16");
        EXPECT_TRUE(seen[0].yesNo);
        EXPECT_TRUE(seen[0].exclamationIcon);
    }
    EXPECT_TRUE(editor.Visible());
    EXPECT_EQ(shared.NotesOpen, 0);
    EXPECT_EQ(StoredEditSetting(L"EditLeft"), std::to_wstring(static_cast<long long>(editor.Left())));
    EXPECT_EQ(StoredEditSetting(L"EditHeight"), std::to_wstring(static_cast<long long>(editor.Height())));

    {
        MessageBoxWatch watch(IDYES);
        editor.cmd_Click(EditButton::ExitRight);
        EXPECT_EQ(watch.count(), 1u);
    }
    EXPECT_FALSE(editor.Visible()) << "only Yes closes";
    EXPECT_TRUE(shared.NotesDirty) << "only a save clears it";

    // The stored placement is where the next editor opens.
    const double left = editor.Left();
    shared.NotesDirty = false;
    ASSERT_TRUE(notes::CloseEditor());
    host::ReleasePending();
    shared.NotesShowFile = folder / L"OTHER.PPT";
    frmEdit& next = Open();
    EXPECT_NEAR(next.Left(), left, screen::ToTwips(1));
}

TEST_F(NotesEditorWindow, ClosingWithUnsavedTypingAsksAndKeepsTheEditorOnNo)
{
    Open();
    Type(L"x");
    {
        MessageBoxWatch watch(IDNO);
        EXPECT_FALSE(notes::CloseEditor());
        EXPECT_EQ(watch.count(), 1u);
    }
    ASSERT_NE(notes::LoadedEditor(), nullptr);
    EXPECT_EQ(notes::LoadedEditor()->Rich1->Text(), L"x");

    // Another presentation's notes replace these only with the presenter's agreement.
    shared.NotesShowFile = folder / L"OTHER.PPT";
    {
        MessageBoxWatch watch(IDNO);
        notes::OpenNotes();
        EXPECT_EQ(watch.count(), 1u);
    }
    EXPECT_EQ(notes::LoadedEditor()->FilePath(), folder / L"TALK.rtf");
    {
        MessageBoxWatch watch(IDYES);
        notes::OpenNotes();
        EXPECT_EQ(watch.count(), 1u);
    }
    host::ReleasePending();
    ASSERT_NE(notes::LoadedEditor(), nullptr);
    EXPECT_EQ(notes::LoadedEditor()->FilePath(), folder / L"OTHER.rtf");
}

TEST_F(NotesEditorWindow, AFailedSaveSaysWhyKeepsTheTextAndTheOldFileWhole)
{
    ASSERT_TRUE(WriteBytes(folder / L"TALK.rtf", "{\\rtf1\\ansi old notes\\par}"));
    ASSERT_TRUE(SetFileAttributesW((folder / L"TALK.rtf").c_str(), FILE_ATTRIBUTE_READONLY));
    frmEdit& editor = Open();
    Type(L"new ");
    {
        MessageBoxWatch watch(IDOK);
        EXPECT_FALSE(editor.Save());
        ASSERT_EQ(watch.count(), 1u);
        const std::wstring text = watch.seen()[0].text;
        EXPECT_EQ(text.rfind(L"T26\n" + (folder / L"TALK.rtf"), 0), 0u) << std::string(text.begin(), text.end());
        EXPECT_GT(text.size(), (L"T26\n" + (folder / L"TALK.rtf") + L"\n\n").size()) << "with the system's reason";
        EXPECT_TRUE(watch.seen()[0].errorIcon);
    }
    EXPECT_TRUE(shared.NotesDirty);
    EXPECT_NE(editor.Rich1->Text().find(L"new old notes"), std::wstring::npos);
    EXPECT_EQ(ReadBytes(folder / L"TALK.rtf"), "{\\rtf1\\ansi old notes\\par}");
    SetFileAttributesW((folder / L"TALK.rtf").c_str(), FILE_ATTRIBUTE_NORMAL);

    // A folder that no longer exists fails the same way.
    shared.NotesDirty = false;
    ASSERT_TRUE(notes::CloseEditor());
    host::ReleasePending();
    shared.NotesShowFile = folder / L"gone\\TALK.PPT";
    frmEdit& lost = Open();
    Type(L"y");
    MessageBoxWatch watch(IDOK);
    EXPECT_FALSE(lost.Save());
    EXPECT_EQ(watch.count(), 1u);
    EXPECT_TRUE(shared.NotesDirty);
}

TEST_F(NotesEditorWindow, FontAppliesBoldAndAColourToTheSelectionAndCancelChangesNothing)
{
    frmEdit& editor = Open();
    Type(L"plain words");
    SendMessageW(editor.Rich1->hwnd(), EM_SETSEL, 0, 5);
    shared.NotesDirty = false;

    // The dialog is driven from outside, as a user would: Bold, a colour, Apply, then Cancel.
    bool applied = false;
    std::thread user([&] {
        HWND dialog = nullptr;
        if (!WaitFor([&] { return (dialog = FindWindowW(L"#32770", nullptr)) && GetDlgItem(dialog, cmb4); }, 10000))
            return;
        HWND style = GetDlgItem(dialog, cmb2);
        const LRESULT bold = SendMessageW(style, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(L"Bold"));
        SendMessageW(style, CB_SETCURSEL, static_cast<WPARAM>(bold), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb2, CBN_SELCHANGE), reinterpret_cast<LPARAM>(style));
        HWND colours = GetDlgItem(dialog, cmb4);
        const LRESULT count = SendMessageW(colours, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            if (static_cast<COLORREF>(SendMessageW(colours, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) ==
                RGB(255, 0, 0)) {
                SendMessageW(colours, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE), reinterpret_cast<LPARAM>(colours));
            }
        }
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(psh3, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, psh3)));
        applied = true;
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    editor.cmd_Click(EditButton::Font);
    user.join();
    ASSERT_TRUE(applied);

    SendMessageW(editor.Rich1->hwnd(), EM_SETSEL, 0, 5);
    const host::FontChoice font = editor.Rich1->SelectionFont();
    EXPECT_TRUE(font.Bold);
    EXPECT_EQ(font.Color, RGB(255, 0, 0));
    EXPECT_TRUE(shared.NotesDirty) << "a new look is a change";
    SendMessageW(editor.Rich1->hwnd(), EM_SETSEL, 6, 11);
    EXPECT_FALSE(editor.Rich1->SelectionFont().Bold) << "only the selection";

    // Cancel straight away leaves the selection as it was.
    std::thread cancel([] {
        HWND dialog = nullptr;
        if (WaitFor([&] { return (dialog = FindWindowW(L"#32770", nullptr)) && GetDlgItem(dialog, cmb4); }, 10000))
            SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    SendMessageW(editor.Rich1->hwnd(), EM_SETSEL, 6, 11);
    editor.cmd_Click(EditButton::Font);
    cancel.join();
    SendMessageW(editor.Rich1->hwnd(), EM_SETSEL, 6, 11);
    EXPECT_FALSE(editor.Rich1->SelectionFont().Bold);
}

TEST_F(NotesEditorWindow, DraggingTheStripMovesTheWindowButAPressOnItsEdgeDoesNot)
{
    frmEdit& editor = Open();
    const RECT strip = ScreenRect(editor.Lab->hwnd());
    const RECT before = ScreenRect(editor.hwnd());
    auto drag = [](int x, int y, int dx, int dy) {
        SetCursorPos(x, y);
        host::SleepPumping(50);
        testsupport::PointerAt(MOUSEEVENTF_LEFTDOWN, POINT{x, y});
        host::SleepPumping(50);
        SetCursorPos(x + dx / 2, y + dy / 2);
        host::SleepPumping(50);
        SetCursorPos(x + dx, y + dy);
        host::SleepPumping(50);
        testsupport::PointerAt(MOUSEEVENTF_LEFTUP, POINT{x + dx, y + dy});
        host::SleepPumping(100);
    };
    drag(strip.left + 40, strip.top + 10, 60, 30);
    const RECT after = ScreenRect(editor.hwnd());
    EXPECT_EQ(after.left - before.left, 60);
    EXPECT_EQ(after.top - before.top, 30);

    // X = 0 or Y = 0 on the strip: no drag starts.
    const RECT moved = ScreenRect(editor.Lab->hwnd());
    drag(moved.left, moved.top + 10, 50, 20);
    drag(moved.left + 40, moved.top, 50, 20);
    const RECT still = ScreenRect(editor.hwnd());
    EXPECT_EQ(still.left, after.left);
    EXPECT_EQ(still.top, after.top);
}

TEST_F(NotesEditorWindow, TextInManyScriptsSurvivesSaveAndReloadExactly)
{
    frmEdit& editor = Open();
    const std::wstring text = L"Citt\u00E0 perch\u00E9 pi\u00F9 \u2014 \u03BA\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 "
                              L"\u043F\u0440\u0438\u0432\u0435\u0442 \U0001F600 \u20AC";
    SETTEXTEX set{ST_DEFAULT, 1200};
    SendMessageW(editor.Rich1->hwnd(), EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set),
                 reinterpret_cast<LPARAM>(text.c_str()));
    ASSERT_TRUE(editor.Save());
    ASSERT_TRUE(notes::CloseEditor());
    host::ReleasePending();
    frmEdit& again = Open();
    EXPECT_EQ(again.Rich1->Text(), text);
}

TEST_F(NotesEditorWindow, RtfWrittenByOtherProgramsShowsItsText)
{
    // Hand-written: font and colour tables, \u escapes with their fallbacks, a table.
    const std::string hand =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
        "\\f0\\fs24 {\\cf1 Red} and {\\cf2\\f1 green} words\\par "
        "Caf\\'e8 and \\u8364? and \\uc2\\u945\\'3f\\'3f and \\uc1\\u1078?\\par "
        "\\trowd\\cellx2000\\cellx4000 Left cell\\cell Right cell\\cell\\row "
        "{\\*\\unknowndestination ignored}The end\\par}";
    frmEdit& editor = Open();
    ASSERT_TRUE(editor.Rich1->LoadRtf(hand));
    const std::wstring shown = editor.Rich1->Text();
    for (const wchar_t* expected : {L"Red and green words", L"Caf\u00E8 and \u20AC and \u03B1 and \u0436", L"Left cell",
                                    L"Right cell", L"The end"})
        EXPECT_NE(shown.find(expected), std::wstring::npos) << std::string(expected, expected + wcslen(expected));
    EXPECT_EQ(shown.find(L"ignored"), std::wstring::npos);

    // Written by pandoc from a Markdown file during the build.
    const std::string pandoc = ReadBytes(testsupport::BuildFolder() + L"\\testdata\\notes-sample.rtf");
    ASSERT_FALSE(pandoc.empty()) << "pandoc's RTF is made by the build";
    ASSERT_TRUE(editor.Rich1->LoadRtf(pandoc));
    const std::wstring fromPandoc = editor.Rich1->Text();
    for (const wchar_t* expected :
         {L"Talk notes", L"quarterly numbers", L"Grazie a tutti: citt\u00E0, perch\u00E9, pi\u00F9",
          L"\u03BA\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1", L"\u043F\u0440\u0438\u0432\u0435\u0442", L"North", L"12 %",
          L"Close with questions."})
        EXPECT_NE(fromPandoc.find(expected), std::wstring::npos) << std::string(expected, expected + wcslen(expected));
}

TEST_F(NotesEditorWindow, GuideFollowsTheLanguageAndShowsItsPathInTheStrip)
{
    ASSERT_TRUE(WriteBytes(folder / L"VistoraENG.Rtf", "{\\rtf1\\ansi English guide\\par}"));
    ASSERT_TRUE(WriteBytes(folder / L"VistoraOWN.Rtf", "{\\rtf1\\ansi Guida italiana\\par}"));
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    for (const wchar_t* code : {L"OWN", L"ENG"}) {
        shared.LangCode = code;
        std::wstring strip, text;
        bool modal = false;
        host::Timer look;
        look.SetInterval(100);
        look.Tick = [&] {
            look.SetEnabled(false);
            frmEdit* guide = notes::LoadedEditor();
            if (!guide) return;
            strip = guide->StripText();
            text = guide->Rich1->Text();
            modal = !IsWindowEnabled(owner) && shared.EditorMode == 3;
            guide->cmd_Click(EditButton::Exit);
        };
        look.SetEnabled(true);
        notes::OpenGuide(owner);
        EXPECT_TRUE(modal);
        EXPECT_EQ(shared.EditorMode, 0);
        host::ReleasePending();
        EXPECT_EQ(notes::LoadedEditor(), nullptr) << "the guide is unloaded when it closes";
        const std::wstring file = std::wstring(L"vistora") + (code[0] == L'O' ? L"own" : L"eng") + L".rtf";
        EXPECT_EQ(strip.substr(strip.size() - file.size()), file);
        EXPECT_NE(text.find(code[0] == L'O' ? L"Guida italiana" : L"English guide"), std::wstring::npos);
    }
    DestroyWindow(owner);
}
