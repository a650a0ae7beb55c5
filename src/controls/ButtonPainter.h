#pragma once
// The button's looks: gradient face, border, bevels or frames, caption and picture.
#include <optional>

#include "controls/ButtonState.h"

enum class CaptionMode { Normal, Over, Pressed, Disabled };
enum class PictureMode { Up, Pressed, Disabled };

// Paints the whole face for a draw state; the palette and layout must be current.
void PaintLook(const ButtonState& state, Canvas& canvas, LookState drawState, bool isDefault);

void DrawCaption(const ButtonState& state, Canvas& canvas, CaptionMode mode);
void DrawPicture(const ButtonState& state, Canvas& canvas, PictureMode mode);

struct BlitEffects {
    std::optional<RgbColor> Shade; // every drawn pixel takes this colour
    bool SkipBright = false;  // with a shade: leave pixels brighter than mid-grey out
    bool Greyscale = false;
    bool Fade = false; // two thirds picture, one third background

    static BlitEffects Shaded(RgbColor shade, bool skipBright)
    {
        BlitEffects e;
        e.Shade = shade;
        e.SkipBright = skipBright;
        return e;
    }
    static BlitEffects Grey()
    {
        BlitEffects e;
        e.Greyscale = true;
        return e;
    }
    static BlitEffects Faded(bool fade)
    {
        BlitEffects e;
        e.Fade = fade;
        return e;
    }
};

// Composites the picture's top-left w x h pixels onto the canvas at (x, y). Pixels equal to
// `mask` stay transparent unless `useMask` is false; `background` lies under icons.
void BlitPicture(Canvas& canvas, int x, int y, int w, int h, const ButtonPicture& picture, RgbColor mask, bool useMask,
                 RgbColor background, const BlitEffects& effects);
