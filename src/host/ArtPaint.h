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

    // Starts rendering the picture at this size, and making its bitmap, for a paint still to come.
    void Prepare(int width, int height);
    // The picture at this size: the prepared one where it fits, else rendered now.
    const PixelArt& At(int width, int height);
    void Paint(HDC dc, const RECT& client);

private:
    // A picture with the bitmap the system draws of it, made together so that a worker can make
    // both. An opaque picture is copied rather than blended: the same pixels for far less work.
    struct Made {
        PixelArt art;
        UniqueBitmap bitmap;
        bool opaque = false;
    };
    static Made Make(Render render, int width, int height);

    Render render_;
    Made made_;
    std::future<Made> preparing_;
    SIZE preparingSize_{};
};

// A painter for a scalable picture that renders it again only when the area changes size.
std::function<void(HDC, const RECT&)> ArtPainter(std::shared_ptr<ScaledArt> art);
std::function<void(HDC, const RECT&)> ArtPainter(ScaledArt::Render render);
