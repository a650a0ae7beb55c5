// Stand-in for the presentation program, for running and testing Vistora where the real one is
// not installed. It offers only what Vistora relies on:
//   StandInShow.exe /s "C:\talks\My Talk.ppt"  full-screen slide show titled
//                                               "Slide Show - [My Talk.ppt]", until Esc, the end
//                                               of the slides or WM_CLOSE
//   StandInShow.exe "C:\talks\My Talk.ppt"     a normal window, as an editor would open it
//   StandInShow.exe                            a normal window without a presentation
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "host/Handles.h"

namespace {

constexpr wchar_t ClassName[] = L"StandInShow";
constexpr wchar_t ProgramName[] = L"Stand-in Show";
constexpr int SlideCount = 10;
constexpr COLORREF ShowBack = RGB(0, 0, 0);
constexpr COLORREF ShowText = RGB(255, 255, 255);

enum class Mode { Empty, Editor, Show };

struct Presentation {
    Mode mode = Mode::Empty;
    std::wstring path;
    std::wstring fileName;
    bool missing = false;
};

Presentation ParseCommandLine()
{
    Presentation p;
    bool showSwitch = false;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; argv && i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg.empty()) continue;
        if (arg[0] == L'/' || arg[0] == L'-') {
            // Other switches (such as the one a COM server is started with) are ignored.
            showSwitch = showSwitch || lstrcmpiW(arg.c_str() + 1, L"s") == 0;
        } else if (p.path.empty()) {
            p.path = arg;
        }
    }
    LocalFree(argv);
    if (p.path.empty()) return p;
    p.mode = showSwitch ? Mode::Show : Mode::Editor;
    const auto slash = p.path.find_last_of(L"\\/");
    p.fileName = slash == std::wstring::npos ? p.path : p.path.substr(slash + 1);
    const DWORD attributes = GetFileAttributesW(p.path.c_str());
    p.missing = attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return p;
}

class StandInWindow {
public:
    explicit StandInWindow(Presentation p) : p_(std::move(p)) {}

