#include "show/PenSurface.h"

#include <algorithm>

PenSurface::PenSurface(int widthPixels, int heightPixels, COLORREF back)
    : width_(std::max(widthPixels, 1)), height_(std::max(heightPixels, 1))
{
    WindowDc screen(nullptr);
    dc_.reset(CreateCompatibleDC(screen.get()));
    bitmap_.reset(CreateCompatibleBitmap(screen.get(), width_, height_));
    if (!dc_ || !bitmap_) return;
    original_ = SelectObject(dc_.get(), bitmap_.get());
    UniqueBrush brush(CreateSolidBrush(back));
    RECT all{0, 0, width_, height_};
    FillRect(dc_.get(), &all, brush.get());
}

PenSurface::~PenSurface()
{
    // The bitmap can only be deleted once it is no longer selected.
    if (dc_ && original_) SelectObject(dc_.get(), original_);
}

void PenSurface::SetPicture(HBITMAP picture, int offsetX, int offsetY)
{
    if (!dc_ || !picture) return;
    UniqueMemDc source(CreateCompatibleDC(dc_.get()));
    if (!source) return;
    Selected in(source.get(), picture);
    BitBlt(dc_.get(), 0, 0, width_, height_, source.get(), offsetX, offsetY, SRCCOPY);
}

RECT PenSurface::Draw(POINT from, POINT to, COLORREF color, int width)
{
    const int w = std::max(width, 1);
    RECT touched{std::min(from.x, to.x) - w, std::min(from.y, to.y) - w, std::max(from.x, to.x) + w + 1,
                 std::max(from.y, to.y) + w + 1};
    if (!dc_) return touched;
    if (from.x == to.x && from.y == to.y) {
        // GDI draws nothing for a line of no length: the dot is set pixel by pixel, a disc of
        // the pen's width.
        const double centre = (w - 1) / 2.0;
        const double reach = w * w / 4.0 + 0.25;
        for (int j = 0; j < w; ++j)
            for (int i = 0; i < w; ++i)
                if ((i - centre) * (i - centre) + (j - centre) * (j - centre) <= reach)
                    SetPixelV(dc_.get(), from.x - w / 2 + i, from.y - w / 2 + j, color);
        return touched;
    }
    UniquePen pen(CreatePen(PS_SOLID, w, color));
    Selected withPen(dc_.get(), pen.get());
    MoveToEx(dc_.get(), from.x, from.y, nullptr);
    LineTo(dc_.get(), to.x, to.y);
    return touched;
}

void PenSurface::PaintTo(HDC dc, int x, int y) const
{
    if (dc_) BitBlt(dc, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}
