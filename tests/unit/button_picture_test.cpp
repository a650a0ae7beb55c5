#include <gtest/gtest.h>

#include <functional>

#include "ButtonTestKit.h"
#include "controls/ButtonPainter.h"

namespace {
constexpr RgbColor Mask = MakeRgb(192, 192, 192);
constexpr RgbColor Red = MakeRgb(200, 40, 40);
constexpr RgbColor White = MakeRgb(255, 255, 255);
constexpr RgbColor Blue = MakeRgb(0, 0, 255);

// 4 x 4 checkerboard of Red and mask pixels, with a white (bright) pixel at (0, 0).
PicturePtr Checkerboard()
{
    std::vector<RgbColor> px(16);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) px[y * 4 + x] = (x + y) % 2 ? Mask : Red;
    px[0] = White;
    return std::make_shared<GridPicture>(4, 4, px);
}

PicturePtr Solid(RgbColor c) { return std::make_shared<GridPicture>(4, 4, std::vector<RgbColor>(16, c)); }

enum class Look { Up, Hover, Pressed, Disabled };

// A 60 x 25 button with a blank caption, so the 4 x 4 picture sits at (28, 10).
struct Scene {
    ButtonRig rig{60, 25, L"  "};
    void Apply(Look look)
    {
        switch (look) {
        case Look::Up: rig.button.DrawButton(StateUp, true); break;
        case Look::Hover:
            rig.site.PointerOver = true;
            rig.button.OnMouseMove(0, 0, 0, 0);
            break;
        case Look::Pressed: rig.button.OnMouseDown(1, 0, 0, 0); break;
        case Look::Disabled: rig.button.SetEnabled(false); break;
        }
    }
};

// The canvas with the pictures and the same look without them.
struct Painted {
    PixelCanvas with{1, 1};
    PixelCanvas without{1, 1};
    RgbColor At(int dx, int dy) const { return with.At(28 + dx, 10 + dy); }
    RgbColor Back(int dx, int dy) const { return without.At(28 + dx, 10 + dy); }
};

Painted Paint(int type, Look look, PicturePtr normal, PicturePtr over = nullptr,
              const std::function<void(ButtonModel&)>& extra = {})
{
    Painted out;
    for (bool pictures : {true, false}) {
        Scene scene;
        scene.rig.button.SetButtonType(type);
        if (extra) extra(scene.rig.button);
        if (pictures) {
            scene.rig.button.SetPictureOver(over);
            scene.rig.button.SetPictureNormal(normal);
        }
        scene.Apply(look);
        (pictures ? out.with : out.without) = scene.rig.canvas;
    }
    return out;
}

RgbColor Faded(RgbColor p, RgbColor d)
{
    return MakeRgb((2 * RedOf(p) + RedOf(d)) / 3, (2 * GreenOf(p) + GreenOf(d)) / 3, (2 * BlueOf(p) + BlueOf(d)) / 3);
}
} // namespace

TEST(ButtonPictureSelection, UpLooks)
{
    const RgbColor shadow = MakeRgb(172, 169, 144);

    // Hovered, type 9: a lifted picture at (-1, -1) over its shadow at (+1, +1).
    Painted p = Paint(9, Look::Hover, Checkerboard());
    EXPECT_EQ(p.At(-1, -1), White);
    EXPECT_EQ(p.At(1, -1), Red);
    EXPECT_EQ(p.At(0, -1), p.Back(0, -1)); // mask in the picture, nothing in the shadow
    EXPECT_EQ(p.At(3, 3), shadow);         // shadow of (2, 2), beyond the lifted picture
    EXPECT_EQ(p.At(4, 3), p.Back(4, 3));   // shadow of (3, 2), a mask pixel

    // Hovered, other types: PictureOver when there is one, plain at (0, 0).
    p = Paint(2, Look::Hover, Checkerboard(), Solid(Blue));
    EXPECT_EQ(p.At(1, 0), Blue);
    EXPECT_EQ(p.At(-1, 0), p.Back(-1, 0));
    p = Paint(2, Look::Hover, Checkerboard());
    EXPECT_EQ(p.At(2, 0), Red);
    EXPECT_EQ(p.At(1, 0), p.Back(1, 0));

    // Not hovered: faded with type 9, plain otherwise, greyscale when asked for.
    p = Paint(9, Look::Up, Checkerboard());
    EXPECT_EQ(p.At(2, 0), Faded(Red, p.Back(2, 0)));
    EXPECT_EQ(p.At(1, 0), p.Back(1, 0));
    p = Paint(2, Look::Up, Checkerboard());
    EXPECT_EQ(p.At(2, 0), Red);
    EXPECT_EQ(p.At(0, 0), White);
    p = Paint(9, Look::Up, Checkerboard(), nullptr, [](ButtonModel& b) { b.SetUseGreyscale(true); });
    EXPECT_EQ(p.At(2, 0), MakeRgb(88, 88, 88));
    EXPECT_EQ(p.At(0, 0), MakeRgb(254, 254, 254));
    EXPECT_EQ(p.At(1, 0), p.Back(1, 0));
}

