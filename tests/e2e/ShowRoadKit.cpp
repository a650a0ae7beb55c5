#include "ShowRoadKit.h"

#include <algorithm>

using testsupport::WaitFor;
using testsupport::WriteBytes;

namespace e2e {

HWND FindForm(DWORD pid, bool overlay)
{
    return testsupport::FindProcessWindow(pid, L"VistoraForm", [overlay](HWND hwnd) {
        if (!(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST)) return false;
        RECT r{};
        GetWindowRect(hwnd, &r);
        return (r.bottom - r.top >= GetSystemMetrics(SM_CYSCREEN)) == overlay;
    });
}

HWND Bar(const VistoraApp& app) { return FindForm(app.Pid(), false); }
HWND Overlay(const VistoraApp& app) { return FindForm(app.Pid(), true); }

HWND FindPicker(DWORD pid)
{
    return testsupport::FindProcessWindow(pid, L"VistoraForm", [](HWND hwnd) {
        HWND list = GetDlgItem(hwnd, PickerListId);
        wchar_t listClass[32] = {};
        return list && GetClassNameW(list, listClass, 32) && lstrcmpiW(listClass, L"ListBox") == 0;
    });
}

HWND FindEditor(DWORD pid)
{
    return testsupport::FindProcessWindow(
        pid, L"VistoraForm", [](HWND hwnd) { return FindWindowExW(hwnd, nullptr, L"RICHEDIT50W", nullptr) != nullptr; });
}

HWND ShowWindowOf(const std::wstring& fileName)
{
    HWND show = FindWindowW(L"StandInShow", (L"Slide Show - [" + fileName + L"]").c_str());
    return show && IsWindowVisible(show) ? show : nullptr;
}

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



void SaveScreen(const std::wstring& name, const std::wstring& folderOrDefault)
{
    const std::wstring folder = folderOrDefault.empty() ? testsupport::BuildFolder() + L"\\screens" : folderOrDefault;
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


void ShowRoadTest::SetUp()
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

void ShowRoadTest::TearDown()
{
    if (HWND show = ShowWindowOf(Name)) PostMessageW(show, WM_CLOSE, 0, 0);
    VistoraApp::MoveTo(640, 600);
    SetEnvironmentVariableW(L"VISTORA_PEER_LOG", nullptr);
}

namespace {

std::string Ascii(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

// What stands where a show should have started: whether Vistora still answers, and each program
// it started with its windows. A show that never comes is otherwise told from nothing.
std::string ShowStartState(const VistoraApp& app, HWND bar)
{
    DWORD_PTR answer = 0;
    std::string state = "Vistora ";
    state += SendMessageTimeoutW(bar ? bar : app.Main(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer)
                 ? "answers within 2 s"
                 : "does not answer within 2 s";
    state += "; programs it started:";
    const std::vector<PROCESSENTRY32W> started = testsupport::ProcessEntriesStartedBy(app.Pid());
    if (started.empty()) state += " none";
    for (const PROCESSENTRY32W& entry : started) {
        state += " " + Ascii(entry.szExeFile) + " (" + std::to_string(entry.cntThreads) + " threads, windows:";
        const std::vector<HWND> windows = testsupport::TopLevelWindowsOf(entry.th32ProcessID);
        if (windows.empty()) state += " none";
        for (HWND hwnd : windows) {
            wchar_t cls[64] = {};
            GetClassNameW(hwnd, cls, 64);
            state += " " + Ascii(cls) + " \"" + Ascii(testsupport::WindowText(hwnd)) + "\"" +
                     (IsWindowVisible(hwnd) ? "" : " hidden");
        }
        state += ")";
    }
    return state;
}

} // namespace

HWND ShowRoadTest::StartShow(bool letTheWatchSeeIt)
{
    VistoraApp::Click(app_.Button(1));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(app_.Main()); }, 3000)) << "the main window hides";
    HWND bar = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (bar = Bar(app_)) != nullptr; }, 3000)) << "the bar appears";
    EXPECT_TRUE(WaitFor([&] { return ShowWindowOf(Name) != nullptr; }, 10000))
        << "the show starts; " << ShowStartState(app_, bar);
    // Give the bar's watch time to see the show.
    if (letTheWatchSeeIt) testsupport::WaitFor([] { return false; }, 1500);
    return bar;
}

void ShowRoadTest::ClickBarButton(HWND bar, int index)
{
    VistoraApp::MoveTo(640, 2);
    EXPECT_TRUE(WaitFor([&] { return Top(bar) == 0; }, 1500));
    VistoraApp::Click(ChildById(bar, BarButtonId + index));
}

void ShowRoadTest::PressBarButton(HWND bar, int index)
{
    PostMessageW(ChildById(bar, BarButtonId + index), BM_CLICK, 0, 0);
}

HWND ShowRoadTest::OpenPicker(HWND bar)
{
    PressBarButton(bar, WizardButton);
    HWND picker = nullptr;
    WaitFor([&] { return (picker = FindPicker(app_.Pid())) != nullptr; }, 5000);
    return picker;
}

void ShowRoadTest::Pick(HWND picker, const std::wstring& entry)
{
    HWND list = GetDlgItem(picker, PickerListId);
    const auto index =
        SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry.c_str()));
    ASSERT_GE(index, 0) << "listed";
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    VistoraApp::Click(ChildById(picker, PickerButtonId + 1));
}

bool ShowRoadTest::PickerGone() { return WaitFor([&] { return FindPicker(app_.Pid()) == nullptr; }, 3000); }

// Windows that have been active take a moment to go where Xvfb has no window manager to answer.
bool ShowRoadTest::MainIsBack() { return WaitFor([&] { return IsWindowVisible(app_.Main()) && !Bar(app_); }, 8000); }

} // namespace e2e
