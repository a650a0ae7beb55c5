#pragma once
// What one movie may still hold of tags, edges and styles before the reader refuses more.
#include <cstddef>

#include "swf/BitReader.h"
#include "swf/Movie.h"

namespace swf {

class ReadBudget {
public:
    // False once the movie has used up its tags: the reader stops there.
    bool TakeTag() { return ++tags_ <= limits::Tags; }
    void TakeEdge() { Take(edges_, limits::Edges, "too many edges"); }
    void TakeStyles(std::size_t n) { Take(styles_, limits::Styles, "too many styles", n); }

private:
    static void Take(std::size_t& used, std::size_t limit, const char* what, std::size_t n = 1)
    {
        if (n > limit - used) throw Malformed(what);
        used += n;
    }
    std::size_t tags_ = 0;
    std::size_t edges_ = 0;
    std::size_t styles_ = 0;
};

} // namespace swf
