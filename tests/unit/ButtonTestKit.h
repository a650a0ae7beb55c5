#pragma once
// Fakes for the button's ports: a pixel-buffer canvas, a scripted site and a grid picture.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "controls/ButtonModel.h"
#include "controls/ProgramButtonDesign.h"

// A plain pixel buffer with GDI's drawing rules for boxes and lines. Text is not rasterised:
// it is recorded with its colour, and measured at 6 pixels a character and 13 a line.
class PixelCanvas : public Canvas {
public:
    struct TextCall {
        std::wstring Text;
        Rect Box;
        unsigned Flags;
        RgbColor Color;
    };

    PixelCanvas(int width, int height, RgbColor fill = 0) { Resize(width, height, fill); }
    void Resize(int width, int height, RgbColor fill = 0)
    {
        width_ = width;
        height_ = height;
        pixels_.assign(static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0), fill);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RgbColor At(int x, int y) const { return pixels_.at(static_cast<std::size_t>(y) * width_ + x); }

    std::vector<TextCall> Texts;
    int Operations = 0; // every drawing call, to tell whether a paint happened
    RgbColor TextColor = 0;

    void FillBox(int x, int y, int w, int h, RgbColor c) override
    {
        ++Operations;
        for (int yy = y; yy < y + h; ++yy)
            for (int xx = x; xx < x + w; ++xx) Put(xx, yy, c);
    }
    void FrameBox(int x, int y, int w, int h, RgbColor c) override
    {
        ++Operations;
        if (w <= 0 || h <= 0) return;
        for (int xx = x; xx < x + w; ++xx) {
            Put(xx, y, c);
            Put(xx, y + h - 1, c);
        }
        for (int yy = y; yy < y + h; ++yy) {
            Put(x, yy, c);
            Put(x + w - 1, yy, c);
        }
    }
    void Line(int x1, int y1, int x2, int y2, RgbColor c) override
    {
        ++Operations;
        const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        for (int i = 0; i < steps; ++i) {
            Put(x1 + static_cast<int>(std::lround(static_cast<double>(x2 - x1) * i / steps)),
                y1 + static_cast<int>(std::lround(static_cast<double>(y2 - y1) * i / steps)), c);
        }
    }
    void Pixel(int x, int y, RgbColor c) override
    {
        ++Operations;
        Put(x, y, c);
    }
    void SetTextColor(RgbColor c) override { TextColor = c; }
    Rect MeasureText(const std::wstring& text, Rect start, unsigned) override
    {
        const int chars = static_cast<int>(Visible(text).size());
        return {start.Left, start.Top, start.Left + 6 * chars, start.Top + (chars ? 13 : 0)};
    }
    void PaintText(const std::wstring& text, Rect box, unsigned flags) override
    {
        ++Operations;
        Texts.push_back({text, box, flags, TextColor});
    }
    void ReadBlock(int x, int y, PixelBlock& block) override
    {
        for (int yy = 0; yy < block.Height(); ++yy)
            for (int xx = 0; xx < block.Width(); ++xx) block.Set(xx, yy, Inside(x + xx, y + yy) ? At(x + xx, y + yy) : 0);
    }
    void WriteBlock(int x, int y, const PixelBlock& block) override
    {
        ++Operations;
        for (int yy = 0; yy < block.Height(); ++yy)
            for (int xx = 0; xx < block.Width(); ++xx) Put(x + xx, y + yy, block.At(xx, yy));
    }

