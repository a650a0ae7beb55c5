#pragma once
// Loading the writer's movies and looking into what the reader made of them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <variant>

#include "SwfTestMovies.h"
#include "swf/DrawingPort.h"
#include "swf/Movie.h"
#include "swf/Player.h"

namespace swfkit {

inline std::shared_ptr<const swf::Movie> Load(const swftest::Bytes& bytes)
{
    const swf::LoadResult r = swf::LoadMovie(bytes);
    EXPECT_EQ(r.error, swf::LoadError::None);
    return r.movie;
}

inline const swf::Shape& ShapeOf(const swf::Movie& m, std::uint16_t id)
{
    const swf::Character* c = m.Find(id);
    if (!c || !std::holds_alternative<swf::Shape>(*c)) throw std::runtime_error("no such shape");
    return std::get<swf::Shape>(*c);
}

// Twice the signed area: positive for contours that run clockwise on screen (y down).
template <typename Path>
double SignedArea2(const Path& p)
{
    double sum = 0;
    auto prev = p.start;
    for (const auto& s : p.segments) {
        sum += static_cast<double>(prev.x) * s.to.y - static_cast<double>(s.to.x) * prev.y;
        prev = s.to;
    }
    sum += static_cast<double>(prev.x) * p.start.y - static_cast<double>(p.start.x) * prev.y;
    return sum;
}

template <typename Path>
bool Closed(const Path& p)
{
    return !p.segments.empty() && p.segments.back().to == p.start;
}

// Remembers what was drawn, in order.
class RecordingPort : public swf::DrawingPort {
public:
    struct Fill {
        std::vector<swf::DevicePath> contours;
        swf::Paint paint;
        swf::FillRule rule;
    };
    struct Stroke {
        swf::DevicePath path;
        float width;
        swf::Rgba color;
    };

    void Clear(swf::Rgba bg, swf::RectF stageRect) override
    {
        clears++;
        background = bg;
        stage = stageRect;
    }
    void FillFigure(std::span<const swf::DevicePath> contours, const swf::Paint& paint, swf::FillRule rule) override
    {
        fills.push_back({{contours.begin(), contours.end()}, paint, rule});
        order += 'F';
    }
    void StrokePath(const swf::DevicePath& path, float width, swf::Rgba color) override
    {
        strokes.push_back({path, width, color});
        order += 'S';
    }
    void BeginMask(std::span<const swf::DeviceArea> areas) override
    {
        masks.emplace_back(areas.begin(), areas.end());
        order += '[';
    }
    void EndMask() override { order += ']'; }

    int clears = 0;
    swf::Rgba background;
    swf::RectF stage;
    std::vector<Fill> fills;
    std::vector<Stroke> strokes;
    std::vector<std::vector<swf::DeviceArea>> masks;
    std::string order; // F fill, S stroke, [ mask begins, ] mask ends
};

} // namespace swfkit
