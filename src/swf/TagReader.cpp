#include "swf/TagReader.h"

#include "swf/Records.h"
#include "swf/ShapeReader.h"

namespace swf {

namespace {

PlaceObject ReadPlaceObject1(BitReader& in)
{
    PlaceObject p;
    p.character = in.U16();
    p.depth = in.U16();
    p.matrix = ReadMatrix(in);
    if (in.Remaining() > 0) p.colorTransform = ReadColorTransform(in, false);
    return p;
}

// PlaceObject2 and 3. What follows the clip depth (filters, blend mode, clip actions) is not
// used, and the tag's length already bounds it.
PlaceObject ReadPlaceObject23(BitReader& in, bool three)
{
    PlaceObject p;
    const std::uint8_t flags = in.U8();
    bool hasClassName = false;
    bool hasImage = false;
    if (three) {
        const std::uint8_t more = in.U8();
        hasImage = more & 0x10;
        hasClassName = more & 0x08;
    }
    p.depth = in.U16();
    const bool hasCharacter = flags & 0x02;
    if (three && (hasClassName || (hasImage && hasCharacter))) in.SkipString();
    p.move = flags & 0x01;
    if (hasCharacter) p.character = in.U16();
    if (flags & 0x04) p.matrix = ReadMatrix(in);
    if (flags & 0x08) p.colorTransform = ReadColorTransform(in, true);
    if (flags & 0x10) p.ratio = in.U16();
    if (flags & 0x20) in.SkipString(); // instance name
    if (flags & 0x40) p.clipDepth = in.U16();
    return p;
}

void ReadSprite(BitReader& in, Movie& movie, ReadBudget& budget)
{
    const std::uint16_t id = in.U16();
    in.U16(); // frame count as stated; the ShowFrame tags decide
    Sprite sprite;
    ReadTimeline(in, movie, sprite.timeline, true, budget);
    movie.characters.try_emplace(id, std::move(sprite));
}

// A definition with an id already taken is ignored, as the first one stays in use.
void ReadDefineShape(BitReader& in, Movie& movie, int version, ReadBudget& budget)
{
    const std::uint16_t id = in.U16();
    if (movie.characters.contains(id)) return;
    movie.characters.emplace(id, ReadShape(in, version, budget));
}

// Returns false when the tag was not played.
struct TimelineState {
    std::vector<ControlTag> frame; // control tags of the frame being read
    bool backgroundSeen = false;   // the first background colour is the movie's
};

bool ReadTag(int code, BitReader& in, Movie& movie, TimelineState& state, bool inSprite, ReadBudget& budget)
{
    auto& frame = state.frame;
    switch (code) {
    case tag::PlaceObject:
        frame.push_back(ReadPlaceObject1(in));
        return true;
    case tag::PlaceObject2:
    case tag::PlaceObject3:
        frame.push_back(ReadPlaceObject23(in, code == tag::PlaceObject3));
        return true;
    case tag::RemoveObject:
        in.U16(); // character id
        frame.push_back(RemoveObject{in.U16()});
        return true;
    case tag::RemoveObject2:
        frame.push_back(RemoveObject{in.U16()});
        return true;
    default:
        break;
    }
    if (inSprite) return false;
    switch (code) {
    case tag::SetBackgroundColor:
        if (state.backgroundSeen) return false;
        movie.background = ReadRgb(in);
        state.backgroundSeen = true;
        return true;
    case tag::DefineShape:
        ReadDefineShape(in, movie, 1, budget);
        return true;
    case tag::DefineShape2:
        ReadDefineShape(in, movie, 2, budget);
        return true;
    case tag::DefineShape3:
        ReadDefineShape(in, movie, 3, budget);
        return true;
    case tag::DefineShape4:
        ReadDefineShape(in, movie, 4, budget);
        return true;
    case tag::DefineSprite:
        ReadSprite(in, movie, budget);
        return true;
    default:
        return false;
    }
}

} // namespace

void ReadTimeline(BitReader& in, Movie& movie, Timeline& timeline, bool inSprite, ReadBudget& budget)
{
    TimelineState state;
    while (in.Remaining() >= 2) {
        const std::uint16_t header = in.U16();
        const int code = header >> 6;
        std::size_t length = header & 0x3F;
        if (length == 0x3F) {
            if (in.Remaining() < 4) break;
            length = in.U32();
        }
        if (length > in.Remaining()) break;
        BitReader body(in.Bytes(length));
        if (code == tag::End) break;
        if (!budget.TakeTag()) break;
        if (code == tag::ShowFrame) {
            timeline.frames.push_back(std::move(state.frame));
            state.frame.clear();
            continue;
        }
        try {
            if (!ReadTag(code, body, movie, state, inSprite, budget)) ++movie.skippedTags;
        } catch (const Malformed&) {
            ++movie.skippedTags;
        }
    }
}

} // namespace swf
