#pragma once
// Shared by the button's Windows tests: a host window, pixel snapshots of a control, a
// recorder of the control's events and a hand-drawn 16 x 16 picture.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "WineTestSupport.h"
#include "controls/ProgramButtonDesign.h"
#include "host/ZelButtonOXP.h"
#include "host/Handles.h"
#include "host/Picture.h"

namespace buttontest {

inline void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A plain top-most window for the buttons, shown at (x, y) on the screen.
class HostWindow {
public:
    HostWindow(int x, int y, int width, int height)
    {
        static const ATOM atom = [] {
            WNDCLASSEXW wc{};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            wc.lpszClassName = L"ButtonTestHost";
            return RegisterClassExW(&wc);
        }();
        (void)atom;
        hwnd_.reset(CreateWindowExW(WS_EX_TOPMOST, L"ButtonTestHost", L"Buttons", WS_POPUP | WS_VISIBLE, x, y, width,
                                    height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        SetForegroundWindow(hwnd_.get());
        Pump();
    }
    HWND hwnd() const { return hwnd_.get(); }

private:
    UniqueWindow hwnd_;
};

// What the control shows, copied through WM_PRINTCLIENT.
class Snapshot {
public:
    explicit Snapshot(HWND control)
    {
        RECT r{};
        GetClientRect(control, &r);
        WindowDc screen(nullptr);
        dc_.reset(CreateCompatibleDC(screen.get()));
        bitmap_.reset(CreateCompatibleBitmap(screen.get(), std::max<LONG>(r.right, 1), std::max<LONG>(r.bottom, 1)));
        selected_ = std::make_unique<Selected>(dc_.get(), bitmap_.get());
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_.get()), PRF_CLIENT);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }

private:
    UniqueMemDc dc_;
    UniqueBitmap bitmap_;
    std::unique_ptr<Selected> selected_;
};

// The pixel as the screen shows it.
inline COLORREF ScreenPixel(HWND control, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(control, &p);
    WindowDc screen(nullptr);
    return GetPixel(screen.get(), p.x, p.y);
}

struct EventLog {
    std::vector<std::string> Entries;
    explicit EventLog(ButtonModel& b)
    {
        b.Click = [this] { Entries.push_back("Click"); };
        b.MouseOver = [this] { Entries.push_back("MouseOver"); };
        b.MouseOut = [this] { Entries.push_back("MouseOut"); };
        b.MouseDown = [this](int& button, int& shift, float& x, float& y) { Add("MouseDown", button, shift, x, y); };
        b.MouseMove = [this](int&, int&, float&, float&) { ++Moves; };
        b.MouseUp = [this](int& button, int& shift, float& x, float& y) { Add("MouseUp", button, shift, x, y); };
    }
    void Add(const char* name, int button, int shift, float x, float y)
    {
        Entries.push_back(std::string(name) + "(" + std::to_string(button) + "," + std::to_string(shift) + "," +
                          std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)) + ")");
    }
    int Count(const std::string& name) const
    {
        int n = 0;
        for (const auto& e : Entries) n += e == name;
        return n;
    }
    int Moves = 0;
    using List = std::vector<std::string>;
};

// A 16 x 16 picture drawn by hand: a green disc with a dark outline and a white highlight,
// on a transparent ground.
inline std::vector<std::uint32_t> DiscPixels()
{
    static const char* const rows[16] = {
        "................", ".....kkkkkk.....", "...kkggggggkk...", "..kggwwggggggk..", ".kggwwwggggggggk",
        ".kggwwgggggggggk", "kggggggggggggggk", "kgggggggggggggdk", "kgggggggggggggdk", "kggggggggggggddk",
        ".kgggggggggggddk", ".kggggggggggdddk", "..kggggggggdddk.", "...kkgggdddkk...", ".....kkkkkk.....",
        "................"};
    std::vector<std::uint32_t> px;
    for (const char* row : rows) {
        for (int x = 0; x < 16; ++x) {
            const char c = row[x] ? row[x] : '.';
            switch (c) {
            case 'k': px.push_back(0xFF203020); break;
            case 'g': px.push_back(0xFF30A040); break;
            case 'd': px.push_back(0xFF207030); break;
            case 'w': px.push_back(0xFFFFFFFF); break;
            default: px.push_back(0x00000000); break;
            }
        }
    }
    px.resize(256, 0);
    return px;
}

inline std::shared_ptr<const Picture> Disc()
{
    return std::make_shared<const Picture>(Picture::FromPixels(16, 16, DiscPixels()));
}

// A button of the program's design placed at (x, y) in the host, w x h pixels.
inline std::unique_ptr<ZelButtonOXP> MakeButton(HWND host, int id, const std::wstring& caption, int x, int y, int w,
                                                int h)
{
    auto b = std::make_unique<ZelButtonOXP>(host, id, L"cmd", ProgramButtonDesign(caption));
    SetWindowPos(b->hwnd(), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    return b;
}

// Client point of the control in screen coordinates.
inline POINT ScreenPoint(HWND control, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(control, &p);
    return p;
}

} // namespace buttontest