TEST(ButtonPictureSelection, PressedLooks)
{
    Painted p = Paint(2, Look::Pressed, Checkerboard(), Solid(Blue));
    EXPECT_EQ(p.At(1, 1), Blue);
    EXPECT_EQ(p.At(0, 0), p.Back(0, 0));
    p = Paint(5, Look::Pressed, Checkerboard(), Solid(Blue));
    EXPECT_EQ(p.At(0, 0), Blue);
    EXPECT_EQ(p.At(4, 4), p.Back(4, 4));
    // Type 9 ignores PictureOver when pressed.
    p = Paint(9, Look::Pressed, Checkerboard(), Solid(Blue));
    EXPECT_EQ(p.At(0, 0), White);
    EXPECT_EQ(p.At(2, 0), Red);
    p = Paint(5, Look::Pressed, Checkerboard());
    EXPECT_EQ(p.At(0, 0), White);
    p = Paint(2, Look::Pressed, Checkerboard());
    EXPECT_EQ(p.At(1, 1), White);
    EXPECT_EQ(p.At(3, 1), Red);
    EXPECT_EQ(p.At(0, 0), p.Back(0, 0));
}

TEST(ButtonPictureSelection, DisabledLooks)
{
    const RgbColor shadow = MakeRgb(172, 169, 144);    // ShiftColor(face, -64)
    const RgbColor highlight = MakeRgb(255, 255, 255); // ShiftColor(face, +47)

    Painted p = Paint(3, Look::Disabled, Checkerboard());
    EXPECT_EQ(p.At(1, 1), MakeRgb(254, 254, 254));
    EXPECT_EQ(p.At(3, 1), MakeRgb(88, 88, 88));
    EXPECT_EQ(p.At(2, 1), p.Back(2, 1));

    for (int type : {5, 6}) {
        p = Paint(type, Look::Disabled, Checkerboard());
        EXPECT_EQ(p.At(2, 0), shadow) << type;
        EXPECT_EQ(p.At(0, 0), p.Back(0, 0)) << type; // bright pixel skipped
        EXPECT_EQ(p.At(1, 0), p.Back(1, 0)) << type;
    }

    p = Paint(9, Look::Disabled, Checkerboard());
    EXPECT_EQ(p.At(2, 0), MakeRgb(185, 182, 153)); // ShiftColor(shadow, +13)
    EXPECT_EQ(p.At(0, 0), p.Back(0, 0));

    // Any other type: an embossed silhouette, highlight at (+1, +1) under shadow at (0, 0).
    p = Paint(2, Look::Disabled, Checkerboard());
    EXPECT_EQ(p.At(2, 0), shadow);
    EXPECT_EQ(p.At(4, 2), highlight);
    EXPECT_EQ(p.At(3, 1), shadow);
    EXPECT_EQ(p.At(0, 0), p.Back(0, 0)); // bright, and no highlight under it
    EXPECT_EQ(p.At(4, 1), p.Back(4, 1));
}

TEST(ButtonPictureSelection, NothingWithoutPictureNormal)
{
    for (Look look : {Look::Up, Look::Hover, Look::Pressed, Look::Disabled}) {
        Painted p = Paint(2, look, nullptr, Solid(Blue));
        for (int y = -1; y < 6; ++y)
            for (int x = -1; x < 6; ++x) ASSERT_EQ(p.At(x, y), p.Back(x, y)) << x << "," << y;
    }
}

