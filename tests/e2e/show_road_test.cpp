#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "VistoraApp.h"

using e2e::VistoraApp;
using testsupport::ScreenPixel;
using testsupport::WaitFor;
using testsupport::WindowText;
using testsupport::WriteBytes;

namespace {

constexpr int BarButtonId = 200; // plus the bar button's index
constexpr int BackButtonId = 100;
constexpr COLORREF PenRed = RGB(255, 0, 0);
constexpr COLORREF PenBlack = RGB(0, 0, 0);

struct Found {
    DWORD pid;
    bool overlay;
    HWND hwnd = nullptr;
};

// Vistora's own top-level forms: the bar is a thin topmost strip, the overlay covers the screen.
HWND FindForm(DWORD pid, bool overlay)
{
    Found found{pid, overlay};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& f = *reinterpret_cast<Found*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t cls[64] = {};
            GetClassNameW(hwnd, cls, 64);
            if (owner != f.pid || !IsWindowVisible(hwnd) || lstrcmpW(cls, L"VistoraForm") != 0) return TRUE;
            if (!(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST)) return TRUE;
            RECT r{};
            GetWindowRect(hwnd, &r);
            const bool fullScreen = r.bottom - r.top >= GetSystemMetrics(SM_CYSCREEN);
            if (fullScreen != f.overlay) return TRUE;
            f.hwnd = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.hwnd;
}

HWND Bar(const VistoraApp& app) { return FindForm(app.Pid(), false); }
HWND Overlay(const VistoraApp& app) { return FindForm(app.Pid(), true); }

HWND ShowWindowOf(const std::wstring& fileName)
{
    HWND show = FindWindowW(L"StandInShow", (L"Slide Show - [" + fileName + L"]").c_str());
    return show && IsWindowVisible(show) ? show : nullptr;
}

struct ChildSearch {
    int id;
    HWND hwnd = nullptr;
};

HWND ChildById(HWND root, int id)
{
    ChildSearch search{id};
    EnumChildWindows(
        root,
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<ChildSearch*>(param);
            if (GetDlgCtrlID(hwnd) != s.id) return TRUE;
            s.hwnd = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hwnd;
}

// The overlay's labels from left to right: 16 swatches, then the widths "1" to "3".
std::vector<HWND> Statics(HWND root)
{
    std::vector<HWND> statics;
    EnumChildWindows(
        root,
        [](HWND hwnd, LPARAM param) -> BOOL {
            wchar_t cls[32] = {};
            GetClassNameW(hwnd, cls, 32);
            if (lstrcmpiW(cls, L"Static") == 0) reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&statics));
    std::sort(statics.begin(), statics.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.left < rb.left;
    });
    return statics;
}

int Top(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r.top;
}

int RowsOf(int x, int fromY, int toY, COLORREF colour)
{
    int count = 0;
    for (int y = fromY; y <= toY; ++y) count += ScreenPixel(x, y) == colour;
    return count;
}

void Drag(int x0, int y0, int x1, int y1)
{
    VistoraApp::MoveTo(x0, y0);
    VistoraApp::LeftDown();
    for (int step = 1; step <= 8; ++step) VistoraApp::MoveTo(x0 + (x1 - x0) * step / 8, y0 + (y1 - y0) * step / 8);
    VistoraApp::LeftUp();
    Sleep(200);
}

// The screen as a 24-bit BMP in the build folder's screens folder, for a person to look at.
void SaveScreen(const std::wstring& name)
{
    const std::wstring folder = testsupport::BuildFolder() + L"\\screens";
    CreateDirectoryW(folder.c_str(), nullptr);
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    const DWORD stride = ((w * 3 + 3) / 4) * 4;
    std::string pixels(static_cast<std::size_t>(stride) * h, '\0');
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    bytes += pixels;
    WriteBytes(folder + L"\\" + name + L".bmp", bytes);
}

// A folder with one presentation, a started Vistora showing it, and the row clicked.
class ShowRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        e2e::ForgetSettings();
        // Programs the shell starts for the show note their command line here.
        SetEnvironmentVariableW(L"VISTORA_PEER_LOG", PeerLog().c_str());
        WriteBytes(talks_ / L"MY TALK.PPT", "slides");
        std::string opt = "ENG\r\n";
        for (wchar_t c : talks_.path()) opt += static_cast<char>(c);
        WriteBytes(app_.File(L"Vistora.opt"), opt + "\r\n");
        VistoraApp::MoveTo(640, 600);
        ASSERT_TRUE(app_.Start());
        ASSERT_NE(app_.WaitForMain(), nullptr);
        ASSERT_EQ(app_.RowCount(), 1);
        const RECT r = app_.RowRect(0);
        VistoraApp::ClickAt(r.left + 30, (r.top + r.bottom) / 2);
        ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(app_.Button(1)) != 0; }, 3000));
    }
    void TearDown() override
    {
        if (HWND show = ShowWindowOf(Name)) PostMessageW(show, WM_CLOSE, 0, 0);
        VistoraApp::MoveTo(640, 600);
        SetEnvironmentVariableW(L"VISTORA_PEER_LOG", nullptr);
    }

    std::wstring PeerLog() const { return talks_ / L"peer.log"; }

    // Presses the start button; returns the bar once the show's window is up.
    HWND StartShow()
    {
        VistoraApp::Click(app_.Button(1));
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(app_.Main()); }, 3000)) << "the main window hides";
        HWND bar = nullptr;
        EXPECT_TRUE(WaitFor([&] { return (bar = Bar(app_)) != nullptr; }, 3000)) << "the bar appears";
        EXPECT_TRUE(WaitFor([&] { return ShowWindowOf(Name) != nullptr; }, 10000)) << "the show starts";
        // Give the bar's watch time to see the show.
        testsupport::WaitFor([] { return false; }, 1500);
        return bar;
    }

    // Brings the bar into view with the pointer at the top edge and clicks one of its buttons.
    void ClickBarButton(HWND bar, int index)
    {
        VistoraApp::MoveTo(640, 2);
        EXPECT_TRUE(WaitFor([&] { return Top(bar) == 0; }, 1500));
        VistoraApp::Click(ChildById(bar, BarButtonId + index));
    }

    bool MainIsBack() { return WaitFor([&] { return IsWindowVisible(app_.Main()) && !Bar(app_); }, 2000); }

    static inline const std::wstring Name = L"MY TALK.PPT";
    testsupport::ScratchFolder talks_{L"talks"};
    VistoraApp app_;
};

} // namespace

