#include "controls/ButtonLayout.h"

#include "base/Text.h"

#include <cmath>

namespace {
constexpr double HimetricPerInch = 2540.0;

int HimetricToPixels(int himetric, int dpi) { return static_cast<int>(std::lround(himetric * dpi / HimetricPerInch)); }


Rect Moved(Rect r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }
} // namespace

void MeasurePicture(ButtonState& state, int dpi)
{
    ButtonLayout& l = state.Layout;
    if (!state.PictureNormal) {
        l.PictureWidth = l.PictureHeight = 0;
        return;
    }
    l.PictureWidth = HimetricToPixels(state.PictureNormal->WidthHimetric(), dpi);
    l.PictureHeight = HimetricToPixels(state.PictureNormal->HeightHimetric(), dpi);
}

void ComputeLayout(ButtonState& state, Canvas& canvas)
{
    ButtonLayout& l = state.Layout;
    // The caption always leaves room for the picture on its left, even a centred one.
    const Rect start{l.PictureWidth + 1, 1, l.Width - 2, l.Height - 2};
    const Rect r = canvas.MeasureText(state.Caption, start, textflags::CalcRect | textflags::WordBreak);
    l.TextRect = Moved(r, (l.Width - r.Right) / 2, (l.Height - r.Bottom) / 2);
    l.PressedTextRect = Moved(l.TextRect, 1, 1);
    PlacePicture(state);
}

void PlacePicture(ButtonState& state)
{
    if (!state.PictureNormal && !state.PictureOver) return;
    ButtonLayout& l = state.Layout;
    if (!IsBlank(state.Caption) && state.PicturePosition != PicturePlace::Centred)
        l.PictureX = l.TextRect.Left - l.PictureWidth - 4;
    else
        l.PictureX = (l.Width - l.PictureWidth) / 2;
    l.PictureY = (l.Height - l.PictureHeight) / 2;
}
