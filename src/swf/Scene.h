#pragma once
// One frame as a flat list of things to draw, back to front, in stage twips.
#include <variant>
#include <vector>

#include "swf/DrawingPort.h"

namespace swf {

namespace limits {
constexpr std::size_t SceneSegments = 4u << 20; // path segments of one frame
} // namespace limits

using StagePath = BasicPath<Point>;

struct SceneFill {
    std::vector<StagePath> contours;
    Paint paint; // the gradient matrix maps to stage twips
    FillRule rule = FillRule::EvenOdd;
};

struct SceneStroke {
    StagePath path;
    double width = 0; // twips; 0 is a hairline
    Rgba color;
};

struct StageArea {
    std::vector<StagePath> contours;
    FillRule rule = FillRule::EvenOdd;
};

// What follows, up to the matching SceneMaskEnd, shows only inside the mask's figures.
struct SceneMaskBegin {
    std::vector<StageArea> areas;
};

struct SceneMaskEnd {};

using SceneItem = std::variant<SceneFill, SceneStroke, SceneMaskBegin, SceneMaskEnd>;

struct Scene {
    TwipsRect stage;
    Rgba background;
    std::vector<SceneItem> items;
};

} // namespace swf
