#pragma once
// The button painter's Canvas over a GDI device context, and the retained surface the
// owner-drawn controls paint into.
#include <windows.h>

#include <cstdint>

#include "controls/Canvas.h"
#include "host/Handles.h"

// The header of a w x h bottom-up 24-bit DIB: the layout of PixelBlock.
BITMAPINFO Dib24Header(int width, int height);

// Draws on a device context it does not own. Every pen, brush, DC and bitmap a call creates
// is gone when the call returns.
class GdiCanvas : public Canvas {
public:
    explicit GdiCanvas(HDC dc) : dc_(dc) {}

    void FillBox(int x, int y, int w, int h, RgbColor c) override;
    void FrameBox(int x, int y, int w, int h, RgbColor c) override;
    void Line(int x1, int y1, int x2, int y2, RgbColor c) override;
    void Pixel(int x, int y, RgbColor c) override;
    void SetTextColor(RgbColor c) override;
    Rect MeasureText(const std::wstring& text, Rect start, unsigned flags) override;
    void PaintText(const std::wstring& text, Rect box, unsigned flags) override;
    void ReadBlock(int x, int y, PixelBlock& block) override;
    void WriteBlock(int x, int y, const PixelBlock& block) override;

protected:
    HDC dc_;
};

// A memory bitmap that keeps a control's last paint, so that WM_PAINT only copies it. Its
// device context lives as long as the surface and keeps the font and text colour between paints.
// The bitmap is a 32-bit DIB section, so boxes, straight lines, pixels and pixel blocks are
// drawn in memory, with the pixels GDI would give; only text goes through GDI.
class RetainedSurface {
public:
    RetainedSurface();
    RetainedSurface(const RetainedSurface&) = delete;
    RetainedSurface& operator=(const RetainedSurface&) = delete;
    ~RetainedSurface();

    HDC dc() const { return dc_.get(); }
    Canvas& canvas() { return canvas_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new, blank bitmap of this size (at least 1 x 1).
    void Resize(int width, int height);
    // Takes ownership of the font and selects it.
    void SetFont(HFONT font);
    HFONT Font() const { return font_.get(); }
    void CopyTo(HDC target) const;
    // The bitmap's memory: Height() top-down rows of Width() pixels, 0x00RRGGBB (the top byte is
    // free for drawing engines that keep alpha there). Call GdiFlush before reading after GDI.
    std::uint32_t* Pixels() { return bits_; }
    const std::uint32_t* Pixels() const { return bits_; }

private:
    class SurfaceCanvas : public GdiCanvas {
    public:
        explicit SurfaceCanvas(RetainedSurface& surface) : GdiCanvas(surface.dc()), surface_(surface) {}
        void FillBox(int x, int y, int w, int h, RgbColor c) override;
        void FrameBox(int x, int y, int w, int h, RgbColor c) override;
        void Line(int x1, int y1, int x2, int y2, RgbColor c) override;
        void Pixel(int x, int y, RgbColor c) override;
        void PaintText(const std::wstring& text, Rect box, unsigned flags) override;
        void ReadBlock(int x, int y, PixelBlock& block) override;
        void WriteBlock(int x, int y, const PixelBlock& block) override;

    private:
        RetainedSurface& surface_;
    };

    // Fills [left, right) x [top, bottom), cut to the bitmap.
    void Fill(int left, int top, int right, int bottom, RgbColor c);

    UniqueMemDc dc_{CreateCompatibleDC(nullptr)}; // before canvas_, which draws on it
    UniqueBitmap bitmap_;
    UniqueFont font_;
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    std::uint32_t* bits_ = nullptr; // top-down rows of 0x00RRGGBB
    int width_ = 0;
    int height_ = 0;
    SurfaceCanvas canvas_{*this};
};
