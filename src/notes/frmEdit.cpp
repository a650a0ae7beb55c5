#include "notes/frmEdit.h"

#include <richedit.h>

#include "app/Shared.h"
#include "base/Rounding.h"
#include "base/Text.h"
#include "controls/ProgramButtonDesign.h"
#include "host/Dialogs.h"
#include "host/FontDialog.h"
#include "host/Picture.h"
#include "host/Screen.h"
#include "host/Settings.h"
#include "host/TextFile.h"
#include "notes/NotesFiles.h"
#include "resources/art/Pictures.h"

namespace {
constexpr wchar_t AppTitle[] = L"Vistora";
constexpr wchar_t SettingsSection[] = L"Settings";
constexpr COLORREF StripColor = RGB(0, 0, 192);
constexpr int IdButtons = 300;
constexpr int IdText = 310;

// Texts of the language file the editor shows.
constexpr int ExitText = 7;
constexpr int SaveText = 10;
constexpr int FontText = 11;
constexpr int UnsavedText = 16;
constexpr int NotSavedText = 26;
constexpr int NotesTitleText = 32;

struct EditButtonDesign {
    int Index;
    const wchar_t* DesignName;
    int Text;
};
constexpr EditButtonDesign Buttons[] = {
    {EditButton::Exit, L"Exit", ExitText},
    {EditButton::Font, L"Font", FontText},
    {EditButton::Save, L"Save", SaveText},
    {EditButton::ExitRight, L"Exit", ExitText},
};

host::FormStyle EditStyle(HWND owner)
{
    host::FormStyle style;
    style.style = WS_POPUP | WS_THICKFRAME | WS_CLIPCHILDREN;
    style.caption = AppTitle;
    style.owner = owner;
    return style;
}
} // namespace

frmEdit::frmEdit(HWND owner) : host::Form(EditStyle(owner)) {}

frmEdit::~frmEdit() = default;

void frmEdit::Form_Load()
{
    mode_ = shared.EditorMode;
    Move(Left(), Top(), DesignWidthTwips, DesignHeightTwips);
    CreateControls();
    Img->Move(0, notes::SpacerTopTwips, Img->Width(), notes::SpacerHeightTwips);
    PlaceAtStoredPlacement();

    if (mode_ == 2) {
        NotesPath = notes::NotesPathFor(shared.NotesShowFile);
        filePath_ = NotesPath;
        LoadText(filePath_);
        SetStrip(shared.LangText[NotesTitleText] + notes::NotesTitleName(shared.ShowFileName));
    } else if (mode_ == 3) {
        filePath_ = notes::GuidePath(shared.ProgramFolder, shared.LangCode);
        LoadText(filePath_);
        SetStrip(LowerCase(filePath_));
    }

    const auto& pictures = NotesEditorPictures();
    for (const EditButtonDesign& design : Buttons) {
        const PixelArt& art = pictures[static_cast<std::size_t>(design.Index - 1)];
        cmd(design.Index).SetPictureNormal(
            std::make_shared<Picture>(Picture::FromPixels(art.width, art.height, art.argb)));
        cmd(design.Index).SetCaption(shared.CaptionPad + shared.LangCaption[design.Text]);
        if (shared.TooltipsOn()) cmd(design.Index).SetToolTipText(shared.LangText[design.Text]);
    }
    Form_Resize();
}

