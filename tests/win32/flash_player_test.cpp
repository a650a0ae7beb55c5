#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "ShowTestTexts.h"
#include "SwfTestMovies.h"
#include "WineTestSupport.h"
#include "app/Shared.h"
#include "host/FlashPlayer.h"
#include "host/Form.h"
#include "host/MessageLoop.h"
#include "host/Screen.h"
#include "notes/NotesEditor.h"
#include "notes/frmEdit.h"
#include "special/FlashLayout.h"
#include "special/Players.h"
#include "special/frmFlash.h"
#include "swf/ShowAll.h"

using testsupport::Env;
using testsupport::GdiObjectCount;
using testsupport::MessageBoxWatch;
using testsupport::PressKey;
using testsupport::ReadBytes;
using testsupport::RunSelf;
using testsupport::ScratchFolder;
using testsupport::ScreenPixel;
using testsupport::WaitFor;
using testsupport::WriteBytes;

namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr swf::TwipsRect Stage{0, 8000, 0, 6000}; // the test movies' stage
constexpr wchar_t ExitCaption[] = L"Exit now";

bool Near(COLORREF got, COLORREF want, int tolerance = 8)
{
    return std::abs(GetRValue(got) - GetRValue(want)) <= tolerance &&
           std::abs(GetGValue(got) - GetGValue(want)) <= tolerance &&
           std::abs(GetBValue(got) - GetBValue(want)) <= tolerance;
}

std::string Text(const COLORREF c)
{
    return "RGB(" + std::to_string(GetRValue(c)) + ", " + std::to_string(GetGValue(c)) + ", " +
           std::to_string(GetBValue(c)) + ")";
}

RECT ScreenRect(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// Movies written for the tests, and files that are no movie the player can play.
class MovieFiles {
public:
    std::wstring Write(const std::wstring& name, const swftest::Bytes& bytes)
    {
        const std::wstring path = folder_ / name;
        WriteBytes(path, std::string(bytes.begin(), bytes.end()));
        return path;
    }
    std::wstring RedSquare() { return Write(L"red square.swf", swftest::RedSquareOnBlue().Compressed()); }
    std::wstring TwoFrames() { return Write(L"two frames.swf", swftest::TwoFrames().Plain()); }
    // An LZMA-compressed movie's header with a body the player never reads.
    std::wstring Lzma()
    {
        swftest::Bytes bytes{'Z', 'W', 'S', 13, 0x40, 0, 0, 0, 0x20, 0, 0, 0, 0x5D, 0, 0, 0x10, 0};
        bytes.resize(64, 0x33);
        return Write(L"lzma.swf", bytes);
    }
    std::wstring Random()
    {
        std::mt19937 noise(14);
        swftest::Bytes bytes(3000);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(noise());
        return Write(L"noise.swf", bytes);
    }
    std::wstring Missing() const { return folder_ / L"missing.swf"; }
    const std::wstring& Folder() const { return folder_.path(); }

private:
    ScratchFolder folder_{L"flash"};
};

// The client area of a window as its WM_PRINTCLIENT draws it.
class Printed {
public:
    explicit Printed(HWND hwnd)
    {
        RECT r{};
        GetClientRect(hwnd, &r);
        width_ = r.right;
        height_ = r.bottom;
        WindowDc screen(nullptr);
        dc_.reset(CreateCompatibleDC(screen.get()));
        bitmap_.reset(CreateCompatibleBitmap(screen.get(), width_ > 0 ? width_ : 1, height_ > 0 ? height_ : 1));
        old_ = SelectObject(dc_.get(), bitmap_.get());
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_.get()), PRF_CLIENT);
    }
    ~Printed() { SelectObject(dc_.get(), old_); }
    Printed(const Printed&) = delete;
    Printed& operator=(const Printed&) = delete;
    COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }

private:
    int width_ = 0;
    int height_ = 0;
    UniqueMemDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ old_ = nullptr;
};

