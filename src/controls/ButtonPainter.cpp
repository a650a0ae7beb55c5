#include "controls/ButtonPainter.h"

#include "base/Rounding.h"
#include "controls/ButtonColor.h"

namespace {
constexpr RgbColor BorderColor = MakeRgb(0, 60, 115);
constexpr RgbColor BorderCornerColor = MakeRgb(16, 77, 123);

// Everything a look needs, with ShiftColor bound to the button's bevel softness.
struct Painter {
    const ButtonState& s;
    Canvas& c;
    int W = s.Layout.Width;
    int H = s.Layout.Height;
    const ButtonPalette& pal = s.Palette;

    RgbColor Shift(RgbColor color, int step) const { return ShiftColor(color, step, s.SoftBevel); }

    void Corners(RgbColor color) const
    {
        c.Pixel(1, 1, color);
        c.Pixel(1, H - 2, color);
        c.Pixel(W - 2, 1, color);
        c.Pixel(W - 2, H - 2, color);
    }

    void Border() const
    {
        c.FrameBox(0, 0, W, H, BorderColor);
        Corners(BorderCornerColor);
    }

    // The four frame lines shared by the hover and focus frames.
    void FrameLines(RgbColor bottom, RgbColor top, RgbColor second, RgbColor sides) const
    {
        c.Line(2, H - 2, W - 2, H - 2, bottom);
        c.Line(2, 1, W - 2, 1, top);
        c.Line(1, 2, W - 1, 2, second);
        c.Line(2, 3, 2, H - 3, sides);
        c.Line(W - 3, 3, W - 3, H - 3, sides);
    }

    void UpLook(bool isDefault) const
    {
        const double d = 25.0 / H;
        for (int i = 1; i <= H; ++i) c.Line(0, i, W, i, Shift(pal.BaseColor, RoundHalfEven(-d * i)));
        DrawCaption(s, c, s.Hovering ? CaptionMode::Over : CaptionMode::Normal);
        Border();
        if (s.Hovering) {
            c.FrameBox(1, 2, W - 2, H - 4, MakeRgb(255, 178, 49));
            c.FrameBox(1, 2, W - 2, H - 4, MakeRgb(255, 0, 0));
            FrameLines(MakeRgb(231, 150, 0), MakeRgb(255, 243, 206), MakeRgb(255, 219, 140), MakeRgb(255, 203, 107));
        } else if ((s.HasFocus || isDefault) && s.ShowFocusRect) {
            c.FrameBox(1, 2, W - 2, H - 4, MakeRgb(140, 174, 231));
            FrameLines(MakeRgb(107, 130, 239), MakeRgb(206, 231, 255), MakeRgb(189, 215, 247), MakeRgb(181, 209, 240));
        } else {
            const RgbColor b = pal.BaseColor;
            c.Line(2, H - 2, W - 2, H - 2, Shift(b, -48));
            c.Line(1, H - 3, W - 2, H - 3, Shift(b, -32));
            c.Line(W - 2, 2, W - 2, H - 2, Shift(b, -36));
            c.Line(W - 3, 3, W - 3, H - 3, Shift(b, -24));
            c.Line(2, 1, W - 2, 1, Shift(b, +16));
            c.Line(1, 2, W - 2, 2, Shift(b, +10));
            c.Line(1, 2, 1, H - 2, Shift(b, -5));
            c.Line(2, 3, 2, H - 3, Shift(b, -10));
        }
        DrawPicture(s, c, PictureMode::Up);
    }

    void PressedLook() const
    {
        const RgbColor p = Shift(pal.BaseColor, -32);
        const double d = 25.0 / H;
        for (int i = 1; i <= H; ++i) c.Line(0, H - i, W, H - i, Shift(p, RoundHalfEven(-d * i)));
        DrawCaption(s, c, CaptionMode::Pressed);
        Border();
        c.Line(2, H - 2, W - 2, H - 2, Shift(p, +16));
        c.Line(1, H - 3, W - 2, H - 3, Shift(p, +10));
        c.Line(W - 2, 2, W - 2, H - 2, Shift(p, +5));
        c.Line(W - 3, 3, W - 3, H - 3, pal.BaseColor);
        c.Line(2, 1, W - 2, 1, Shift(p, -32));
        c.Line(1, 2, W - 2, 2, Shift(p, -24));
        c.Line(1, 2, 1, H - 2, Shift(p, -32));
        c.Line(2, 2, 2, H - 2, Shift(p, -22));
        DrawPicture(s, c, PictureMode::Pressed);
    }

    void DisabledLook() const
    {
        c.FillBox(0, 0, W, H, Shift(pal.BaseColor, -24));
        DrawCaption(s, c, CaptionMode::Disabled);
        c.FrameBox(0, 0, W, H, Shift(pal.BaseColor, -84));
        Corners(Shift(pal.BaseColor, -72));
        DrawPicture(s, c, PictureMode::Disabled);
    }

    void Blit(const ButtonPicture& picture, int dx, int dy, const BlitEffects& fx = {}) const
    {
        const ButtonLayout& l = s.Layout;
        BlitPicture(c, l.PictureX + dx, l.PictureY + dy, l.PictureWidth, l.PictureHeight, picture, pal.MaskRGB,
                    s.UseMaskColor, pal.MaskRGB, fx);
    }
};
} // namespace