    // The text as prefix processing shows it: "&x" shows x, "&&" shows "&".
    static std::wstring Visible(const std::wstring& text)
    {
        std::wstring out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'&' && i + 1 < text.size()) ++i;
            out += text[i];
        }
        return out;
    }

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    void Put(int x, int y, RgbColor c)
    {
        if (Inside(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<RgbColor> pixels_;
};

// A picture from a grid of colours; with `transparent` set it behaves like an icon, whose
// see-through pixels show the background it is drawn on.
class GridPicture : public ButtonPicture {
public:
    GridPicture(int width, int height, std::vector<RgbColor> pixels, std::vector<bool> transparent = {})
        : width_(width), height_(height), pixels_(std::move(pixels)), transparent_(std::move(transparent))
    {
    }
    int WidthHimetric() const override { return static_cast<int>(std::lround(width_ * 2540.0 / 96)); }
    int HeightHimetric() const override { return static_cast<int>(std::lround(height_ * 2540.0 / 96)); }
    void Render(RgbColor background, PixelBlock& block) const override
    {
        for (int y = 0; y < std::min(block.Height(), height_); ++y)
            for (int x = 0; x < std::min(block.Width(), width_); ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * width_ + x;
                block.Set(x, y, !transparent_.empty() && transparent_[i] ? background : pixels_[i]);
            }
    }

private:
    int width_, height_;
    std::vector<RgbColor> pixels_;
    std::vector<bool> transparent_;
};

// System colours of the classic grey theme; OLE colours translate the way OleTranslateColor does.
class FakeSite : public ButtonSite {
public:
    explicit FakeSite(PixelCanvas& canvas) : canvas_(canvas) {}

    bool Failing = false;    // TranslateColor fails
    bool Default = false;    // the host's default button
    bool PointerOver = false;
    bool TimerRunning = false;
    RgbColor ContainerBack = MakeRgb(0, 128, 128);
    RgbColor ContainerText = MakeRgb(255, 255, 0);
    int Notifications = 0;
    int Presents = 0;
    int Captures = 0;
    int Refreshes = 0;
    int Regions = 0;
    bool WindowEnabled = true;
    std::wstring WindowText;
    FontDesc WindowFont;

    RgbColor TranslateColor(std::uint32_t c) override
    {
        if (Failing) return 0;
        if (c & 0x80000000u) return SysColor(static_cast<int>(c & 0xFF));
        return (c >> 24) == 0 ? c : 0;
    }
    RgbColor SysColor(int index) override
    {
        switch (index) {
        case syscolor::ButtonFace: return MakeRgb(212, 208, 200);
        case syscolor::ButtonShadow: return MakeRgb(128, 128, 128);
        case syscolor::ButtonHighlight: return MakeRgb(255, 255, 255);
        default: return 0;
        }
    }
    void ContainerColors(RgbColor& back, RgbColor& text) override
    {
        back = ContainerBack;
        text = ContainerText;
    }
    Canvas& Surface() override { return canvas_; }
    void Present() override { ++Presents; }
    void ClientSize(int& width, int& height) override
    {
        width = canvas_.Width();
        height = canvas_.Height();
    }
    void SetRegion(int, int) override { ++Regions; }
    int Dpi() override { return 96; }
    void ApplyCaption(const std::wstring& caption) override { WindowText = caption; }
    void ApplyFont(const FontDesc& font) override { WindowFont = font; }
    void ApplyEnabled(bool enabled) override { WindowEnabled = enabled; }
    void ApplyPointer(int, const PicturePtr&) override {}
    bool IsDefaultButton() override { return Default; }
    void NotifyChanged() override { ++Notifications; }
    bool IsPointerOver() override { return PointerOver; }
    void StartOverTimer() override { TimerRunning = true; }
    void StopOverTimer() override { TimerRunning = false; }
    void CaptureMouse() override { ++Captures; }
    void RefreshNow() override { ++Refreshes; }

private:
    PixelCanvas& canvas_;
};

// A shown button of the program's design on a pixel canvas.
struct ButtonRig {
    PixelCanvas canvas;
    FakeSite site{canvas};
    ButtonModel button{site};

    explicit ButtonRig(int width = 60, int height = 25, const std::wstring& caption = L"OK")
        : ButtonRig(width, height, ProgramButtonDesign(caption))
    {
    }
    ButtonRig(int width, int height, const PropertyStore& store) : canvas(width, height)
    {
        button.Load(store);
        button.Resize();
        button.Show();
    }
};
