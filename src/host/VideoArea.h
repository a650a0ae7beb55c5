#pragma once
// The media-player control's arithmetic, free of windows: how big the control is and where its
// picture goes for each display size.
namespace video {

// The player control's DisplaySize values.
constexpr int DisplayOwnSize = 0;
constexpr int DisplayDoubleSize = 2;
constexpr int DisplayFitToControl = 4;

struct PixelSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const PixelSize&) const = default;
};

// A place by its left, top, width and height: in pixels, or in twips.
template <typename T>
struct Box {
    T Left{};
    T Top{};
    T Width{};
    T Height{};
    bool operator==(const Box&) const = default;
};
using PixelRect = Box<int>;
using TwipsRect = Box<double>;

struct PlayerArea {
    PixelSize Control; // the control's own size
    PixelRect Picture; // the picture, relative to the control
};

// video is the picture's own size (0 by 0 when nothing could be opened), control the control's
// current size. With autoSize the control takes the size the picture is shown at (fitting to the
// control keeps the control's size). A picture fitted to the control keeps its proportions and is
// centred; one larger than a control that keeps its size is shrunk the same way.
PlayerArea ArrangePlayer(PixelSize video, int displaySize, bool autoSize, PixelSize control);

} // namespace video