void PaintLook(const ButtonState& state, Canvas& canvas, LookState drawState, bool isDefault)
{
    const Painter p{state, canvas};
    canvas.FillBox(0, 0, p.W, p.H, state.Palette.FaceColor);
    if (!state.Enabled)
        p.DisabledLook();
    else if (drawState == StatePressed)
        p.PressedLook();
    else
        p.UpLook(isDefault);
}

void DrawCaption(const ButtonState& state, Canvas& canvas, CaptionMode mode)
{
    const ButtonPalette& pal = state.Palette;
    switch (mode) {
    case CaptionMode::Normal: canvas.SetTextColor(pal.TextColor); break;
    case CaptionMode::Over: canvas.SetTextColor(pal.TextOverColor); break;
    case CaptionMode::Disabled: canvas.SetTextColor(ShiftColor(pal.BaseColor, -104, state.SoftBevel)); break;
    case CaptionMode::Pressed: break; // keeps the colour of the previous paint
    }
    const Rect& box = mode == CaptionMode::Pressed ? state.Layout.PressedTextRect : state.Layout.TextRect;
    canvas.PaintText(state.Caption, box, textflags::WordBreak | textflags::VCenter | textflags::Center);
}

void DrawPicture(const ButtonState& state, Canvas& canvas, PictureMode mode)
{
    if (!state.PictureNormal) return;
    const Painter p{state, canvas};
    const ButtonPicture& normal = *state.PictureNormal;
    const ButtonPicture* over = state.PictureOver.get();
    const int type = state.ButtonType;
    const ButtonPalette& pal = state.Palette;

    switch (mode) {
    case PictureMode::Up:
        if (state.Hovering && type == PictureStyle::Lifted) {
            p.Blit(normal, 1, 1, BlitEffects::Shaded(pal.ShadowColor, false));
            p.Blit(normal, -1, -1);
        } else if (state.Hovering) {
            p.Blit(over ? *over : normal, 0, 0);
        } else if (state.UseGreyscale) {
            p.Blit(normal, 0, 0, BlitEffects::Grey());
        } else {
            p.Blit(normal, 0, 0, BlitEffects::Faded(type == PictureStyle::Lifted));
        }
        break;
    case PictureMode::Pressed:
        if (over && type != PictureStyle::Lifted) {
            const int offset = type == PictureStyle::Steady ? 0 : 1;
            p.Blit(*over, offset, offset);
        } else if (type == PictureStyle::Steady || type == PictureStyle::Lifted) {
            p.Blit(normal, 0, 0);
        } else {
            p.Blit(normal, 1, 1);
        }
        break;
    case PictureMode::Disabled:
        if (type == PictureStyle::GreyWhenDisabled) {
            p.Blit(normal, 1, 1, BlitEffects::Grey());
        } else if (type == PictureStyle::Steady || type == PictureStyle::ShadedWhenDisabled) {
            p.Blit(normal, 0, 0, BlitEffects::Shaded(pal.ShadowColor, true));
        } else if (type == PictureStyle::Lifted) {
            p.Blit(normal, 0, 0, BlitEffects::Shaded(p.Shift(pal.ShadowColor, +13), true));
        } else {
            p.Blit(normal, 1, 1, BlitEffects::Shaded(pal.HighlightColor, true));
            p.Blit(normal, 0, 0, BlitEffects::Shaded(pal.ShadowColor, true));
        }
        break;
    }
}

void BlitPicture(Canvas& canvas, int x, int y, int w, int h, const ButtonPicture& picture, RgbColor mask, bool useMask,
                 RgbColor background, const BlitEffects& fx)
{
    if (w <= 0 || h <= 0) return;
    PixelBlock source(w, h);
    picture.Render(background, source);
    PixelBlock back(w, h);
    canvas.ReadBlock(x, y, back);

    const int stride = PixelBlock::Stride(w);
    const std::uint8_t* src = source.Bytes().data();
    std::uint8_t* dst = back.Bytes().data();
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            const std::size_t at = static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(col) * 3;
            const int pb = src[at], pg = src[at + 1], pr = src[at + 2];
            std::uint8_t* d = dst + at;
            if (useMask && MakeRgb(pr, pg, pb) == mask) continue;
            if (fx.Shade) {
                if (fx.SkipBright && pr + pg + pb > 384) continue;
                d[0] = static_cast<std::uint8_t>(BlueOf(*fx.Shade));
                d[1] = static_cast<std::uint8_t>(GreenOf(*fx.Shade));
                d[2] = static_cast<std::uint8_t>(RedOf(*fx.Shade));
            } else if (fx.Greyscale) {
                const auto v = static_cast<std::uint8_t>(RoundHalfEven(RoundHalfEven(pr * 0.3) + pg * 0.59 + pb * 0.11));
                d[0] = d[1] = d[2] = v;
            } else if (fx.Fade) {
                d[0] = static_cast<std::uint8_t>((2 * pb + d[0]) / 3);
                d[1] = static_cast<std::uint8_t>((2 * pg + d[1]) / 3);
                d[2] = static_cast<std::uint8_t>((2 * pr + d[2]) / 3);
            } else {
                d[0] = static_cast<std::uint8_t>(pb);
                d[1] = static_cast<std::uint8_t>(pg);
                d[2] = static_cast<std::uint8_t>(pr);
            }
        }
    }
    canvas.WriteBlock(x, y, back);
}