TEST(ButtonPictureLayout, PictureBesideCaptionOrCentred)
{
    ButtonRig rig(60, 25, L"OK");
    rig.button.SetPictureNormal(Checkerboard());
    const ButtonLayout& l = rig.button.State().Layout;
    EXPECT_EQ(l.PictureWidth, 4);
    EXPECT_EQ(l.PictureHeight, 4);
    // Caption measured from x = 5: (5, 1)-(17, 14), moved by (21, 5).
    EXPECT_EQ(l.TextRect, (Rect{26, 6, 38, 19}));
    EXPECT_EQ(l.PictureX, 18);
    EXPECT_EQ(l.PictureY, 10);

    rig.button.SetPicturePosition(4);
    EXPECT_EQ(l.PictureX, 28);
    rig.button.SetPicturePosition(0);
    rig.button.SetCaption(L"   ");
    EXPECT_EQ(l.PictureX, 28);

    // PictureOver alone does not size the picture, and nothing is drawn.
    ButtonRig over(60, 25, L"OK");
    over.button.SetPictureOver(Solid(Blue));
    over.button.SetCaption(L"OK");
    EXPECT_EQ(over.button.State().Layout.PictureWidth, 0);
    EXPECT_EQ(over.button.State().Layout.PictureX, 20);
    EXPECT_EQ(over.canvas.At(20, 10), over.canvas.At(30, 10));
}

TEST(ButtonBlit, GreyscaleRoundsHalfToEven)
{
    PixelCanvas canvas(2, 1, MakeRgb(9, 9, 9));
    GridPicture picture(2, 1, {MakeRgb(255, 0, 0), White});
    BlitPicture(canvas, 0, 0, 2, 1, picture, Mask, true, Mask, BlitEffects::Grey());
    EXPECT_EQ(canvas.At(0, 0), MakeRgb(76, 76, 76));
    EXPECT_EQ(canvas.At(1, 0), MakeRgb(254, 254, 254));
}

TEST(ButtonBlit, FifteenPixelsWideCompositesEveryRow)
{
    const int w = 15, h = 5;
    std::vector<RgbColor> px;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) px.push_back(MakeRgb(10 * x + 1, 40 * y + 3, 100 + x + y));
    GridPicture picture(w, h, px);
    PixelCanvas canvas(20, 8, MakeRgb(7, 7, 7));
    BlitPicture(canvas, 2, 1, w, h, picture, Mask, true, Mask, BlitEffects{});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) ASSERT_EQ(canvas.At(2 + x, 1 + y), px[y * w + x]) << x << "," << y;
    EXPECT_EQ(canvas.At(1, 1), MakeRgb(7, 7, 7));
    EXPECT_EQ(canvas.At(17, 1), MakeRgb(7, 7, 7));
    EXPECT_EQ(canvas.At(2, 6), MakeRgb(7, 7, 7));
    EXPECT_EQ(PixelBlock::Stride(15), 48);
}

TEST(ButtonBlit, MaskSwitchAndIconBackground)
{
    // An icon-like picture: its see-through pixel shows the background square.
    GridPicture icon(2, 1, {Red, Blue}, {false, true});
    PixelCanvas masked(2, 1, MakeRgb(1, 2, 3));
    BlitPicture(masked, 0, 0, 2, 1, icon, Mask, true, Mask, BlitEffects{});
    EXPECT_EQ(masked.At(0, 0), Red);
    EXPECT_EQ(masked.At(1, 0), MakeRgb(1, 2, 3));

    PixelCanvas unmasked(2, 1, MakeRgb(1, 2, 3));
    BlitPicture(unmasked, 0, 0, 2, 1, icon, Mask, false, Mask, BlitEffects{});
    EXPECT_EQ(unmasked.At(1, 0), Mask);

    // Zero size draws nothing, and a fade mixes two thirds picture with one third background.
    PixelCanvas faded(1, 1, MakeRgb(30, 60, 90));
    BlitPicture(faded, 0, 0, 0, 1, icon, Mask, true, Mask, BlitEffects::Faded(true));
    EXPECT_EQ(faded.Operations, 0);
    BlitPicture(faded, 0, 0, 1, 1, icon, Mask, true, Mask, BlitEffects::Faded(true));
    EXPECT_EQ(faded.At(0, 0), MakeRgb((400 + 30) / 3, (80 + 60) / 3, (80 + 90) / 3));
}
