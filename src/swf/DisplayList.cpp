#include "swf/DisplayList.h"

#include <type_traits>
#include <variant>

namespace swf {

SpriteInstance::SpriteInstance(const Movie& movie, const Timeline& timeline, int nesting, PlayBudget& budget)
    : movie_(movie), timeline_(timeline), nesting_(nesting), budget_(budget)
{
    RunFrame();
}

SpriteInstance::~SpriteInstance() { Clear(); }

void SpriteInstance::Clear()
{
    budget_.live -= objects_.size();
    objects_.clear();
}

void SpriteInstance::Advance()
{
    const std::size_t frames = timeline_.frames.size();
    if (frames > 1 && frame_ + 1 >= frames) {
        Clear();
        frame_ = 0;
        RunFrame();
        return;
    }
    // Sprites already shown move on before this frame's tags place new ones at their first frame.
    for (auto& [depth, placed] : objects_)
        if (placed.sprite) placed.sprite->Advance();
    if (frames > 1) {
        ++frame_;
        RunFrame();
    }
}

void SpriteInstance::RunFrame()
{
    if (frame_ >= timeline_.frames.size()) return;
    for (const ControlTag& t : timeline_.frames[frame_]) {
        // Past the budget the frame shows what it has so far.
        if (budget_.steps >= limits::TagsPerAdvance) return;
        ++budget_.steps;
        std::visit(
            [this](const auto& tag) {
                if constexpr (std::is_same_v<std::decay_t<decltype(tag)>, PlaceObject>)
                    Place(tag);
                else
                    Remove(tag.depth);
            },
            t);
    }
}

std::unique_ptr<SpriteInstance> SpriteInstance::Instantiate(std::uint16_t character)
{
    const Character* c = movie_.Find(character);
    const auto* sprite = c ? std::get_if<Sprite>(c) : nullptr;
    // A sprite nested too deep (one that places itself, say) shows nothing.
    if (!sprite || nesting_ >= limits::SpriteNesting) return nullptr;
    return std::make_unique<SpriteInstance>(movie_, sprite->timeline, nesting_ + 1, budget_);
}

void SpriteInstance::Place(const PlaceObject& p)
{
    auto it = objects_.find(p.depth);
    if (it == objects_.end()) {
        // Modifying an empty depth does nothing; a new object needs a character and room.
        if (p.move && !p.character) return;
        if (!p.character || budget_.live >= limits::PlacedObjects) return;
        it = objects_.emplace(p.depth, Placed{}).first;
        ++budget_.live;
        it->second.character = *p.character;
        it->second.sprite = Instantiate(*p.character);
    } else if (p.character) {
        Placed& placed = it->second;
        if (!p.move) {
            // Placing on a taken depth starts over with a new object there.
            placed = Placed{};
        }
        if (!p.move || placed.character != *p.character) {
            // Replace keeps the matrix and colours it is not given.
            placed.sprite.reset();
            placed.character = *p.character;
            placed.sprite = Instantiate(*p.character);
        }
    } else if (!p.move) {
        return;
    }
    Placed& placed = it->second;
    if (p.matrix) placed.matrix = *p.matrix;
    if (p.colorTransform) placed.colorTransform = *p.colorTransform;
    if (p.ratio) placed.ratio = *p.ratio;
    if (p.clipDepth) placed.clipDepth = *p.clipDepth;
}

void SpriteInstance::Remove(std::uint16_t depth)
{
    if (objects_.erase(depth)) --budget_.live;
}

} // namespace swf
