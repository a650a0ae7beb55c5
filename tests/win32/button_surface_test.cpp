#include <gtest/gtest.h>

#include <windows.h>

#include "ButtonWin32Kit.h"
#include "controls/ButtonPainter.h"
#include "host/GdiCanvas.h"

using namespace buttontest;

namespace {

// The pixels of one look drawn by plain GDI on an ordinary bitmap.
class PlainBitmap {
public:
    PlainBitmap(int width, int height)
        : dc_(CreateCompatibleDC(screen_.get())), bitmap_(CreateCompatibleBitmap(screen_.get(), width, height)),
          into_(dc_.get(), bitmap_.get())
    {
        SetBkMode(dc_.get(), TRANSPARENT); // as the retained surface draws its text
    }
    HDC dc() const { return dc_.get(); }

private:
    WindowDc screen_{nullptr};
    UniqueMemDc dc_;
    UniqueBitmap bitmap_;
    Selected into_;
};

} // namespace

// The retained surface draws boxes, lines and pixels straight into its bitmap. Every look, at
// sizes down to where the frames turn inside out, must come out as GDI draws it.
TEST(ButtonSurface, DrawsEveryLookAtEverySizeAsGdiDoes)
{
    HostWindow host(0, 0, 200, 100);
    auto button = MakeButton(host.hwnd(), 1, L"  Start", 10, 10, 100, 27);
    button->SetPictureNormal(Disc());

    struct Look {
        const char* name;
        bool enabled, hovering, focus;
        LookState state;
        int type;
    };
    const Look looks[] = {
        {"plain", true, false, false, StateUp, PictureStyle::Embossed},
        {"hovered", true, true, false, StateUp, PictureStyle::Lifted},
        {"focused", true, false, true, StateUp, PictureStyle::Embossed},
        {"pressed", true, false, false, StatePressed, PictureStyle::Embossed},
        {"disabled", false, false, false, StateUp, PictureStyle::Embossed},
    };
    const SIZE sizes[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 6}, {17, 4}, {4, 17}, {60, 25}, {100, 27}};
    for (const SIZE& size : sizes)
        for (const Look& look : looks) {
            ButtonState state = button->State();
            state.Layout.Width = size.cx;
            state.Layout.Height = size.cy;
            state.Enabled = look.enabled;
            state.Hovering = look.hovering;
            state.HasFocus = look.focus;
            state.ButtonType = look.type;

            RetainedSurface surface;
            surface.Resize(size.cx, size.cy);
            PaintLook(state, surface.canvas(), look.state, false);
            PlainBitmap plain(size.cx, size.cy);
            GdiCanvas canvas(plain.dc());
            PaintLook(state, canvas, look.state, false);

            int differences = 0;
            for (int y = 0; y < size.cy; ++y)
                for (int x = 0; x < size.cx; ++x) differences += GetPixel(surface.dc(), x, y) != GetPixel(plain.dc(), x, y);
            EXPECT_EQ(differences, 0) << look.name << " at " << size.cx << " x " << size.cy;
        }
}
