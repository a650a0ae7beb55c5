#include "swf/Player.h"

#include <cmath>
#include <variant>

namespace swf {

unsigned FrameIntervalMs(double frameRate)
{
    // A stated rate of 0 would stop the movie for ever; players show such movies at 12 fps.
    const double fps = frameRate > 0 ? frameRate : DefaultFrameRate;
    const double ms = std::round(1000.0 / fps);
    return ms < 1 ? 1u : static_cast<unsigned>(ms);
}

Player::Player(std::shared_ptr<const Movie> movie) : movie_(std::move(movie))
{
    root_ = std::make_unique<SpriteInstance>(*movie_, movie_->timeline, 1, budget_);
    budget_.steps = 0;
}

void Player::Advance()
{
    if (!playing_) return;
    budget_.steps = 0;
    root_->Advance();
}

namespace {

class SceneBuilder {
public:
    SceneBuilder(const Movie& movie, Scene& scene) : movie_(movie), scene_(scene) {}

    void Add(const SpriteInstance& sprite, const Matrix& m, const ColorTransform& cx)
    {
        // The clip depths of the masks in force, innermost last.
        std::vector<std::uint16_t> masks;
        for (const auto& [depth, placed] : sprite.Objects()) {
            while (!masks.empty() && depth > masks.back()) {
                scene_.items.push_back(SceneMaskEnd{});
                masks.pop_back();
            }
            const Matrix pm = m * placed.matrix;
            if (placed.clipDepth) {
                // A mask is not drawn: its figures, whatever their colours, cut out what it masks.
                SceneMaskBegin mask;
                AddOutline(placed, pm, mask.areas);
                scene_.items.push_back(std::move(mask));
                masks.push_back(*placed.clipDepth);
                continue;
            }
            const ColorTransform pcx = cx * placed.colorTransform;
            if (placed.sprite) {
                Add(*placed.sprite, pm, pcx);
                continue;
            }
            if (const Shape* shape = ShapeOf(placed)) AddShape(*shape, pm, pcx);
        }
        for (; !masks.empty(); masks.pop_back()) scene_.items.push_back(SceneMaskEnd{});
    }

private:
    const Shape* ShapeOf(const Placed& placed) const
    {
        const Character* c = movie_.Find(placed.character);
        return c ? std::get_if<Shape>(c) : nullptr;
    }

    // The filled figures of a mask object, a sprite's included (sprites nest a bounded depth).
    void AddOutline(const Placed& placed, const Matrix& m, std::vector<StageArea>& areas)
    {
        if (placed.sprite) {
            for (const auto& [depth, inner] : placed.sprite->Objects())
                if (!inner.clipDepth) AddOutline(inner, m * inner.matrix, areas);
            return;
        }
        const Shape* shape = ShapeOf(placed);
        if (!shape) return;
        for (const ShapeLayer& layer : shape->layers) {
            for (const FilledRegion& region : layer.fills) {
                StageArea area;
                area.rule = shape->rule;
                for (const TwipsPath& contour : region.contours) {
                    if (!Budget(contour)) return;
                    area.contours.push_back(Transform(contour, m));
                }
                areas.push_back(std::move(area));
            }
        }
    }

    void AddShape(const Shape& shape, const Matrix& m, const ColorTransform& cx)
    {
        for (const ShapeLayer& layer : shape.layers) {
            for (const FilledRegion& region : layer.fills) {
                const FillStyle& style = shape.fills[region.fill];
                if (style.kind == FillKind::Bitmap) continue; // bitmaps are not read
                SceneFill fill;
                fill.rule = shape.rule;
                fill.paint.kind = style.kind;
                fill.paint.color = cx.Apply(style.color);
                for (GradientStop stop : style.stops) {
                    stop.color = cx.Apply(stop.color);
                    fill.paint.stops.push_back(stop);
                }
                fill.paint.gradient = m * style.matrix;
                fill.paint.focal = style.focal;
                for (const TwipsPath& contour : region.contours) {
                    if (!Budget(contour)) return;
                    fill.contours.push_back(Transform(contour, m));
                }
                scene_.items.push_back(std::move(fill));
            }
            for (const StrokedPath& stroke : layer.strokes) {
                if (!Budget(stroke.path)) return;
                const LineStyle& style = shape.lines[stroke.line];
                const double scale = std::sqrt(std::abs(m.a * m.d - m.b * m.c));
                scene_.items.push_back(SceneStroke{Transform(stroke.path, m), style.width * scale, cx.Apply(style.color)});
            }
        }
    }

    bool Budget(const TwipsPath& path)
    {
        segments_ += path.segments.size();
        return segments_ <= limits::SceneSegments;
    }

    static StagePath Transform(const TwipsPath& path, const Matrix& m)
    {
        auto at = [&m](TwipsPoint p) { return m.Apply({static_cast<double>(p.x), static_cast<double>(p.y)}); };
        StagePath out;
        out.start = at(path.start);
        out.segments.reserve(path.segments.size());
        for (const auto& s : path.segments) out.segments.push_back({at(s.control), at(s.to), s.curved});
        return out;
    }

    const Movie& movie_;
    Scene& scene_;
    std::size_t segments_ = 0;
};

} // namespace

Scene Player::BuildFrame() const
{
    Scene scene;
    scene.stage = movie_->stage;
    scene.background = movie_->background;
    SceneBuilder(*movie_, scene).Add(*root_, Matrix{}, ColorTransform{});
    return scene;
}

} // namespace swf
