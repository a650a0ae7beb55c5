#include "mainwindow/frmMain.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/Shared.h"
#include "base/Rounding.h"
#include "base/Text.h"
#include "base/Version.h"
#include "controls/ProgramButtonDesign.h"
#include "host/ArtPaint.h"
#include "host/Process.h"
#include "host/Screen.h"
#include "host/Settings.h"
#include "host/TextFile.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/OptionsFile.h"
#include "notes/NotesEditor.h"
#include "probe/AnswerFile.h"
#include "resources/art/Pictures.h"
#include "startup/ConfigFile.h"
#include "startup/CutAtNul.h"
#include "startup/LangTables.h"
#include "startup/LocatePresenter.h"

namespace {
constexpr wchar_t AppTitle[] = L"Vistora";
constexpr wchar_t SettingsSection[] = L"Settings";
constexpr wchar_t Author[] = L"bruno.marchetti@vistora.it";

// Design-time sizes of the window's parts, in twips.
constexpr double TitleHeight = 420;
constexpr double TitleButtonWidth = 270;
constexpr double TitleButtonHeight = 240;
constexpr double TitleButtonTop = 90;
constexpr double BannerTop = TitleHeight;
constexpr double BannerHeight = 1200;
constexpr double ButtonTop = 470;
constexpr double ButtonHeight = 660;

constexpr int IdList = 100;
constexpr int IdDrive = 101;
constexpr int IdDirectory = 102;
constexpr int IdStatus = 103;
constexpr int IdButtons = 200;

// The status line's panel of hover, status and selection texts.
constexpr int HoverPanel = 2;
constexpr int ReadyText = 28;
constexpr int FoldersText = 13;

std::wstring ExecutableFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\'));
}


} // namespace

frmMain::frmMain()
    : host::Form(host::FormStyle{WS_POPUP | WS_THICKFRAME | WS_MINIMIZEBOX | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_APPWINDOW,
                                 AppTitle, RGB(236, 233, 216)})
{
}

frmMain::~frmMain() = default;

std::shared_ptr<const Picture> frmMain::ButtonPicture(int number) const
{
    if (number < 1 || number > static_cast<int>(ImageList1.size())) return nullptr;
    return ImageList1[static_cast<std::size_t>(number - 1)];
}

void frmMain::Form_Load()
{
    LoadPictures();
    CreateControls();
    HideUntilReady();
    PlaceBelowBanner();
    AddListColumns();
    PlaceAtStoredPlacement();
    FirstLayout();
    FindProgramFolder();
    ReadOptionsFile();
    shared.AuthorMail = Author;
    ShowButtonPictures();
    LoadLanguageFile(); // a missing language file ends the program here
    ShowLanguageButton();
    PointBrowserAtStartFolder();
    shared.ShowFile.clear();
    GO_Add();
    FindTextEditor();
    ShowBrowser();
    LocatePresenter(PresenterExe, shared.ShowCommand);
    ShowWindowReady();
    StartProbe();
    FormReady = 1;
}

void frmMain::LoadPictures()
{
    for (const auto& art : MainButtonPictures())
        ImageList1.push_back(std::make_shared<Picture>(Picture::FromPixels(art.width, art.height, art.argb)));
    for (const auto& art : FlagPictures())
        ImageFlag.push_back(std::make_shared<Picture>(Picture::FromPixels(art.width, art.height, art.argb)));
    // The command buttons show their pictures before the window shows; the icons are made on the
    // second core while the controls are made here.
    std::vector<const Picture*> shownFirst;
    for (const MainButtonDesign& design : MainButtons)
        if (const auto picture = ButtonPicture(design.Picture)) shownFirst.push_back(picture.get());
    Picture::PrepareIcons(shownFirst);
    listLarge_ = MakeImageList(ListViewLargeIcons(), 32, 32);
    listSmall_ = MakeImageList(ListViewSmallIcons(), 16, 16);
}

