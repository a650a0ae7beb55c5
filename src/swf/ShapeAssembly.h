#pragma once
// Turns the edges of a shape, each marked with the fill on either side, into closed figures per
// fill style and stroked paths per line style.
#include <cstddef>
#include <unordered_map>
#include <utility>
#include <vector>

#include "swf/Movie.h"

namespace swf {

struct Edge {
    TwipsPoint from;
    TwipsPoint control; // curves only
    TwipsPoint to;
    bool curved = false;

    Edge Reversed() const { return {to, control, from, curved}; }
};

// Chains edges into closed contours by joining each end to an edge that starts there, exactly.
// Every edge is used once; a chain that cannot be closed ends where its edges run out and is
// closed by the fill.
std::vector<TwipsPath> ChainContours(const std::vector<Edge>& edges);

// Collects one layer's edges by style as the shape records are read, and assembles the layer.
class LayerBuilder {
public:
    // Styles are indices into the shape's flat style lists; `none` means no style on that side.
    static constexpr std::size_t None = static_cast<std::size_t>(-1);

    // fill0 lies to the left of the edge as drawn, fill1 to its right: the edge bounds fill1 as
    // drawn and fill0 reversed, so every contour of a fill runs the same way around it.
    void AddEdge(const Edge& e, std::size_t fill0, std::size_t fill1, std::size_t line);
    // A stroke is cut where the pen lifts or changes style.
    void BreakStroke() { strokeOpen_ = false; }
    ShapeLayer Finish();
    bool Empty() const { return fillEdges_.empty() && strokes_.empty(); }

private:
    std::vector<std::pair<std::size_t, std::vector<Edge>>> fillEdges_; // in order of first use
    std::unordered_map<std::size_t, std::size_t> slots_;                // fill -> place in fillEdges_
    std::vector<StrokedPath> strokes_;
    bool strokeOpen_ = false;
};

} // namespace swf
