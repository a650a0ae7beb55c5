#include "swf/ShapeAssembly.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace swf {

namespace {
std::uint64_t Key(TwipsPoint p)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x)) << 32) | static_cast<std::uint32_t>(p.y);
}

void Append(TwipsPath& path, const Edge& e) { path.segments.push_back({e.control, e.to, e.curved}); }
} // namespace

std::vector<TwipsPath> ChainContours(const std::vector<Edge>& edges)
{
    // Edges sorted by start point; for each start point, a cursor to its first edge that may
    // still be unused. Cursors only move forward, so chaining stays linear however many edges
    // meet at one point.
    const std::size_t n = edges.size();
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return Key(edges[x].from) < Key(edges[y].from); });
    std::unordered_map<std::uint64_t, std::size_t> cursor;
    cursor.reserve(n);
    for (std::size_t p = 0; p < n; ++p) cursor.try_emplace(Key(edges[order[p]].from), p);
    std::vector<bool> used(n, false);

    auto take = [&](TwipsPoint at) -> const Edge* {
        const std::uint64_t key = Key(at);
        const auto it = cursor.find(key);
        if (it == cursor.end()) return nullptr;
        std::size_t& p = it->second;
        while (p < n && Key(edges[order[p]].from) == key && used[order[p]]) ++p;
        if (p == n || Key(edges[order[p]].from) != key) return nullptr;
        used[order[p]] = true;
        return &edges[order[p]];
    };

    std::vector<TwipsPath> contours;
    for (std::size_t i = 0; i < n; ++i) {
        if (used[i]) continue;
        used[i] = true;
        TwipsPath path;
        path.start = edges[i].from;
        Append(path, edges[i]);
        TwipsPoint end = edges[i].to;
        while (!(end == path.start)) {
            const Edge* next = take(end);
            if (!next) break;
            Append(path, *next);
            end = next->to;
        }
        contours.push_back(std::move(path));
    }
    return contours;
}

void LayerBuilder::AddEdge(const Edge& e, std::size_t fill0, std::size_t fill1, std::size_t line)
{
    auto edgesOf = [this](std::size_t fill) -> std::vector<Edge>& {
        const auto [slot, added] = slots_.try_emplace(fill, fillEdges_.size());
        if (added) fillEdges_.emplace_back(fill, std::vector<Edge>{});
        return fillEdges_[slot->second].second;
    };
    // An edge with the same fill on both sides bounds nothing.
    if (fill0 != fill1) {
        if (fill1 != None) edgesOf(fill1).push_back(e);
        if (fill0 != None) edgesOf(fill0).push_back(e.Reversed());
    }
    if (line == None) {
        strokeOpen_ = false;
        return;
    }
    if (!strokeOpen_ || strokes_.back().line != line || !(strokes_.back().path.segments.back().to == e.from)) {
        strokes_.push_back({line, TwipsPath{e.from, {}}});
        strokeOpen_ = true;
    }
    Append(strokes_.back().path, e);
}

ShapeLayer LayerBuilder::Finish()
{
    ShapeLayer layer;
    std::sort(fillEdges_.begin(), fillEdges_.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    for (const auto& [fill, edges] : fillEdges_) layer.fills.push_back({fill, ChainContours(edges)});
    layer.strokes = std::move(strokes_);
    fillEdges_.clear();
    slots_.clear();
    strokes_.clear();
    strokeOpen_ = false;
    return layer;
}

} // namespace swf
