#pragma once
// Plays a movie: its timeline, display lists and the frame they show.
#include <cstddef>
#include <memory>

#include "swf/DisplayList.h"
#include "swf/Movie.h"
#include "swf/Scene.h"

namespace swf {

// Frames per second used when a movie states 0.
constexpr double DefaultFrameRate = 12;

// The timer interval for a frame rate, in whole milliseconds (at least 1).
unsigned FrameIntervalMs(double frameRate);

class Player {
public:
    // Shows the first frame and plays.
    explicit Player(std::shared_ptr<const Movie> movie);

    const Movie& movie() const { return *movie_; }
    // The next frame, looping to the first after the last; nothing while stopped.
    void Advance();
    void Stop() { playing_ = false; }
    void Play() { playing_ = true; }
    bool Playing() const { return playing_; }
    // 0-based, of the movie's own timeline.
    std::size_t CurrentFrame() const { return root_->Frame(); }
    std::size_t FrameCount() const { return movie_->timeline.frames.size(); }
    unsigned IntervalMs() const { return FrameIntervalMs(movie_->frameRate); }
    const SpriteInstance& Root() const { return *root_; }

    // What the current frame shows, back to front.
    Scene BuildFrame() const;

private:
    std::shared_ptr<const Movie> movie_;
    PlayBudget budget_; // before root_, which uses it until it is gone
    std::unique_ptr<SpriteInstance> root_;
    bool playing_ = true;
};

} // namespace swf
