#pragma once
// What a timeline shows at its current frame: objects by depth, each sprite with a timeline and
// display list of its own.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

#include "swf/Movie.h"

namespace swf {

namespace limits {
constexpr int SpriteNesting = 16;              // sprites inside sprites, counting the movie
constexpr std::size_t PlacedObjects = 1u << 16; // on all display lists of a player together
constexpr std::size_t TagsPerAdvance = 1u << 20; // control tags run for one frame, sprites' included
} // namespace limits

// What one player's display lists hold and the work of the frame being entered.
struct PlayBudget {
    std::size_t live = 0;  // objects on all display lists
    std::size_t steps = 0; // control tags run since the frame began
};

class SpriteInstance;

struct Placed {
    std::uint16_t character = 0;
    Matrix matrix;
    ColorTransform colorTransform;
    std::uint16_t ratio = 0;
    std::optional<std::uint16_t> clipDepth;
    std::unique_ptr<SpriteInstance> sprite; // when the character is a sprite
};

class SpriteInstance {
public:
    // Shows the timeline's first frame at once. `nesting` is 1 for the movie's own timeline.
    SpriteInstance(const Movie& movie, const Timeline& timeline, int nesting, PlayBudget& budget);
    SpriteInstance(const SpriteInstance&) = delete;
    SpriteInstance& operator=(const SpriteInstance&) = delete;
    ~SpriteInstance();

    // Next frame; after the last, the first again with a fresh display list. A timeline of one
    // frame stays where it is while its sprites go on.
    void Advance();
    std::size_t Frame() const { return frame_; }
    const std::map<std::uint16_t, Placed>& Objects() const { return objects_; }

private:
    void RunFrame();
    void Place(const PlaceObject& p);
    void Remove(std::uint16_t depth);
    void Clear();
    std::unique_ptr<SpriteInstance> Instantiate(std::uint16_t character);

    const Movie& movie_;
    const Timeline& timeline_;
    int nesting_;
    PlayBudget& budget_;
    std::size_t frame_ = 0;
    std::map<std::uint16_t, Placed> objects_;
};

} // namespace swf