void frmMain::CreateControls()
{
    const HWND self = hwnd();
    listFont_ = host::MakeFont(L"Tahoma", 8);
    titleFont_ = host::MakeFont(L"Tahoma", 11, true);

    // Background first: later siblings lie above it.
    Image1 = std::make_unique<host::Image>(self, RGB(236, 233, 216));
    background_ = std::make_shared<ScaledArt>(&RenderBackground);
    Image1->Paint = ArtPainter(background_);
    Image1->MouseMove = [this](int, int, double, double) { ShowStatus(HoverPanel, shared.LangText[ReadyText]); };

    Picture1 = std::make_unique<host::Image>(self, RGB(0, 60, 115));
    banner_ = std::make_shared<ScaledArt>(&RenderBanner);
    Picture1->Paint = ArtPainter(banner_);
    Picture1->Move(0, BannerTop, 9000, BannerHeight);

    CreateTitleStrip();
    CreateCommandButtons();
    CreateBrowser();

    // The pictures lie under every other part.
    for (HWND below : {Image2->hwnd(), Picture1->hwnd(), Image1->hwnd()})
        SetWindowPos(below, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    MouseMove = [this](int, int, double, double) {
        ShowStatus(HoverPanel, shared.LangText[ReadyText]);
        ShowStatus(3, L"");
    };
}

void frmMain::CreateTitleStrip()
{
    PicTitle = std::make_unique<host::PictureBox>(hwnd(), RGB(0, 40, 90));
    PicTitle->Move(0, 0, 9000, TitleHeight);
    Image2 = std::make_unique<host::Image>(PicTitle->hwnd(), RGB(0, 40, 90));
    Image2->Move(0, 0, 9000, TitleHeight);
    title_ = std::make_shared<ScaledArt>(&RenderTitle);
    Image2->Paint = [this](HDC dc, const RECT& client) {
        title_->Paint(dc, client);
        Selected font(dc, titleFont_.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(Red(TitleTextColor), Green(TitleTextColor), Blue(TitleTextColor)));
        RECT text = client;
        text.left = TitleTextLeft(client.bottom);
        DrawTextW(dc, L"Vistora", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    };
    for (auto* part : {PicTitle.get(), Image2.get()}) {
        part->MouseDown = [this](int, int, double x, double y) { Title_MouseDown(x, y); };
        part->MouseMove = [this](int button, int, double x, double y) { Title_MouseMove(button, x, y); };
    }
    Image2->MouseUp = [this](int, int, double, double) {
        DragX = 0;
        DragY = 0;
    };
    for (int i = TitleButton::Close; i <= TitleButton::Minimize; ++i) {
        auto box = std::make_unique<host::PictureBox>(PicTitle->hwnd(), RGB(0, 40, 90));
        box->Move(0, TitleButtonTop, TitleButtonWidth, TitleButtonHeight);
        const PixelArt& art = TitleButtonPictures()[static_cast<std::size_t>(i)];
        box->Paint = [&art](HDC dc, const RECT& client) { PaintArt(dc, art, client, false); };
        box->Click = [this, i] { picCmd_Click(i); };
        picCmd.Add(i, std::move(box));
    }
}

void frmMain::CreateCommandButtons()
{
    for (const MainButtonDesign& design : MainButtons) {
        const int i = design.Index;
        auto button = std::make_unique<ZelButtonOXP>(hwnd(), IdButtons + i, L"cmd", ProgramButtonDesign(L"cmd"));
        button->Click = [this, i] { cmd_Click(i); };
        button->MouseMove = [this, i](int&, int&, float&, float&) { cmd_MouseMove(i); };
        button->Move(0, ButtonTop, 1000, ButtonHeight);
        button->SetVisible(true);
        if (design.FixedCaption) button->SetCaption(design.FixedCaption);
        cmd.Add(i, std::move(button));
    }
}

void frmMain::CreateBrowser()
{
    const HWND self = hwnd();
    lvDir.Create(self, IdList, RECT{0, 0, 100, 100});
    lvDirPlace = host::Control(lvDir.hwnd());
    SendMessageW(lvDir.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.get()), FALSE);
    lvDir.SetImageLists(listLarge_.get(), listSmall_.get());

    Drive.Create(self, IdDrive, RECT{0, 0, 100, 22});
    DrivePlace = host::Control(Drive.hwnd());
    Drive.Change = [this] { Drive_Change(); };
    Directory.Create(self, IdDirectory, RECT{0, 0, 100, 100});
    DirectoryPlace = host::Control(Directory.hwnd());
    Directory.Change = [this] { Directory_Change(); };
    Directory.MouseMove = [this] { ShowStatus(HoverPanel, shared.LangText[FoldersText]); };
    for (HWND list : {Drive.hwnd(), Directory.hwnd()})
        SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.get()), FALSE);

    StatusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, self,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdStatus)), GetModuleHandleW(nullptr),
                                nullptr);
    StatusBarPlace = host::Control(StatusBar);
    SendMessageW(StatusBar, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.get()), FALSE);
    SetStatusText(1, std::wstring(L"Vistora ") + ShortVersion);
}