TEST_F(ShowRoad, BarFollowsThePointerAndEndsWithTheShow)
{
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    VistoraApp::MoveTo(640, 2);
    ASSERT_TRUE(WaitFor([&] { return Top(bar) == 0; }, 1500));
    RECT r{};
    GetWindowRect(bar, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    VistoraApp::MoveTo(640, 28);
    SaveScreen(L"bar_over_show");

    const int hiddenTop = -40;
    testsupport::WaitFor([] { return false; }, 1000);
    EXPECT_EQ(Top(bar), 0) << "Y 28 keeps the bar";
    VistoraApp::MoveTo(640, 29);
    EXPECT_TRUE(WaitFor([&] { return Top(bar) == hiddenTop; }, 1000)) << "Y 29 hides it at the next tick";
    VistoraApp::MoveTo(640, 4);
    testsupport::WaitFor([] { return false; }, 1000);
    EXPECT_EQ(Top(bar), hiddenTop) << "Y 4 does not bring it back";
    VistoraApp::MoveTo(640, 3);
    EXPECT_TRUE(WaitFor([&] { return Top(bar) == 0; }, 1000)) << "Y 3 does";

    // Esc in the show ends it; the bar follows within about half a second.
    HWND show = ShowWindowOf(Name);
    PostMessageW(show, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(show); }, 3000));
    const DWORD gone = GetTickCount();
    EXPECT_TRUE(MainIsBack());
    EXPECT_LT(GetTickCount() - gone, 1200u);
}

TEST_F(ShowRoad, ExitClosesTheShowButNeitherClosesNorCountsADecoy)
{
    static int decoyCloses;
    decoyCloses = 0;
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        if (msg == WM_CLOSE) {
            ++decoyCloses;
            return 0;
        }
        return DefWindowProcW(hwnd, msg, w, l);
    };
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ShowRoadDecoy";
    RegisterClassW(&wc);
    HWND decoy = CreateWindowExW(0, wc.lpszClassName, L"My Talk.ppt - decoy", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700,
                                 500, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);

    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    HWND show = ShowWindowOf(Name);
    ClickBarButton(bar, 1);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(show); }, 3000)) << "Exit closes the show";
    EXPECT_TRUE(MainIsBack());
    EXPECT_EQ(decoyCloses, 0);

    // With the decoy still there, the end of a show still ends the bar.
    VistoraApp::MoveTo(640, 600);
    bar = StartShow();
    ASSERT_NE(bar, nullptr);
    show = ShowWindowOf(Name);
    PostMessageW(show, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(show); }, 3000));
    EXPECT_TRUE(MainIsBack());
    EXPECT_EQ(decoyCloses, 0);
    EXPECT_TRUE(IsWindow(decoy));
    DestroyWindow(decoy);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

