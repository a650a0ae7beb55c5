#pragma once
// The drawing surface the button painter works on. GDI implements it for the real control;
// tests implement it over a plain pixel buffer.
#include <cstdint>
#include <string>
#include <vector>

// 0x00BBGGRR, as GDI's COLORREF.
using RgbColor = std::uint32_t;

constexpr RgbColor MakeRgb(int r, int g, int b)
{
    return static_cast<RgbColor>(r & 0xFF) | (static_cast<RgbColor>(g & 0xFF) << 8) | (static_cast<RgbColor>(b & 0xFF) << 16);
}
constexpr int RedOf(RgbColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(RgbColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(RgbColor c) { return static_cast<int>((c >> 16) & 0xFF); }

struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const Rect&) const = default;
};

// The text flags of DrawText that the painter uses, with the platform's values.
namespace textflags {
constexpr unsigned Center = 0x0001;
constexpr unsigned VCenter = 0x0004;
constexpr unsigned WordBreak = 0x0010;
constexpr unsigned CalcRect = 0x0400;
} // namespace textflags

// A block of pixels laid out like a bottom-up 24-bit DIB: rows of blue, green, red bytes,
// each row padded to a multiple of 4 bytes.
class PixelBlock {
public:
    PixelBlock() = default;
    PixelBlock(int width, int height)
        : width_(width), height_(height), bytes_(static_cast<std::size_t>(Stride(width)) * height)
    {
    }

    static int Stride(int width) { return (width * 3 + 3) & ~3; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    // Pixel (x, y) with y counted from the top, as the control sees it.
    RgbColor At(int x, int y) const
    {
        const std::uint8_t* p = Address(x, y);
        return MakeRgb(p[2], p[1], p[0]);
    }
    void Set(int x, int y, RgbColor c)
    {
        std::uint8_t* p = Address(x, y);
        p[0] = static_cast<std::uint8_t>(BlueOf(c));
        p[1] = static_cast<std::uint8_t>(GreenOf(c));
        p[2] = static_cast<std::uint8_t>(RedOf(c));
    }

private:
    std::size_t Offset(int x, int y) const
    {
        return static_cast<std::size_t>(height_ - 1 - y) * Stride(width_) + static_cast<std::size_t>(x) * 3;
    }
    const std::uint8_t* Address(int x, int y) const { return bytes_.data() + Offset(x, y); }
    std::uint8_t* Address(int x, int y) { return bytes_.data() + Offset(x, y); }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    // Fills (x, y)-(x + w, y + h).
    virtual void FillBox(int x, int y, int w, int h, RgbColor c) = 0;
    // A one-pixel outline just inside (x, y)-(x + w, y + h).
    virtual void FrameBox(int x, int y, int w, int h, RgbColor c) = 0;
    // A one-pixel line from (x1, y1) up to, not including, (x2, y2).
    virtual void Line(int x1, int y1, int x2, int y2, RgbColor c) = 0;
    virtual void Pixel(int x, int y, RgbColor c) = 0;
    virtual void SetTextColor(RgbColor c) = 0;
    // The rectangle the text needs when laid out from `start` (DrawText with CalcRect).
    virtual Rect MeasureText(const std::wstring& text, Rect start, unsigned flags) = 0;
    virtual void PaintText(const std::wstring& text, Rect box, unsigned flags) = 0;
    // Copies block.Width() x block.Height() pixels at (x, y) into the block, or back out of it.
    virtual void ReadBlock(int x, int y, PixelBlock& block) = 0;
    virtual void WriteBlock(int x, int y, const PixelBlock& block) = 0;
};