// A plain window to hold the control alone.
struct ControlHost {
    ControlHost()
    {
        host::FormStyle style;
        style.style = WS_POPUP;
        form = std::make_unique<host::Form>(style);
        form->Load();
        form->Move(0, 0, screen::ToTwips(1000), screen::ToTwips(700));
        form->Show();
    }
    std::unique_ptr<host::Form> form;
};

void SizeInPixels(host::FlashPlayer& player, int width, int height)
{
    player.Move(0, 0, screen::ToTwips(width), screen::ToTwips(height));
}

// The visible flash player window of this process: full-screen and kept out of the task bar.
HWND FindFlashWindow()
{
    return testsupport::FindProcessWindow(GetCurrentProcessId(), L"VistoraForm", [](HWND w) {
        const RECT r = ScreenRect(w);
        return (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) && r.right - r.left == GetSystemMetrics(SM_CXSCREEN);
    });
}

// A button of a window by its caption.
HWND FindButton(HWND window, const std::wstring& caption)
{
    struct Search {
        const std::wstring* caption;
        HWND found = nullptr;
    } search{&caption};
    EnumChildWindows(
        window,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t cls[64]{};
            GetClassNameW(w, cls, 64);
            if (lstrcmpW(cls, L"ZelButtonOXP") == 0 && testsupport::WindowText(w) == *s->caption) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A click as the button's thread sees one, from any thread.
void PostClick(HWND button)
{
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

// A real click in the middle of a window.
void Click(HWND hwnd)
{
    const RECT r = ScreenRect(hwnd);
    const POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    SetCursorPos(middle.x, middle.y);
    host::SleepPumping(40);
    testsupport::PointerAt(MOUSEEVENTF_LEFTDOWN, middle);
    host::SleepPumping(40);
    testsupport::PointerAt(MOUSEEVENTF_LEFTUP, middle);
    host::SleepPumping(150);
}

void Append(const std::wstring& path, const std::string& line) { WriteBytes(path, ReadBytes(path) + line + "\n"); }

// Where the red square on its blue stage shows on the screen, for a control showing it now.
::testing::AssertionResult ShowsRedSquareOnBlue(HWND control, HWND form, int barBottom)
{
    const RECT r = ScreenRect(control);
    const swf::ShowAll map = swf::MapShowAll(Stage, r.right - r.left, r.bottom - r.top);
    std::string faults;
    auto expect = [&](double x, double y, COLORREF want, const char* what) {
        const int sx = r.left + static_cast<int>(x);
        const int sy = r.top + static_cast<int>(y);
        if (sy < barBottom + 1) return; // under the bar
        const COLORREF got = ScreenPixel(sx, sy);
        if (!Near(got, want))
            faults += std::string(what) + " at (" + std::to_string(sx) + ", " + std::to_string(sy) + ") is " +
                      Text(got) + "; ";
    };
    auto stage = [&](double xTwips, double yTwips, COLORREF want, const char* what) {
        const swf::PointF p = map.ToDevice({xTwips, yTwips});
        expect(p.x, p.y, want, what);
    };
    const double pixel = 1 / map.scale;
    stage(3000, 3000, Red, "square's middle");
    stage(2000 + 2 * pixel, 2000 + 2 * pixel, Red, "square's top left");
    stage(4000 - 2 * pixel, 4000 - 2 * pixel, Red, "square's bottom right");
    stage(2000 - 3 * pixel, 3000, Blue, "left of the square");
    stage(4000 + 3 * pixel, 3000, Blue, "right of the square");
    stage(3 * pixel, 3 * pixel, Blue, "stage's top left");
    stage(8000 - 3 * pixel, 6000 - 3 * pixel, Blue, "stage's bottom right");
    // Black bands where the control's shape differs from the stage's, and black around the control.
    const double middleX = (r.right - r.left) / 2.0;
    const double middleY = (r.bottom - r.top) / 2.0;
    if (map.stage.top >= 3) {
        expect(middleX, map.stage.top - 2, Black, "band above");
        expect(middleX, map.stage.bottom + 1, Black, "band below");
    }
    if (map.stage.left >= 3) {
        expect(map.stage.left - 2, middleY, Black, "band left");
        expect(map.stage.right + 1, middleY, Black, "band right");
    }
    RECT client{};
    GetClientRect(form, &client);
    MapWindowPoints(form, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    if (r.left - 3 >= client.left) expect(-3, middleY, Black, "window left of the control");
    if (r.bottom + 3 < client.bottom) expect(middleX, r.bottom - r.top + 2, Black, "window below the control");
    if (faults.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << faults;
}

class FlashWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        NumberTheTexts();
        shared.LangCaption[1] = L"  Exit now";
        shared.CaptionPad = L"  ";
        shared.NotesDirty = false;
        // Between the show row and the hide limit: the bar stays as it is.
        SetCursorPos(640, 12);
    }
    void TearDown() override
    {
        if (flash) flash->Unload();
        flash.reset();
        host::ReleasePending();
    }

    frmFlash& Open(const std::wstring& movie)
    {
        shared.FlashFile = movie;
        flash = std::make_unique<frmFlash>();
        flash->Load();
        flash->Show();
        host::SleepPumping(200);
        return *flash;
    }

    int BarTopPixels() const
    {
        RECT r = ScreenRect(flash->Picture1->hwnd());
        MapWindowPoints(HWND_DESKTOP, flash->hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r.top;
    }
    int BarBottomOnScreen() const { return ScreenRect(flash->Picture1->hwnd()).bottom; }

    MovieFiles files;
    std::unique_ptr<frmFlash> flash;
};

} // namespace

TEST(FlashPlayerControl, FilesItCannotPlayLeaveItBlackAndStill)
{
    MovieFiles files;
    ControlHost host;
    host::FlashPlayer player(host.form->hwnd());
    SizeInPixels(player, 160, 120);
    // A file far beyond any movie the reader accepts is refused before it is read.
    const std::wstring huge = files.Folder() + L"\\huge.swf";
    {
        UniqueFile file(CreateFileW(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        WriteFile(file.get(), "FWS\x06\xff\xff\xff\x7f", 8, &written, nullptr);
        LARGE_INTEGER size{};
        size.QuadPart = 80ll << 20;
        SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN);
        SetEndOfFile(file.get());
    }
    for (const std::wstring& bad : {files.Lzma(), files.Random(), files.Missing(), huge}) {
        player.SetMovie(files.TwoFrames());
        ASSERT_TRUE(player.HasMovie());
        player.SetMovie(bad);
        EXPECT_FALSE(player.HasMovie());
        EXPECT_FALSE(player.Playing());
        EXPECT_EQ(player.Movie(), bad);
        EXPECT_EQ(player.CurrentFrame(), 0u);
        Printed shown(player.hwnd());
        for (const POINT p : {POINT{0, 0}, POINT{80, 60}, POINT{159, 119}, POINT{40, 100}})
            EXPECT_EQ(shown.At(p.x, p.y), Black) << p.x << ", " << p.y;
    }
    // A movie after them plays again, and Stop halts it on its frame.
    player.SetMovie(files.TwoFrames());
    EXPECT_TRUE(WaitFor([&] { return player.CurrentFrame() == 1; }, 2000));
    player.Stop();
    EXPECT_FALSE(player.Playing());
    EXPECT_TRUE(player.HasMovie());
    const std::size_t frame = player.CurrentFrame();
    host::SleepPumping(600);
    EXPECT_EQ(player.CurrentFrame(), frame);
}

TEST(FlashPlayerControl, LeavesNoHandlesOverResizesLoadsAndUnloads)
{
    MovieFiles files;
    const std::wstring movies[] = {files.RedSquare(), files.TwoFrames(), files.Random(), files.Lzma()};
    ControlHost host;
    auto cycle = [&] {
        for (int round = 0; round < 12; ++round) {
            host::FlashPlayer player(host.form->hwnd(), round);
            for (int i = 0; i < 10; ++i) {
                if (i % 3 == 0) player.SetMovie(movies[(round + i) % 4]);
                SizeInPixels(player, 50 + 37 * i, 40 + 23 * i);
            }
            host::SleepPumping(30);
        }
    };
    cycle(); // the first round brings what stays for the process (GDI+, window classes)
    const DWORD before = GdiObjectCount();
    {
        // The count sees one more object.
        UniqueBrush probe(CreateSolidBrush(RGB(1, 2, 3)));
        ASSERT_EQ(GdiObjectCount(), before + 1);
    }
    for (int i = 0; i < 3; ++i) cycle();
    EXPECT_LE(GdiObjectCount(), before + 2) << "GDI objects";
    EXPECT_EQ(GetWindow(host.form->hwnd(), GW_CHILD), nullptr) << "every control's window is gone with it";
    // The movie files are closed: each opens without sharing.
    for (const std::wstring& movie : movies) {
        UniqueFile file(CreateFileW(movie.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_TRUE(file) << "still open: " << std::string(movie.begin(), movie.end());
    }
}

TEST_F(FlashWindow, LoadsFullScreenBlackWithItsBarButtonsAndMovie)
{
    const std::wstring movie = files.RedSquare();
    shared.FlashFile = movie;
    flash = std::make_unique<frmFlash>();
    flash->Load();
    EXPECT_EQ(flash->CheckPhase, 0);
    EXPECT_EQ(flash->HideLimit, 28);
    EXPECT_TRUE(flash->Timer1.Enabled());

    const HWND w = flash->hwnd();
    const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
    EXPECT_TRUE(style & WS_DLGFRAME);
    EXPECT_FALSE(style & WS_BORDER) << "no title bar";
    EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "not in the task bar";
    EXPECT_EQ(testsupport::WindowText(w), L"");
    EXPECT_EQ(flash->BackColor(), Black);
    const RECT r = ScreenRect(w);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));

    const double pixel = screen::ToTwips(1);
    EXPECT_EQ(flash->Picture1->BackColor(), Blue);
    EXPECT_EQ(flash->Picture1->Left(), 0);
    EXPECT_EQ(flash->Picture1->Top(), 0);
    EXPECT_NEAR(flash->Picture1->Width(), flash->ScaleWidth(), pixel);
    EXPECT_NEAR(flash->Picture1->Height(), 470, pixel);
    // The movie fills the inner area under the bar.
    EXPECT_EQ(flash->Flash->Left(), 0);
    EXPECT_EQ(flash->Flash->Top(), 0);
    EXPECT_NEAR(flash->Flash->Width(), flash->ScaleWidth(), pixel);
    EXPECT_NEAR(flash->Flash->Height(), flash->ScaleHeight(), pixel);
    EXPECT_EQ(flash->Flash->Movie(), movie);
    EXPECT_TRUE(flash->Flash->HasMovie());
    EXPECT_EQ(GetWindow(flash->Picture1->hwnd(), GW_HWNDPREV), nullptr) << "the bar lies over the movie";

    EXPECT_EQ(flash->cmd.Count(), 6);
    const special::FlashBarLayout bar = special::LayOutFlashBar(flash->ScaleWidth());
    const std::wstring captions[] = {ExitCaption, L"1 / 2", L"3 / 4", L"4 / 5", L"1 / 1", ExitCaption};
    for (int i = 1; i <= 6; ++i) {
        ZelButtonOXP& button = flash->cmd(i);
        EXPECT_EQ(GetParent(button.hwnd()), flash->Picture1->hwnd()) << i;
        EXPECT_EQ(button.Caption(), captions[i - 1]) << i;
        EXPECT_EQ(button.PictureNormal() != nullptr, i == 1 || i == 6) << i;
        EXPECT_TRUE(button.ToolTipText().empty()) << i;
        EXPECT_NEAR(button.Left(), bar.LeftTwips[static_cast<std::size_t>(i)], pixel) << i;
        EXPECT_NEAR(button.Width(), bar.ButtonWidthTwips, pixel) << i;
        EXPECT_EQ(button.Top(), 0) << i;
    }
    EXPECT_EQ(flash->cmd(1).PictureNormal(), flash->cmd(6).PictureNormal());
    // Indices the bar does not have do nothing.
    flash->cmd_Click(0);
    flash->cmd_Click(7);
    EXPECT_NEAR(flash->Flash->Width(), flash->ScaleWidth(), pixel);
}

TEST_F(FlashWindow, ShowsTheMovieAtEachSizeCentredWithItsStageWhole)
{
    frmFlash& f = Open(files.RedSquare());
    ASSERT_TRUE(ShowsRedSquareOnBlue(f.Flash->hwnd(), f.hwnd(), BarBottomOnScreen()));
    const double pixel = screen::ToTwips(1);
    const struct {
        int Index;
        double Divisor;
    } sizes[] = {{2, 2}, {3, 1.5}, {4, 1.25}, {5, 1}};
    for (const auto& size : sizes) {
        Click(f.cmd(size.Index).hwnd());
        ASSERT_TRUE(f.Visible());
        EXPECT_NEAR(f.Flash->Width(), f.ScaleWidth() / size.Divisor, pixel) << size.Index;
        EXPECT_NEAR(f.Flash->Height(), f.ScaleHeight() / size.Divisor, pixel) << size.Index;
        EXPECT_NEAR(f.Flash->Left(), (f.ScaleWidth() - f.Flash->Width()) / 2, pixel) << size.Index;
        EXPECT_NEAR(f.Flash->Top(), (f.ScaleHeight() - f.Flash->Height()) / 2, pixel) << size.Index;
        host::SleepPumping(150);
        EXPECT_TRUE(ShowsRedSquareOnBlue(f.Flash->hwnd(), f.hwnd(), BarBottomOnScreen())) << "size " << size.Index;
    }
    EXPECT_EQ(f.Flash->Left(), 0);
    EXPECT_EQ(f.Flash->Top(), 0);
}

TEST_F(FlashWindow, TwoFrameMovieAlternatesAtItsFrameRateAndStopsOnExit)
{
    frmFlash& f = Open(files.TwoFrames());
    // The square's place in the first frame: red there, blue in the second.
    const RECT r = ScreenRect(f.Flash->hwnd());
    const swf::ShowAll map = swf::MapShowAll(Stage, r.right - r.left, r.bottom - r.top);
    const swf::PointF spot = map.ToDevice({2000, 3000});
    const int x = r.left + static_cast<int>(spot.x);
    const int y = r.top + static_cast<int>(spot.y);
    auto red = [&] { return Near(ScreenPixel(x, y), Red); };

    std::vector<double> changes;
    const auto start = std::chrono::steady_clock::now();
    auto elapsedMs = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    bool last = red();
    while (elapsedMs() < 2600) {
        host::SleepPumping(10);
        const bool now = red();
        if (now != last) changes.push_back(elapsedMs());
        last = now;
    }
    // 4 frames a second: the colour turns every 250 ms.
    ASSERT_GE(changes.size(), 8u);
    EXPECT_LE(changes.size(), 11u);
    const double meanMs = (changes.back() - changes.front()) / static_cast<double>(changes.size() - 1);
    EXPECT_NEAR(meanMs, 250, 30);

    Click(f.cmd(6).hwnd());
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(f.Loaded());
    EXPECT_FALSE(f.Flash->Playing());
    const std::size_t frame = f.Flash->CurrentFrame();
    host::SleepPumping(700);
    EXPECT_EQ(f.Flash->CurrentFrame(), frame);
}

TEST_F(FlashWindow, BarComesAtTheTopEdgeAndLeavesBelowItsLimit)
{
    frmFlash& f = Open(files.RedSquare());
    const int hiddenTop = screen::ToPixels(-500);
    ASSERT_EQ(BarTopPixels(), 0) << "in view at load";
    const RECT shown = ScreenRect(f.Picture1->hwnd());
    const int height = shown.bottom - shown.top;
    auto timeUntil = [&](int top) {
        const auto start = std::chrono::steady_clock::now();
        if (!WaitFor([&] { return BarTopPixels() == top; }, 2000, 5)) return 9999.0;
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    // Each test runs every 300 ms; a tick late under load is allowed for.
    constexpr double WithinMs = 300 + 150;

    SetCursorPos(640, 29);
    EXPECT_LE(timeUntil(hiddenTop), WithinMs);
    EXPECT_TRUE(f.Picture1->Visible()) << "out of view, not hidden";
    const RECT gone = ScreenRect(f.Picture1->hwnd());
    EXPECT_EQ(gone.bottom - gone.top, height);

    SetCursorPos(640, 4);
    host::SleepPumping(700);
    EXPECT_EQ(BarTopPixels(), hiddenTop) << "row 4 is not the top edge";
    SetCursorPos(640, 0);
    EXPECT_LE(timeUntil(0), WithinMs);
    SetCursorPos(640, 28);
    host::SleepPumping(700);
    EXPECT_EQ(BarTopPixels(), 0) << "row 28 is not beyond the limit";
    SetCursorPos(640, 29);
    EXPECT_LE(timeUntil(hiddenTop), WithinMs);
    SetCursorPos(640, 3);
    EXPECT_LE(timeUntil(0), WithinMs);
}

TEST_F(FlashWindow, FilesItCannotPlayLeaveABlackWindowWhoseButtonsWork)
{
    for (const std::wstring& bad : {files.Lzma(), files.Random(), files.Missing()}) {
        frmFlash& f = Open(bad);
        EXPECT_FALSE(f.Flash->HasMovie());
        EXPECT_EQ(f.Flash->Movie(), bad);
        const RECT r = ScreenRect(f.hwnd());
        for (int y = 100; y < r.bottom - 10; y += 211)
            for (int x = 10; x < r.right - 10; x += 317)
                EXPECT_EQ(ScreenPixel(x, y), Black) << x << ", " << y;
        Click(f.cmd(3).hwnd());
        EXPECT_NEAR(f.Flash->Width(), f.ScaleWidth() / 1.5, screen::ToTwips(1));
        Click(f.cmd(1).hwnd());
        EXPECT_FALSE(f.Visible());
        TearDown();
    }
}

TEST_F(FlashWindow, PlayFlashShowsThePlayerModallyAndUnloadsItWhenItHides)
{
    shared.FlashFile = files.RedSquare();
    HWND seen = nullptr;
    COLORREF square = 0;
    std::thread exiter([&] {
        if (!WaitFor([&] { return (seen = FindFlashWindow()) != nullptr; }, 10000)) return;
        Sleep(400);
        const RECT r = ScreenRect(FindWindowExW(seen, nullptr, L"VistoraFlashPlayer", nullptr));
        const swf::PointF middle = swf::MapShowAll(Stage, r.right - r.left, r.bottom - r.top).ToDevice({3000, 3000});
        square = ScreenPixel(r.left + static_cast<int>(middle.x), r.top + static_cast<int>(middle.y));
        PostClick(FindButton(seen, ExitCaption));
    });
    special::PlayFlash();
    exiter.join();
    ASSERT_NE(seen, nullptr);
    EXPECT_FALSE(IsWindow(seen)) << "unloaded once it hid";
    EXPECT_TRUE(Near(square, Red)) << "the movie plays while the player is shown modally: " << Text(square);
}

TEST_F(FlashWindow, LoadingAndUnloadingLeavesNothingBehind)
{
    const std::wstring movie = files.TwoFrames();
    Open(movie);
    TearDown();
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 8; ++i) {
        frmFlash& f = Open(i % 2 ? movie : files.Random());
        Click(f.cmd(2 + i % 4).hwnd());
        f.cmd_Click(1);
        TearDown();
    }
    EXPECT_LE(GdiObjectCount(), before + 2);
    EXPECT_EQ(FindWindowW(L"VistoraForm", nullptr), nullptr) << "no window left";
    UniqueFile file(CreateFileW(movie.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(file) << "the movie file is closed";
}

TEST(FlashEscape, EndsTheWholeProgramWhicheverControlHasTheFocus)
{
    MovieFiles files;
    files.RedSquare();
    EXPECT_EQ(RunSelf(L"FlashEscapeChild.EndsTheProgram", L"VISTORA_FLASH_ESCAPE", files.Folder()), 0u);
    EXPECT_EQ(ReadBytes(files.Folder() + L"\\progress.txt"), "focus on 1 / 2\nescape\n");
}

TEST(FlashEscape, AsksBeforeUnsavedNotesAreLostAndNoKeepsThePlayer)
{
    MovieFiles files;
    files.RedSquare();
    EXPECT_EQ(RunSelf(L"FlashEscapeChild.AsksAboutUnsavedNotes", L"VISTORA_FLASH_ESCAPE", files.Folder()), 0u);
    EXPECT_EQ(ReadBytes(files.Folder() + L"\\progress.txt"), "asked T16\nkept\nescape again\n");
}

// The second halves of FlashEscape, in a process of their own: they end only through Escape.
namespace {

// The folder the parent named, with the texts and the movie set; empty outside a child run.
std::wstring ChildFolder()
{
    const std::wstring folder = Env(L"VISTORA_FLASH_ESCAPE");
    NumberTheTexts();
    shared.LangCaption[1] = ExitCaption;
    shared.FlashFile = folder + L"\\red square.swf";
    return folder;
}

// Plays the movie modally while another thread drives the player's window. When the program
// is still there after that, the player is closed and the test fails.
void PlayUntilTheProgramEnds(const std::function<void(HWND)>& drive)
{
    std::thread driver([&] {
        HWND w = nullptr;
        if (!WaitFor([&] { return (w = FindFlashWindow()) != nullptr; }, 10000)) return;
        Sleep(300);
        drive(w);
        Sleep(5000);
        PostClick(FindButton(w, ExitCaption));
    });
    special::PlayFlash();
    driver.join();
    ADD_FAILURE() << "Escape did not end the program";
}

} // namespace

TEST(FlashEscapeChild, EndsTheProgram)
{
    const std::wstring folder = ChildFolder();
    if (folder.empty()) GTEST_SKIP() << "runs only as the child of FlashEscape";
    const std::wstring progress = folder + L"\\progress.txt";
    const DWORD uiThread = GetCurrentThreadId();
    PlayUntilTheProgramEnds([&](HWND w) {
        const HWND half = FindButton(w, L"1 / 2");
        PostClick(half);
        Sleep(300);
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(uiThread, &info);
        if (info.hwndFocus == half) Append(progress, "focus on 1 / 2");
        Append(progress, "escape");
        PressKey(VK_ESCAPE);
    });
}

TEST(FlashEscapeChild, AsksAboutUnsavedNotes)
{
    const std::wstring folder = ChildFolder();
    if (folder.empty()) GTEST_SKIP() << "runs only as the child of FlashEscape";
    shared.ShowFileName = L"TALK.PPT";
    shared.NotesShowFile = folder + L"\\TALK.PPT";
    shared.EditorMode = 2;
    shared.NotesOpen = 1;
    notes::OpenNotes();
    ASSERT_NE(notes::LoadedEditor(), nullptr);
    const HWND editor = notes::LoadedEditor()->hwnd();
    shared.NotesDirty = true;
    const std::wstring progress = folder + L"\\progress.txt";
    PlayUntilTheProgramEnds([&](HWND w) {
        {
            MessageBoxWatch no(IDNO);
            PressKey(VK_ESCAPE);
            WaitFor([&] { return no.count() > 0; }, 5000);
            Sleep(500);
            for (const auto& seen : no.seen()) Append(progress, "asked " + std::string(seen.text.begin(), seen.text.end()));
            if (IsWindowVisible(w) && IsWindow(editor)) Append(progress, "kept");
        }
        MessageBoxWatch yes(IDYES);
        Append(progress, "escape again");
        PressKey(VK_ESCAPE);
        Sleep(5000);
    });
}