TEST_F(ShowRoad, EscapeOnTheBarEndsTheBarAndLeavesTheShowRunning)
{
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    PostMessageW(bar, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(MainIsBack());
    testsupport::WaitFor([] { return false; }, 800);
    EXPECT_NE(ShowWindowOf(Name), nullptr);
}

TEST_F(ShowRoad, SpecialOpensTheConfiguredDocumentAndTheShowGoesOn)
{
    // The shipped configuration names Checklist.Txt; its type opens with a program that notes
    // what it was given.
    e2e::ClassOverride text(L".txt", e2e::PeerProgram(L"peer_browser.exe"));
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(IsWindowEnabled(ChildById(bar, BarButtonId + 5)));
    ClickBarButton(bar, 5);
    std::string log;
    EXPECT_TRUE(WaitFor([&] { return (log = testsupport::ReadBytes(PeerLog())).find('\n') != std::string::npos; }, 10000));
    std::string lowerLog = log;
    std::transform(lowerLog.begin(), lowerLog.end(), lowerLog.begin(), [](char c) { return static_cast<char>(tolower(c)); });
    std::string expected;
    for (wchar_t c : app_.File(L"Checklist.Txt")) expected += static_cast<char>(towlower(c));
    EXPECT_NE(lowerLog.find(expected), std::string::npos) << log;
    EXPECT_NE(ShowWindowOf(Name), nullptr) << "the show goes on";
    EXPECT_NE(Bar(app_), nullptr) << "and so does the bar";
}

TEST_F(ShowRoad, PhotoFreezesTheScreenForThePen)
{
    HWND bar = StartShow();
    ASSERT_NE(bar, nullptr);
    ClickBarButton(bar, 2);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(bar) || Top(bar) < 0; }, 1000)) << "the bar goes away";
    HWND overlay = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (overlay = Overlay(app_)) != nullptr; }, 5000));
    testsupport::WaitFor([] { return false; }, 500);

    // Strokes land two pixels right of and below the pointer: the picture's own point is used.
    Drag(200, 300, 400, 300);
    EXPECT_EQ(RowsOf(300, 290, 312, PenRed), 3) << "red, 3 pixels wide";
    EXPECT_EQ(ScreenPixel(300, 302), PenRed);

    // The toolbar: bring it back at the top edge, then pick black and width "1".
    VistoraApp::MoveTo(640, 2);
    const std::vector<HWND> statics = Statics(overlay);
    ASSERT_EQ(statics.size(), 19u);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(GetParent(statics[0])) != 0; }, 2000));
    VistoraApp::Click(statics[0]);
    Drag(250, 300, 350, 300);
    EXPECT_EQ(RowsOf(300, 290, 312, PenRed), 0) << "swatch 0 draws black over the red stroke";
    EXPECT_EQ(ScreenPixel(300, 302), PenBlack);
    EXPECT_EQ(RowsOf(220, 290, 312, PenRed), 3);

    VistoraApp::MoveTo(640, 2);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(GetParent(statics[16])) != 0; }, 2000));
    EXPECT_EQ(WindowText(statics[16]), L"1");
    VistoraApp::Click(statics[16]);
    VistoraApp::Click(statics[12]);
    Drag(200, 500, 400, 500);
    EXPECT_EQ(RowsOf(300, 490, 512, PenRed), 2) << "width \"1\" draws 2 pixels";
    VistoraApp::MoveTo(640, 600);
    testsupport::WaitFor([] { return false; }, 1200);
    SaveScreen(L"overlay_with_strokes");

    // Back: the overlay goes, the bar stays out of view until the top edge, and hides below 25.
    VistoraApp::MoveTo(640, 2);
    HWND back = ChildById(overlay, BackButtonId);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(GetParent(back)) != 0; }, 2000));
    SaveScreen(L"overlay_toolbar");
    VistoraApp::Click(back);
    // The bar unloads the overlay once it has hidden (hiding a full-screen window can take a
    // moment where no window manager answers).
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(overlay); }, 5000));
    EXPECT_FALSE(IsWindowVisible(bar));
    VistoraApp::MoveTo(640, 600);
    VistoraApp::MoveTo(640, 2);
    HWND back2 = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (back2 = Bar(app_)) != nullptr && Top(back2) == 0; }, 4000));
    VistoraApp::MoveTo(640, 26);
    EXPECT_TRUE(WaitFor([&] { return Top(back2) < 0; }, 1500))
        << "the limit is 25 after the pen";
    EXPECT_NE(ShowWindowOf(Name), nullptr);
}