// Hidden until the end of start-up; the language buttons wait for the language, and there is
// no presentation to start or edit yet.
void frmMain::HideUntilReady()
{
    Hide();
    cmd(MainButton::OwnLanguage).SetVisible(false);
    cmd(MainButton::English).SetVisible(false);
    ButtonCount = MainButton::Count;
    shared.CaptionPad = L"  ";
    cmd(MainButton::StartShow).SetEnabled(false);
    cmd(MainButton::EditShow).SetEnabled(false);
}

// The parts below the banner take their places from it.
void frmMain::PlaceBelowBanner()
{
    Picture1->SetLeft(0);
    const double bannerBottom = Picture1->Top() + Picture1->Height();
    Image1->Move(0, bannerBottom + 10, Image1->Width(), Image1->Height());
    lvDirPlace.Move(450, bannerBottom + 300, lvDirPlace.Width(), lvDirPlace.Height());
    DrivePlace.SetTop(lvDirPlace.Top());
    DirectoryPlace.SetTop(DrivePlace.Top() + DrivePlace.Height() + 20);
    cmd(MainButton::Exit).SetLeft(30);
}

// The three columns, aligned left, right and centred.
void frmMain::AddListColumns()
{
    const int columnWidths[] = {screen::ToPixels(lvDirPlace.Width() - 2350), screen::ToPixels(1700),
                                screen::ToPixels(1400)};
    const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
        column.cx = columnWidths[i];
        column.fmt = formats[i];
        column.pszText = const_cast<wchar_t*>(L"");
        column.iSubItem = i;
        ListView_InsertColumn(lvDir.hwnd(), i, &column);
    }
}

void frmMain::PlaceAtStoredPlacement()
{
    const double screenWidth = screen::WidthTwips();
    const double screenHeight = screen::HeightTwips();
    double left = 0, top = 0, width = 0, height = 0;
    const bool usable =
        ParseNumber(host::GetSetting(AppTitle, SettingsSection, L"MainLeft", L"0"), left) &&
        ParseNumber(host::GetSetting(AppTitle, SettingsSection, L"MainTop", L"0"), top) &&
        ParseNumber(host::GetSetting(AppTitle, SettingsSection, L"MainWidth", NumberText(screenWidth)), width) &&
        ParseNumber(host::GetSetting(AppTitle, SettingsSection, L"MainHeight", NumberText(screenHeight)), height) &&
        width >= 0 && height >= 0;
    if (usable)
        Move(left, top, width, height);
    else
        Move(0, 0, screenWidth, screenHeight);
}

// One layout now; from here on resizes wait for the end of start-up.
void frmMain::FirstLayout()
{
    FormReady = 1;
    GO_Resize();
    FormReady = 0;
    // The pictures of the first paint are rendered on the second core while the rest of the
    // window is set up.
    const std::pair<host::Image*, ScaledArt*> pictures[] = {
        {Image1.get(), background_.get()}, {Picture1.get(), banner_.get()}, {Image2.get(), title_.get()}};
    for (const auto& [window, art] : pictures) {
        RECT client{};
        GetClientRect(window->hwnd(), &client);
        art->Prepare(client.right, client.bottom);
    }
}

void frmMain::FindProgramFolder()
{
    shared.ProgramFolder = ExecutableFolder();
    // The pen overlay takes its picture from the clipboard: nothing old may be found there.
    if (OpenClipboard(hwnd())) {
        EmptyClipboard();
        CloseClipboard();
    }
}

void frmMain::ReadOptionsFile()
{
    const auto bytes = host::ReadFileBytes(shared.ProgramFolder + L"\\Vistora.opt");
    const Options options = ParseOptions(bytes ? &*bytes : nullptr, host::FromAnsi);
    shared.LangCode = options.LangCode;
    CurrentFolder = options.CurrentFolder;
}

void frmMain::ShowButtonPictures()
{
    for (const MainButtonDesign& design : MainButtons) {
        cmd(design.Index).SetTop(ButtonTop);
        cmd(design.Index).SetPictureNormal(ButtonPicture(design.Picture));
    }
}

