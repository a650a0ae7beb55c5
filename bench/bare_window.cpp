// The floor of the start-up benchmark: the least a Win32 program does to show a window and wait
// for input, built with the same compiler and options as Vistora. Built a second time with
// BARE_LIST_VIEW it also shows a list view, and so loads the common controls and the theme
// support they bring, which under Wine's default theme cost more than the rest of a start.
// Built a third time with BARE_WINDOW_SET it shows the windows that Vistora's main window shows at
// start-up, of the same classes, styles, sizes and nesting, painted plainly: what the system
// charges for that window set, before any picture, text or file of Vistora's.
#include <windows.h>

#include <initializer_list>

#if defined(BARE_LIST_VIEW) || defined(BARE_WINDOW_SET)
#include <commctrl.h>
#endif

#if defined(BARE_WINDOW_SET)
constexpr const wchar_t* ClassName = L"BareWindowSet";
#elif defined(BARE_LIST_VIEW)
constexpr const wchar_t* ClassName = L"BareControls";
#else
constexpr const wchar_t* ClassName = L"BareWindow";
#endif

namespace {

#ifdef BARE_WINDOW_SET
constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
constexpr DWORD Picture = Child | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD Button = Child | WS_CLIPSIBLINGS | WS_TABSTOP;

HWND Make(const wchar_t* cls, DWORD style, DWORD exStyle, int x, int y, int w, int h, HWND parent)
{
    return CreateWindowExW(exStyle, cls, L"", style, x, y, w, h, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Vistora's main window at start-up: a title strip with its picture and three title buttons, a row
// of eleven command buttons (one hidden, two disabled), the list of presentations with its three
// columns, the drive and folder lists each in a host window, the status bar with three parts, and
// the banner and background pictures below them all.
void MakeWindowSet(HWND main)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    const HWND title = Make(L"BarePicture", Picture, 0, 0, 0, 1274, 28, main);
    for (int x : {1251, 1229, 1208}) Make(L"BarePicture", Picture, 0, x, 6, 18, 16, title);
    Make(L"BarePicture", Picture, 0, 0, 0, 1274, 28, title);
    for (int i = 0; i < 11; ++i) {
        const DWORD disabled = i == 1 || i == 9 ? WS_DISABLED : 0;
        const HWND button = Make(L"BareButton", Button | disabled, 0, 127 * i, 31, 128, 44, main);
        if (i == 4) ShowWindow(button, SW_HIDE);
    }
    const HWND list = Make(WC_LISTVIEWW,
                           Child | WS_CLIPCHILDREN | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                               LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                           0, 30, 128, 870, 843, main);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (int i = 0; i < 3; ++i) {
        wchar_t name[] = L"Column";
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = name;
        column.cx = i == 0 ? 500 : 150;
        ListView_InsertColumn(list, i, &column);
    }
    const HWND drives = Make(L"BarePicture", Child | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 918, 128, 333, 21, main);
    Make(WC_COMBOBOXW, Child | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 0, 0, 0, 333, 200, drives);
    const HWND folders = Make(L"BarePicture", Child | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 918, 150, 333, 822, main);
    Make(WC_LISTBOXW, Child | WS_TABSTOP | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 0,
         0, 333, 822, folders);
    const HWND status = Make(STATUSCLASSNAMEW, Child | SBARS_SIZEGRIP, 0, 0, 0, 0, 0, main);
    int edges[3] = {212, 1134, -1};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    Make(L"BarePicture", Picture, 0, 0, 28, 1274, 80, main);
    const HWND background = Make(L"BarePicture", Picture, 0, 0, 109, 1273, 965, main);
    SetWindowPos(background, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
#endif

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (msg == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    };
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = ClassName;
    RegisterClassExW(&wc);
#ifdef BARE_WINDOW_SET
    for (const wchar_t* child : {L"BarePicture", L"BareButton"}) {
        wc.lpfnWndProc = DefWindowProcW;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = child;
        RegisterClassExW(&wc);
    }
    const HWND hwnd = CreateWindowExW(WS_EX_APPWINDOW, ClassName, L"Bare window set",
                                      WS_POPUP | WS_THICKFRAME | WS_MINIMIZEBOX | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0,
                                      1280, 1024, nullptr, nullptr, instance, nullptr);
    MakeWindowSet(hwnd);
#else
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
#endif
#ifdef BARE_LIST_VIEW
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 300, 200, hwnd, nullptr, instance,
                    nullptr);
#endif
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
