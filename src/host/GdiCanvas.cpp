#include "host/GdiCanvas.h"

#include "host/Artwork.h"

#include <algorithm>

BITMAPINFO Dib24Header(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

namespace {
RECT ToRect(const Rect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
Rect FromRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
} // namespace

void GdiCanvas::FillBox(int x, int y, int w, int h, RgbColor c)
{
    UniqueBrush brush(CreateSolidBrush(c));
    RECT r{x, y, x + w, y + h};
    FillRect(dc_, &r, brush.get());
}

void GdiCanvas::FrameBox(int x, int y, int w, int h, RgbColor c)
{
    UniqueBrush brush(CreateSolidBrush(c));
    RECT r{x, y, x + w, y + h};
    FrameRect(dc_, &r, brush.get());
}

void GdiCanvas::Line(int x1, int y1, int x2, int y2, RgbColor c)
{
    UniquePen pen(CreatePen(PS_SOLID, 1, c));
    Selected selected(dc_, pen.get());
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
}

void GdiCanvas::Pixel(int x, int y, RgbColor c) { SetPixelV(dc_, x, y, c); }

void GdiCanvas::SetTextColor(RgbColor c) { ::SetTextColor(dc_, c); }

Rect GdiCanvas::MeasureText(const std::wstring& text, Rect start, unsigned flags)
{
    RECT r = ToRect(start);
    ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
    return FromRect(r);
}

void GdiCanvas::PaintText(const std::wstring& text, Rect box, unsigned flags)
{
    RECT r = ToRect(box);
    ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, flags);
}

void GdiCanvas::ReadBlock(int x, int y, PixelBlock& block)
{
    const int w = block.Width(), h = block.Height();
    UniqueMemDc copyDc(CreateCompatibleDC(dc_));
    UniqueBitmap copy(CreateCompatibleBitmap(dc_, w, h));
    if (!copyDc || !copy) return;
    {
        Selected into(copyDc.get(), copy.get());
        BitBlt(copyDc.get(), 0, 0, w, h, dc_, x, y, SRCCOPY);
    }
    BITMAPINFO info = Dib24Header(w, h);
    GetDIBits(copyDc.get(), copy.get(), 0, h, block.Bytes().data(), &info, DIB_RGB_COLORS);
}

void GdiCanvas::WriteBlock(int x, int y, const PixelBlock& block)
{
    const int w = block.Width(), h = block.Height();
    BITMAPINFO info = Dib24Header(w, h);
    SetDIBitsToDevice(dc_, x, y, w, h, 0, 0, 0, h, block.Bytes().data(), &info, DIB_RGB_COLORS);
}

RetainedSurface::RetainedSurface()
{
    SetBkMode(dc_.get(), TRANSPARENT);
    Resize(1, 1);
}

RetainedSurface::~RetainedSurface()
{
    // Put the DC's own objects back so that ours can be deleted.
    if (originalBitmap_) SelectObject(dc_.get(), originalBitmap_);
    if (originalFont_) SelectObject(dc_.get(), originalFont_);
}

void RetainedSurface::Resize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (bitmap_ && width == width_ && height == height_) return;
    void* bits = nullptr;
    UniqueBitmap fresh = MakeDibSection(width, height, bits);
    if (!fresh) return;
    HGDIOBJ previous = SelectObject(dc_.get(), fresh.get());
    if (!originalBitmap_) originalBitmap_ = previous;
    bitmap_ = std::move(fresh);
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
}

namespace {
// The bitmap's word for a colour: 0x00RRGGBB.
std::uint32_t SurfaceWord(RgbColor c)
{
    return (static_cast<std::uint32_t>(RedOf(c)) << 16) | (static_cast<std::uint32_t>(GreenOf(c)) << 8) |
           static_cast<std::uint32_t>(BlueOf(c));
}
} // namespace

