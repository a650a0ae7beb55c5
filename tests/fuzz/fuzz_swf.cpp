// Feeds arbitrary bytes to the flash movie reader, then plays and draws what it loaded: nothing
// may crash, read out of bounds, hang or grow without bound.
#include <cstddef>
#include <cstdint>
#include <span>

#include "swf/Player.h"
#include "swf/Render.h"

namespace {

// Checks what reaches a drawing engine: finite coordinates and sane widths.
class CheckingPort : public swf::DrawingPort {
public:
    void Clear(swf::Rgba, swf::RectF stage) override
    {
        if (stage.left > stage.right || stage.top > stage.bottom) __builtin_trap();
    }
    void FillFigure(std::span<const swf::DevicePath> contours, const swf::Paint& paint, swf::FillRule) override
    {
        if (paint.kind == swf::FillKind::Bitmap) __builtin_trap();
        if (paint.kind != swf::FillKind::Solid && paint.stops.empty()) __builtin_trap();
        for (const auto& c : contours) Check(c);
    }
    void StrokePath(const swf::DevicePath& path, float width, swf::Rgba) override
    {
        if (!(width >= 1)) __builtin_trap();
        Check(path);
    }
    void BeginMask(std::span<const swf::DeviceArea> areas) override
    {
        for (const auto& a : areas)
            for (const auto& c : a.contours) Check(c);
        ++masks;
    }
    void EndMask() override
    {
        if (masks-- == 0) __builtin_trap();
    }
    int masks = 0; // begun and not yet ended

private:
    static void Check(const swf::DevicePath& p)
    {
        auto finite = [](swf::PointF q) { return q.x == q.x && q.y == q.y && q.x > -1e8f && q.x < 1e8f && q.y > -1e8f && q.y < 1e8f; };
        if (!finite(p.start)) __builtin_trap();
        for (const auto& s : p.segments)
            if (!finite(s.to) || !finite(s.control)) __builtin_trap();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const swf::LoadResult r = swf::LoadMovie(std::span<const std::uint8_t>(data, size));
    if ((r.error == swf::LoadError::None) != (r.movie != nullptr)) __builtin_trap();
    if (!r.movie) return 0;
    swf::Player player(r.movie);
    CheckingPort port;
    for (int frame = 0; frame < 3; ++frame) {
        if (player.CurrentFrame() >= player.FrameCount() && player.FrameCount() > 0) __builtin_trap();
        swf::RenderScene(player.BuildFrame(), port, 320, 240);
        if (port.masks != 0) __builtin_trap();
        player.Advance();
    }
    return 0;
}