    bool Create(HINSTANCE instance, int showCommand)
    {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = Proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        wc.lpszClassName = ClassName;
        if (!RegisterClassExW(&wc)) return false;

        const bool show = p_.mode == Mode::Show;
        const std::wstring title = show                   ? L"Slide Show - [" + p_.fileName + L"]"
                                   : p_.mode == Mode::Editor ? p_.fileName + L" - " + ProgramName
                                                             : std::wstring(ProgramName);
        const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        nameFont_.reset(MakeFont(show ? screenHeight / 14 : 28, FW_BOLD));
        textFont_.reset(MakeFont(show ? screenHeight / 20 : 20, FW_NORMAL));
        if (show) backBrush_.reset(CreateSolidBrush(ShowBack));

        HWND hwnd = show ? CreateWindowExW(0, ClassName, title.c_str(), WS_POPUP, 0, 0,
                                           GetSystemMetrics(SM_CXSCREEN), screenHeight, nullptr,
                                           nullptr, instance, this)
                         : CreateWindowExW(0, ClassName, title.c_str(), WS_OVERLAPPEDWINDOW,
                                           CW_USEDEFAULT, CW_USEDEFAULT, 640, 400, nullptr,
                                           nullptr, instance, this);
        if (!hwnd) return false;
        ShowWindow(hwnd, show ? SW_SHOW : showCommand);
        SetForegroundWindow(hwnd);
        return true;
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_NCCREATE) {
            auto* self = static_cast<StandInWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<StandInWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
        switch (msg) {
        case WM_CREATE: self->OnCreate(); return 0;
        case WM_SIZE: self->Layout(); return 0;
        case WM_KEYDOWN: self->OnKey(wp); return 0;
        case WM_LBUTTONDOWN: self->Move(+1); return 0;
        case WM_RBUTTONDOWN: self->Move(-1); return 0;
        case WM_ERASEBKGND: return self->OnErase(reinterpret_cast<HDC>(wp));
        case WM_CTLCOLORSTATIC: return self->OnColor(reinterpret_cast<HDC>(wp));
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            PostQuitMessage(0);
            break;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

    bool Showing() const { return p_.mode == Mode::Show; }

    static HFONT MakeFont(int heightPixels, int weight)
    {
        return CreateFontW(-heightPixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, L"Arial");
    }

    HWND Label(const std::wstring& text, HFONT font)
    {
        HWND label = CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER,
                                     0, 0, 0, 0, hwnd_, nullptr, nullptr, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return label;
    }

    void OnCreate()
    {
        name_ = Label(p_.mode == Mode::Empty ? L"No presentation open" : p_.fileName,
                      nameFont_.get());
        slide_ = Label(L"", textFont_.get());
        note_ = Label(p_.missing ? L"The file cannot be found: " + p_.path : L"", textFont_.get());
        ShowSlide();
    }

    void Layout()
    {
        RECT client;
        GetClientRect(hwnd_, &client);
        const int w = client.right;
        const int h = client.bottom;
        MoveWindow(name_, 0, h * 3 / 10, w, h / 6, TRUE);
        MoveWindow(slide_, 0, h / 2, w, h / 8, TRUE);
        MoveWindow(note_, 0, h * 5 / 8, w, h / 4, TRUE);
    }

    void ShowSlide()
    {
        const std::wstring text = Showing() ? L"Slide " + std::to_wstring(slideNo_) + L" of "
                                                  + std::to_wstring(SlideCount)
                                            : std::wstring();
        SetWindowTextW(slide_, text.c_str());
    }

    void OnKey(WPARAM key)
    {
        switch (key) {
        case VK_ESCAPE:
            if (Showing()) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
            break;
        case VK_RIGHT: case VK_DOWN: case VK_NEXT: case VK_SPACE: case VK_RETURN: case 'N':
            Move(+1);
            break;
        case VK_LEFT: case VK_UP: case VK_PRIOR: case VK_BACK: case 'P':
            Move(-1);
            break;
        }
    }

    // Moving past the last slide ends the show, as the presentation program does.
    void Move(int step)
    {
        if (!Showing()) return;
        const int next = slideNo_ + step;
        if (next > SlideCount) {
            PostMessageW(hwnd_, WM_CLOSE, 0, 0);
            return;
        }
        if (next < 1) return;
        slideNo_ = next;
        ShowSlide();
    }

    LRESULT OnErase(HDC dc)
    {
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(dc, &client, Showing() ? backBrush_.get() : GetSysColorBrush(COLOR_WINDOW));
        return TRUE;
    }

    LRESULT OnColor(HDC dc)
    {
        SetBkMode(dc, TRANSPARENT);
        if (!Showing()) {
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        SetTextColor(dc, ShowText);
        return reinterpret_cast<LRESULT>(backBrush_.get());
    }

    Presentation p_;
    HWND hwnd_ = nullptr;
    HWND name_ = nullptr;
    HWND slide_ = nullptr;
    HWND note_ = nullptr;
    int slideNo_ = 1;
    UniqueFont nameFont_;
    UniqueFont textFont_;
    UniqueBrush backBrush_;
};

} // namespace

namespace {

// Where VISTORA_SHOW_LOG names a file, the command line is added to it (UTF-8, one a line),
// so that a test can see the very path it was given.
void NoteCommandLine()
{
    wchar_t log[1024];
    const DWORD n = GetEnvironmentVariableW(L"VISTORA_SHOW_LOG", log, 1024);
    if (!n || n >= 1024) return;
    const std::wstring line = std::wstring(GetCommandLineW()) + L"\r\n";
    const int length = static_cast<int>(line.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), length, bytes.data(), size, nullptr, nullptr);
    HANDLE file =
        CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    NoteCommandLine();
    StandInWindow window(ParseCommandLine());
    if (!window.Create(instance, showCommand)) return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