void frmMain::LoadLanguageFile()
{
    auto file = ReadConfigFile(shared.ProgramFolder, languageFile_);
    if (!file) {
        ShowConfigFileMissing();
        ExitProcess(0);
    }
    languageFile_ = std::move(*file);
    shared.SpecialProgram = languageFile_.SpecialProgram;
    shared.TooltipSwitch = languageFile_.TooltipSwitch;
    // The long texts come only from this read; a line without ":" leaves its text empty.
    for (auto& text : shared.LangText) text.clear();
    if (CurrentFolder.empty()) CurrentFolder = shared.ProgramFolder;
    const int flag = languageFile_.OwnFlag;
    if (flag >= 1 && flag <= static_cast<int>(ImageFlag.size()))
        cmd(MainButton::OwnLanguage).SetPictureNormal(ImageFlag[static_cast<std::size_t>(flag - 1)]);
    ApplyLanguage();
}

void frmMain::ApplyLanguage()
{
    ApplyLanguageTables(languageFile_.LangLine, shared.LangCode, shared.LangCaption, shared.LangText);
    for (const MainButtonDesign& design : MainButtons)
        if (design.Caption) cmd(design.Index).SetCaption(shared.CaptionPad + shared.LangCaption[design.Caption]);
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = const_cast<wchar_t*>(shared.LangText[35 + i].c_str());
        ListView_SetColumn(lvDir.hwnd(), i, &column);
    }
}

// The button of the language not in use shows.
void frmMain::ShowLanguageButton()
{
    const bool own = shared.LangCode == L"OWN";
    cmd(MainButton::English).SetVisible(own);
    cmd(MainButton::OwnLanguage).SetVisible(!own);
}

void frmMain::PointBrowserAtStartFolder()
{
    StartFolder = CurrentFolder;
    const bool changed = NamesADrive(StartFolder) && SetCurrentDirectoryW(StartFolder.c_str());
    if (!changed) {
        SetCurrentDirectoryW(FallbackFolder);
        CurrentFolder = FallbackFolder;
        StartFolder = FallbackFolder;
    }
    Drive.SetDrive(StartFolder);
    FilePattern.clear();
    for (wchar_t c : languageFile_.DataExtension)
        if (c != L' ') FilePattern += c;
    FileDir.SetPattern(FilePattern);
    const std::wstring current = host::ProcessFolder();
    Directory.SetPath(!current.empty() ? current : StartFolder);
    FileDir.SetPath(Directory.Path());
    // The fallback is kept as written, so that it is saved so.
    if (changed) CurrentFolder = Directory.Path();
}

void frmMain::FindTextEditor()
{
    const std::wstring languageFile = shared.ProgramFolder + L"\\Vistora.Txt";
    if (!host::FileExists(languageFile)) return;
    std::wstring buffer(500, L'\0');
    FindExecutableW(languageFile.c_str(), L"", buffer.data());
    TextEditorPath = CutAtNul(buffer);
}

void frmMain::ShowBrowser()
{
    lvDirPlace.SetVisible(true);
    DirectoryPlace.SetVisible(true);
    DrivePlace.SetVisible(true);
}

void frmMain::ShowWindowReady()
{
    Show();
    SetForegroundWindow(hwnd());
    cmd(MainButton::Exit).SetFocus();
}

// The probe answers in its answer file; a missing probe simply means "not on line".
void frmMain::StartProbe()
{
    host::StartProcess(L"\"" + shared.ProgramFolder + L"\\brannox.exe\"", host::WindowStyle::Hide);
}

