#pragma once
// Reads a stream of tags: the movie's own, or a sprite's control tags.
#include "swf/BitReader.h"
#include "swf/Movie.h"
#include "swf/ReadBudget.h"

namespace swf {

namespace tag {
constexpr int End = 0;
constexpr int ShowFrame = 1;
constexpr int DefineShape = 2;
constexpr int PlaceObject = 4;
constexpr int RemoveObject = 5;
constexpr int SetBackgroundColor = 9;
constexpr int DefineShape2 = 22;
constexpr int PlaceObject2 = 26;
constexpr int RemoveObject2 = 28;
constexpr int DefineShape3 = 32;
constexpr int DefineSprite = 39;
constexpr int PlaceObject3 = 70;
constexpr int DefineShape4 = 83;
} // namespace tag

// Reads tags until End or until the bytes run out, into `timeline`. Definitions go into the
// movie's characters; inside a sprite (`inSprite`) only control tags count. A tag whose length
// runs past the bytes ends the stream; a damaged tag inside its length is left out and counted.
// Control tags after the last ShowFrame are dropped, as they belong to no complete frame.
void ReadTimeline(BitReader& in, Movie& movie, Timeline& timeline, bool inSprite, ReadBudget& budget);

} // namespace swf