void frmEdit::CreateControls()
{
    const HWND self = hwnd();
    Lab = std::make_unique<host::PictureBox>(self, StripColor);
    stripFont_ = host::MakeFont(L"Tahoma", 10, true);
    Lab->Paint = [this](HDC dc, const RECT& client) {
        Selected font(dc, stripFont_.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        RECT area = client;
        DrawTextW(dc, stripText_.c_str(), -1, &area, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX |
                                                        DT_PATH_ELLIPSIS);
    };
    Lab->MouseDown = [this](int, int, double x, double y) { Lab_MouseDown(x, y); };
    Lab->MouseMove = [this](int button, int, double x, double y) { Lab_MouseMove(button, x, y); };
    Lab->MouseUp = [this](int, int, double, double) { Lab_MouseUp(); };
    Lab->Move(0, 0, ScaleWidth(), notes::StripHeightTwips);

    Img = std::make_unique<host::Image>(self, BackColor());

    for (const EditButtonDesign& design : Buttons) {
        // The left Exit follows the system's colours; the others wear the program's own.
        const PropertyStore storedDesign = design.Index == EditButton::Exit
                                               ? ProgramButtonDesignSystemColors(design.DesignName)
                                               : ProgramButtonDesign(design.DesignName);
        auto button = std::make_unique<ZelButtonOXP>(self, IdButtons + design.Index, design.DesignName, storedDesign);
        const int index = design.Index;
        button->Click = [this, index] { cmd_Click(index); };
        cmd.Add(design.Index, std::move(button));
    }

    // The spacer lies under the buttons it holds.
    SetWindowPos(Img->hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    Rich1 = std::make_unique<host::RichText>(self, IdText);
    Rich1->SetDefaultFont(host::FontChoice{L"Tahoma", 10});
    Rich1->KeyPress = [](wchar_t) { shared.NotesDirty = true; };
    Rich1->KeyUp = [](int) { shared.NotesDirty = true; };
    // Text that changes without a key (dropped with the mouse) is unsaved typing too.
    SendMessageW(Rich1->hwnd(), EM_SETEVENTMASK, 0, ENM_CHANGE);
}

void frmEdit::PlaceAtStoredPlacement()
{
    const notes::Placement fallback =
        notes::DefaultPlacement(screen::WidthTwips(), screen::HeightTwips(), Width(), Height());
    auto stored = [](const wchar_t* key, double missing) {
        double value = missing;
        return ParseNumber(host::GetSetting(AppTitle, SettingsSection, key, NumberText(missing)), value) ? value
                                                                                                          : missing;
    };
    Move(stored(L"EditLeft", fallback.Left), stored(L"EditTop", fallback.Top), stored(L"EditWidth", fallback.Width),
         stored(L"EditHeight", fallback.Height));
}

void frmEdit::LoadText(const std::wstring& path)
{
    // A missing or unreadable file leaves the text empty.
    const auto bytes = host::ReadFileBytes(path);
    if (!bytes) return;
    loading_ = true;
    Rich1->LoadRtf(*bytes);
    loading_ = false;
}

void frmEdit::SetStrip(const std::wstring& text)
{
    stripText_ = text;
    SetWindowTextW(Lab->hwnd(), text.c_str());
    SetCaption(text.empty() ? std::wstring(AppTitle) : text);
    Lab->Refresh();
}

void frmEdit::Form_Resize()
{
    if (!Rich1) return;
    const notes::EditLayout layout = notes::LayOutEditor(ScaleWidth(), ScaleHeight());
    Lab->Move(0, 0, layout.StripWidth, notes::StripHeightTwips);
    Img->Move(0, notes::SpacerTopTwips, layout.StripWidth, notes::SpacerHeightTwips);
    for (int i = 1; i <= notes::EditButtonCount; ++i)
        cmd(i).Move(layout.ButtonLeft[static_cast<std::size_t>(i)], notes::ButtonTopTwips, layout.ButtonWidth,
                    notes::ButtonHeightTwips);
    Rich1->Move(0, layout.TextTop, layout.TextWidth, layout.TextHeight);
}

std::optional<LRESULT> frmEdit::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && Rich1 && reinterpret_cast<HWND>(lParam) == Rich1->hwnd() &&
        HIWORD(wParam) == EN_CHANGE) {
        if (!loading_) shared.NotesDirty = true;
        return 0;
    }
    // However the window is asked to close, it closes the way its Exit buttons do.
    if (msg == WM_CLOSE) {
        GO_Exit();
        return 0;
    }
    return std::nullopt;
}

void frmEdit::cmd_Click(int index)
{
    switch (index) {
    case EditButton::Exit:
    case EditButton::ExitRight: GO_Exit(); break;
    case EditButton::Font: ChooseFont(); break;
    case EditButton::Save: Save(); break;
    default: break;
    }
}

void frmEdit::ChooseFont()
{
    const bool chosen = host::ChooseFontApplying(hwnd(), Rich1->SelectionFont(), [this](const host::FontChoice& font) {
        Rich1->SetSelectionFont(font);
        // A new look is a change to the notes, which must not be lost unasked.
        shared.NotesDirty = true;
    });
    (void)chosen;
    Rich1->SetFocus();
}

bool frmEdit::Save()
{
    const unsigned long error = filePath_.empty() ? ERROR_INVALID_NAME
                                                  : host::WriteFileReplacing(filePath_, Rich1->SaveRtf());
    if (error != ERROR_SUCCESS) {
        host::MsgBox(shared.LangText[NotSavedText] + L"\n" + filePath_ + L"\n\n" + host::SystemErrorText(error),
                     MB_OK | MB_ICONERROR, AppTitle);
        return false;
    }
    shared.NotesDirty = false;
    return true;
}

bool frmEdit::MayLoseTyping()
{
    if (!shared.NotesDirty) return true;
    return host::MsgBox(shared.LangText[UnsavedText], MB_YESNO | MB_ICONEXCLAMATION, AppTitle) == IDYES;
}

void frmEdit::GO_Exit()
{
    host::SaveSetting(AppTitle, SettingsSection, L"EditLeft", NumberText(Left()));
    host::SaveSetting(AppTitle, SettingsSection, L"EditTop", NumberText(Top()));
    host::SaveSetting(AppTitle, SettingsSection, L"EditWidth", NumberText(Width()));
    host::SaveSetting(AppTitle, SettingsSection, L"EditHeight", NumberText(Height()));
    shared.NotesOpen = 0;
    if (!MayLoseTyping()) return;
    Hide();
}

void frmEdit::Lab_MouseDown(double x, double y)
{
    DragX = x;
    DragY = RoundHalfEven(y);
}

void frmEdit::Lab_MouseMove(int button, double x, double y)
{
    // A press on the strip's very edge (0) does not start a drag.
    if (DragX > 0 && DragY > 0 && button == 1) Move(Left() - (DragX - x), Top() - (DragY - y));
}

void frmEdit::Lab_MouseUp()
{
    DragX = 0;
    DragY = 0;
}