void frmMain::Form_Resize()
{
    if (StatusBar) {
        SendMessageW(StatusBar, WM_SIZE, 0, 0);
        RECT client;
        GetClientRect(hwnd(), &client);
        const int width = client.right;
        int edges[3] = {std::max(1, width / 6), std::max(2, width - std::max(140, width / 6)), -1};
        SendMessageW(StatusBar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    }
    if (PicTitle) PicTitle->SetWidth(ScaleWidth());
    if (FormReady == 1) GO_Resize();
}

void frmMain::GO_Resize()
{
    if (Minimized() || !PicTitle) return;
    MainLayoutInput in;
    in.clientWidth = ScaleWidth();
    in.clientHeight = ScaleHeight();
    in.outerWidth = Width();
    in.buttonCount = ButtonCount;
    for (int i = 0; i < 3; ++i) in.titleButtonWidth[static_cast<std::size_t>(i)] = picCmd(i).Width();
    in.titleHeight = PicTitle->Height();
    in.bannerTop = Picture1->Top();
    in.bannerHeight = Picture1->Height();
    in.statusHeight = StatusBarPlace.Height();
    in.listLeft = lvDirPlace.Left();
    in.driveHeight = DrivePlace.Height();
    in.column2Width = screen::ToTwips(ListView_GetColumnWidth(lvDir.hwnd(), 1));
    in.column3Width = screen::ToTwips(ListView_GetColumnWidth(lvDir.hwnd(), 2));
    in.fileCount = FileDir.Count();
    in.rowHeight = RowHeight;
    in.visibleRows = VisibleRows;
    const MainLayout out = ComputeMainLayout(in);

    for (int i = 0; i < 3; ++i) picCmd(i).SetLeft(out.titleButtonLeft[static_cast<std::size_t>(i)]);
    for (int k = 0; k < MainButton::Count; ++k)
        cmd(k).Move(out.buttonLeft[static_cast<std::size_t>(k)], cmd(k).Top(), out.buttonWidth, cmd(k).Height());
    Image2->SetWidth(out.titleImageWidth);
    Picture1->SetWidth(out.bannerWidth);
    Image1->Move(Image1->Left(), Image1->Top(), out.backgroundWidth, out.backgroundHeight);
    lvDirPlace.Move(lvDirPlace.Left(), lvDirPlace.Top(), out.listWidth, out.listHeight);
    DrivePlace.Move(out.driveLeft, DrivePlace.Top(), out.driveWidth, DrivePlace.Height());
    DirectoryPlace.Move(out.driveLeft, DirectoryPlace.Top(), out.driveWidth, out.directoryHeight);
    VisibleRows = out.visibleRows;
    ListView_SetColumnWidth(lvDir.hwnd(), 0, screen::ToPixels(out.column1Width));
}

void frmMain::Form_QueryUnload(bool& cancel)
{
    // The window closes only through GO_Exit, which saves what the next start needs.
    cancel = true;
    GO_Exit();
}

void frmMain::GO_Exit()
{
    if (!notes::CloseEditor()) return;
    // A minimised window reports where its icon sits; keep the restored place.
    double left = Left(), top = Top(), width = Width(), height = Height();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (Minimized() && GetWindowPlacement(hwnd(), &placement)) {
        const RECT& r = placement.rcNormalPosition;
        left = screen::ToTwips(r.left);
        top = screen::ToTwips(r.top);
        width = screen::ToTwips(r.right - r.left);
        height = screen::ToTwips(r.bottom - r.top);
    }
    host::SaveSetting(AppTitle, SettingsSection, L"MainLeft", NumberText(left));
    host::SaveSetting(AppTitle, SettingsSection, L"MainTop", NumberText(top));
    host::SaveSetting(AppTitle, SettingsSection, L"MainWidth", NumberText(width));
    host::SaveSetting(AppTitle, SettingsSection, L"MainHeight", NumberText(height));

    // Every later step ignores its own failure.
    host::DeleteFileQuietly(shared.ProgramFolder + L"\\" + kAnswerFileName);
    SetCurrentDirectoryW(shared.ProgramFolder.c_str());
    host::WriteAnsiLines(shared.ProgramFolder + L"\\Vistora.opt", {shared.LangCode, CurrentFolder});
    ExitProcess(0);
}

std::wstring frmMain::StatusText(int panel) const
{
    if (panel < 1 || panel > 3) return {};
    return statusTexts_[static_cast<std::size_t>(panel)];
}

void frmMain::SetStatusText(int panel, const std::wstring& text)
{
    if (panel < 1 || panel > 3) return;
    statusTexts_[static_cast<std::size_t>(panel)] = text;
    if (StatusBar) SendMessageW(StatusBar, SB_SETTEXTW, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(text.c_str()));
}

void frmMain::ShowStatus(int panel, const std::wstring& text)
{
    // Mouse moves come in floods; rewrite a panel only when its text changes.
    if (StatusText(panel) != text) SetStatusText(panel, text);
}

void frmMain::Title_MouseDown(double x, double y)
{
    DragX = static_cast<int>(x);
    DragY = RoundHalfEven(y);
}

void frmMain::Title_MouseMove(int button, double x, double y)
{
    if (button != 1) return;
    Move(Left() - (DragX - x), Top() - (DragY - y));
}

std::optional<LRESULT> frmMain::OnMessage(UINT msg, WPARAM, LPARAM lParam)
{
    if (msg == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (LRESULT result = 0; lvDir.HandleNotify(*header, result)) return result;
        if (header->hwndFrom == lvDir.hwnd()) {
            if (header->code == NM_CLICK) lvDir_Click();
            if (header->code == NM_DBLCLK) lvDir_DblClick();
        }
    }
    return std::nullopt;
}
