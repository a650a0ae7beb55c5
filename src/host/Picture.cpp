#include "host/Picture.h"

#include "host/Artwork.h"
#include "host/GdiCanvas.h"
#include "resources/art/PixelArt.h"

#include <algorithm>
#include <future>
#include <memory>
#include <system_error>
#include "host/Screen.h"

namespace {
constexpr int HimetricPerInch = 2540;
} // namespace

Picture Picture::FromIcon(HICON icon)
{
    Picture p;
    p.icon_.reset(icon);
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return Picture{};
    // GetIconInfo hands us copies of the icon's bitmaps; they are ours to delete.
    UniqueBitmap color(info.hbmColor);
    UniqueBitmap mask(info.hbmMask);
    BITMAP bm{};
    if (!GetObjectW(mask.get(), sizeof bm, &bm)) return Picture{};
    p.width_ = bm.bmWidth;
    // Without a colour bitmap the mask holds the AND and XOR halves one above the other.
    p.height_ = color ? bm.bmHeight : bm.bmHeight / 2;
    return p;
}

Picture Picture::FromPixels(int width, int height, const std::vector<std::uint32_t>& argb)
{
    if (width <= 0 || height <= 0 || argb.size() < static_cast<std::size_t>(width) * height) return Picture{};
    Picture p;
    p.pixels_.assign(argb.begin(), argb.begin() + static_cast<std::ptrdiff_t>(width) * height);
    p.width_ = width;
    p.height_ = height;
    return p;
}

PixelArt Picture::TakeArt() const
{
    PixelArt art(width_, height_);
    art.argb = std::move(pixels_);
    pixels_.clear();
    return art;
}

void Picture::PrepareIcons(const std::vector<const Picture*>& pictures)
{
    struct Job {
        const Picture* picture;
        PixelArt art;
        std::promise<UniqueIcon> icon;
    };
    auto jobs = std::make_shared<std::vector<Job>>();
    for (const Picture* picture : pictures) {
        if (!picture || picture->icon_ || picture->pixels_.empty() || picture->preparedIcon_.valid()) continue;
        jobs->push_back(Job{picture, picture->TakeArt(), {}});
        picture->preparedIcon_ = jobs->back().icon.get_future();
    }
    if (jobs->empty()) return;
    try {
        const std::shared_future<void> thread = std::async(std::launch::async, [jobs] {
                                                    for (Job& job : *jobs) job.icon.set_value(MakeIcon(job.art));
                                                }).share();
        for (const Job& job : *jobs) job.picture->preparing_ = thread;
    } catch (const std::system_error&) {
        // No thread to be had: each picture makes its icon when first drawn, as any other.
        for (Job& job : *jobs) {
            job.picture->pixels_ = std::move(job.art.argb);
            job.picture->preparedIcon_ = {};
        }
    }
}

HICON Picture::Icon() const
{
    if (!icon_ && preparedIcon_.valid()) icon_ = preparedIcon_.get();
    if (!icon_ && !pixels_.empty()) icon_ = MakeIcon(TakeArt());
    return icon_.get();
}

int Picture::WidthHimetric() const { return MulDiv(width_, HimetricPerInch, screen::Dpi()); }
int Picture::HeightHimetric() const { return MulDiv(height_, HimetricPerInch, screen::Dpi()); }

void Picture::Render(RgbColor background, PixelBlock& block) const
{
    const int w = block.Width(), h = block.Height();
    if (w <= 0 || h <= 0 || !*this) return;
    if (rendered_.Width() == w && rendered_.Height() == h && renderedBackground_ == background) {
        block = rendered_;
        return;
    }
    // A 32-bit canvas of its own: asking the screen for a compatible one costs a round trip to
    // the system under Wine, and every button picture is rendered at start-up.
    void* bits = nullptr;
    UniqueMemDc dc(CreateCompatibleDC(nullptr));
    UniqueBitmap canvas = MakeDibSection(w, h, bits);
    if (!dc || !canvas) return;
    {
        Selected into(dc.get(), canvas.get());
        UniqueBrush brush(CreateSolidBrush(background));
        RECT all{0, 0, w, h};
        FillRect(dc.get(), &all, brush.get());
        DrawIconEx(dc.get(), 0, 0, Icon(), 0, 0, 0, nullptr, DI_NORMAL);
    }
    BITMAPINFO info = Dib24Header(w, h);
    if (!GetDIBits(dc.get(), canvas.get(), 0, h, block.Bytes().data(), &info, DIB_RGB_COLORS)) return;
    rendered_ = block;
    renderedBackground_ = background;
}