void RetainedSurface::Fill(int left, int top, int right, int bottom, RgbColor c)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    if (left >= right || top >= bottom) return;
    const std::uint32_t word = SurfaceWord(c);
    for (int y = top; y < bottom; ++y)
        std::fill_n(bits_ + static_cast<std::size_t>(y) * width_ + left, right - left, word);
}

// FillRect fills a rectangle given the wrong way round as well.
void RetainedSurface::SurfaceCanvas::FillBox(int x, int y, int w, int h, RgbColor c)
{
    surface_.Fill(std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h), c);
}

// FrameRect draws nothing for an empty rectangle, else its four one-pixel edges.
void RetainedSurface::SurfaceCanvas::FrameBox(int x, int y, int w, int h, RgbColor c)
{
    if (w <= 0 || h <= 0) return;
    surface_.Fill(x, y, x + 1, y + h, c);
    surface_.Fill(x + w - 1, y, x + w, y + h, c);
    surface_.Fill(x, y, x + w, y + 1, c);
    surface_.Fill(x, y + h - 1, x + w, y + h, c);
}

// A one-pixel pen from the first point up to, not including, the second. Only slanted lines
// need GDI's line drawing.
void RetainedSurface::SurfaceCanvas::Line(int x1, int y1, int x2, int y2, RgbColor c)
{
    if (y1 == y2) {
        if (x1 < x2) surface_.Fill(x1, y1, x2, y1 + 1, c);
        else if (x1 > x2) surface_.Fill(x2 + 1, y1, x1 + 1, y1 + 1, c);
    } else if (x1 == x2) {
        if (y1 < y2) surface_.Fill(x1, y1, x1 + 1, y2, c);
        else surface_.Fill(x1, y2 + 1, x1 + 1, y1 + 1, c);
    } else {
        GdiCanvas::Line(x1, y1, x2, y2, c);
        GdiFlush();
    }
}

void RetainedSurface::SurfaceCanvas::Pixel(int x, int y, RgbColor c) { surface_.Fill(x, y, x + 1, y + 1, c); }

void RetainedSurface::SurfaceCanvas::PaintText(const std::wstring& text, Rect box, unsigned flags)
{
    GdiCanvas::PaintText(text, box, flags);
    // The text must be in the bitmap before the next pixels are written beside it.
    GdiFlush();
}

// Pixels outside the surface read as black and are not written, as with BitBlt.
void RetainedSurface::SurfaceCanvas::ReadBlock(int x, int y, PixelBlock& block)
{
    GdiFlush();
    const RetainedSurface& s = surface_;
    for (int row = 0; row < block.Height(); ++row) {
        const int sy = y + row;
        for (int col = 0; col < block.Width(); ++col) {
            const int sx = x + col;
            const bool inside = sx >= 0 && sy >= 0 && sx < s.width_ && sy < s.height_;
            const std::uint32_t px = inside ? s.bits_[static_cast<std::size_t>(sy) * s.width_ + sx] : 0;
            block.Set(col, row, MakeRgb((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF));
        }
    }
}

void RetainedSurface::SurfaceCanvas::WriteBlock(int x, int y, const PixelBlock& block)
{
    GdiFlush();
    RetainedSurface& s = surface_;
    for (int row = 0; row < block.Height(); ++row) {
        const int sy = y + row;
        if (sy < 0 || sy >= s.height_) continue;
        for (int col = 0; col < block.Width(); ++col) {
            const int sx = x + col;
            if (sx < 0 || sx >= s.width_) continue;
            s.bits_[static_cast<std::size_t>(sy) * s.width_ + sx] = SurfaceWord(block.At(col, row));
        }
    }
}

void RetainedSurface::SetFont(HFONT font)
{
    if (!font) return;
    HGDIOBJ previous = SelectObject(dc_.get(), font);
    if (!originalFont_) originalFont_ = previous;
    font_.reset(font);
}

void RetainedSurface::CopyTo(HDC target) const { BitBlt(target, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY); }
