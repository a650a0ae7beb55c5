#pragma once
// Drawing the program's pixel art on a device context.
#include <windows.h>

#include <functional>
#include <future>
#include <memory>

#include "host/Handles.h"
#include "resources/art/PixelArt.h"

// Draws the picture at the rectangle's top-left corner, stretched to the rectangle when asked;
// transparent pixels leave what is below.
void PaintArt(HDC dc, const PixelArt& art, const RECT& where, bool stretch);

// A scalable picture, rendered again only when its area changes size. A large one can be
// rendered ahead of its first paint on a worker thread, while the window is still being built.
class ScaledArt {
public:
    using Render = PixelArt (*)(int width, int height);
    explicit ScaledArt(Render render) : render_(render) {}
    ScaledArt(const ScaledArt&) = delete;
    ScaledArt& operator=(const ScaledArt&) = delete;

    // Starts rendering the picture at this size for a paint still to come.
    void Prepare(int width, int height);
    // The picture at this size: the prepared one where it fits, else rendered now.
    const PixelArt& At(int width, int height);
    void Paint(HDC dc, const RECT& client);

private:
    Render render_;
    PixelArt cache_;
    // The cached picture as the system draws it, made at its first paint; an opaque picture is
    // copied rather than blended, which gives the same pixels for far less work.
    UniqueBitmap bitmap_;
    bool opaque_ = false;
    std::future<PixelArt> preparing_;
    SIZE preparingSize_{};
};

// A painter for a scalable picture that renders it again only when the area changes size.
std::function<void(HDC, const RECT&)> ArtPainter(std::shared_ptr<ScaledArt> art);
std::function<void(HDC, const RECT&)> ArtPainter(ScaledArt::Render render);
