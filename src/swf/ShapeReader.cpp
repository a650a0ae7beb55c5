#include "swf/ShapeReader.h"

#include <cstdint>

#include "swf/Records.h"
#include "swf/ShapeAssembly.h"

namespace swf {

namespace {

// Far beyond any real stage (53 million pixels); keeps sums of deltas well inside 32 bits.
constexpr std::int64_t CoordinateLimit = std::int64_t{1} << 30;

Rgba ReadColor(BitReader& in, int version) { return version >= 3 ? ReadRgba(in) : ReadRgb(in); }

std::size_t ReadCount(BitReader& in)
{
    std::size_t count = in.U8();
    if (count == 0xFF) count = in.U16();
    return count;
}

FillStyle ReadFillStyle(BitReader& in, int version)
{
    FillStyle f;
    const std::uint8_t type = in.U8();
    switch (type) {
    case 0x00:
        f.kind = FillKind::Solid;
        f.color = ReadColor(in, version);
        return f;
    case 0x10:
    case 0x12:
    case 0x13: {
        f.kind = type == 0x10 ? FillKind::LinearGradient : type == 0x12 ? FillKind::RadialGradient : FillKind::FocalGradient;
        f.matrix = ReadMatrix(in);
        in.UB(2); // spread mode: pad is drawn for all
        in.UB(2); // interpolation mode: RGB is drawn for all
        const unsigned count = in.UB(4);
        for (unsigned i = 0; i < count; ++i) {
            GradientStop stop;
            stop.ratio = in.U8();
            stop.color = ReadColor(in, version);
            if (f.stops.size() < limits::GradientStops) f.stops.push_back(stop);
        }
        if (f.stops.empty()) throw Malformed("gradient without colours");
        if (type == 0x13) f.focal = in.S16() / 256.0;
        f.color = f.stops.front().color;
        return f;
    }
    case 0x40:
    case 0x41:
    case 0x42:
    case 0x43:
        f.kind = FillKind::Bitmap;
        in.U16(); // bitmap id: bitmaps are not read
        f.matrix = ReadMatrix(in);
        return f;
    default:
        throw Malformed("unknown fill style");
    }
}

LineStyle ReadLineStyle(BitReader& in, int version)
{
    LineStyle l;
    l.width = in.U16();
    if (version < 4) {
        l.color = ReadColor(in, version);
        return l;
    }
    in.UB(2); // start cap: strokes are drawn with round caps
    const unsigned join = in.UB(2);
    const bool hasFill = in.UB(1) != 0;
    in.UB(3);  // no horizontal or vertical scaling, pixel hinting
    in.UB(5);  // reserved
    in.UB(3);  // no close, end cap
    if (join == 2) in.U16(); // miter limit
    if (hasFill) {
        // A gradient-filled line is drawn in the gradient's first colour.
        const FillStyle fill = ReadFillStyle(in, version);
        l.color = fill.kind == FillKind::Bitmap ? Rgba{0, 0, 0, 0} : fill.color;
    } else {
        l.color = ReadRgba(in);
    }
    return l;
}

// Reads a fill and a line style array, appends them to the shape and returns the offsets of
// the new arrays in the shape's flat lists.
std::pair<std::size_t, std::size_t> ReadStyles(BitReader& in, int version, Shape& shape, ReadBudget& budget)
{
    in.Align();
    const std::size_t fillBase = shape.fills.size();
    const std::size_t fills = ReadCount(in);
    budget.TakeStyles(fills);
    for (std::size_t i = 0; i < fills; ++i) shape.fills.push_back(ReadFillStyle(in, version));
    const std::size_t lineBase = shape.lines.size();
    const std::size_t lines = ReadCount(in);
    budget.TakeStyles(lines);
    for (std::size_t i = 0; i < lines; ++i) shape.lines.push_back(ReadLineStyle(in, version));
    return {fillBase, lineBase};
}

class RecordReader {
public:
    RecordReader(BitReader& in, int version, Shape& shape, ReadBudget& budget)
        : in_(in), version_(version), shape_(shape), budget_(budget)
    {
    }

    void Run()
    {
        NewStyles();
        for (;;) {
            if (in_.UB(1)) {
                ReadEdge();
                continue;
            }
            const unsigned flags = in_.UB(5);
            if (flags == 0) break;
            ReadStyleChange(flags);
        }
        FinishLayer();
    }

private:
    void NewStyles()
    {
        FinishLayer();
        const auto [fillBase, lineBase] = ReadStyles(in_, version_, shape_, budget_);
        fillBase_ = fillBase;
        lineBase_ = lineBase;
        fillCount_ = shape_.fills.size() - fillBase;
        lineCount_ = shape_.lines.size() - lineBase;
        fillBits_ = in_.UB(4);
        lineBits_ = in_.UB(4);
        fill0_ = fill1_ = line_ = LayerBuilder::None;
    }

    void FinishLayer()
    {
        if (!layer_.Empty()) shape_.layers.push_back(layer_.Finish());
    }

    // A style index of 0, or one past the current array, means no style.
    std::size_t FillIndex(unsigned index) const { return index == 0 || index > fillCount_ ? LayerBuilder::None : fillBase_ + index - 1; }
    std::size_t LineIndex(unsigned index) const { return index == 0 || index > lineCount_ ? LayerBuilder::None : lineBase_ + index - 1; }

    void ReadStyleChange(unsigned flags)
    {
        const bool newStyles = flags & 0x10;
        const bool lineStyle = flags & 0x08;
        const bool fill1 = flags & 0x04;
        const bool fill0 = flags & 0x02;
        const bool moveTo = flags & 0x01;
        if (moveTo) {
            const unsigned bits = in_.UB(5);
            const std::int64_t x = in_.SB(bits);
            const std::int64_t y = in_.SB(bits);
            MoveTo(x, y);
        }
        const unsigned f0 = fill0 ? in_.UB(fillBits_) : 0;
        const unsigned f1 = fill1 ? in_.UB(fillBits_) : 0;
        const unsigned l = lineStyle ? in_.UB(lineBits_) : 0;
        layer_.BreakStroke();
        // Indices given beside new styles refer to the new arrays.
        if (newStyles) NewStyles();
        if (fill0) fill0_ = FillIndex(f0);
        if (fill1) fill1_ = FillIndex(f1);
        if (lineStyle) line_ = LineIndex(l);
    }

    void ReadEdge()
    {
        budget_.TakeEdge();
        const bool straight = in_.UB(1) != 0;
        const unsigned bits = in_.UB(4) + 2;
        Edge e;
        e.from = pen_;
        if (straight) {
            std::int64_t dx = 0;
            std::int64_t dy = 0;
            if (in_.UB(1)) {
                dx = in_.SB(bits);
                dy = in_.SB(bits);
            } else if (in_.UB(1)) {
                dy = in_.SB(bits);
            } else {
                dx = in_.SB(bits);
            }
            e.to = Offset(pen_, dx, dy);
            e.control = e.to;
        } else {
            const std::int64_t cdx = in_.SB(bits);
            const std::int64_t cdy = in_.SB(bits);
            const std::int64_t adx = in_.SB(bits);
            const std::int64_t ady = in_.SB(bits);
            e.control = Offset(pen_, cdx, cdy);
            e.to = Offset(e.control, adx, ady);
            e.curved = true;
        }
        pen_ = e.to;
        if (!e.curved && e.from == e.to) return;
        layer_.AddEdge(e, fill0_, fill1_, line_);
    }

    void MoveTo(std::int64_t x, std::int64_t y) { pen_ = Checked(x, y); }

    static TwipsPoint Offset(TwipsPoint p, std::int64_t dx, std::int64_t dy) { return Checked(p.x + dx, p.y + dy); }

    static TwipsPoint Checked(std::int64_t x, std::int64_t y)
    {
        if (x < -CoordinateLimit || x > CoordinateLimit || y < -CoordinateLimit || y > CoordinateLimit)
            throw Malformed("shape coordinate out of range");
        return {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
    }

    BitReader& in_;
    int version_;
    Shape& shape_;
    ReadBudget& budget_;
    LayerBuilder layer_;
    TwipsPoint pen_;
    std::size_t fillBase_ = 0;
    std::size_t lineBase_ = 0;
    std::size_t fillCount_ = 0;
    std::size_t lineCount_ = 0;
    unsigned fillBits_ = 0;
    unsigned lineBits_ = 0;
    std::size_t fill0_ = LayerBuilder::None;
    std::size_t fill1_ = LayerBuilder::None;
    std::size_t line_ = LayerBuilder::None;
};

} // namespace

Shape ReadShape(BitReader& in, int version, ReadBudget& budget)
{
    Shape shape;
    shape.bounds = ReadRect(in);
    if (version >= 4) {
        ReadRect(in); // edge bounds
        in.UB(5);
        // Shapes drawn with the nonzero winding rule say so; all others are even-odd.
        shape.rule = in.UB(1) ? FillRule::NonZero : FillRule::EvenOdd;
        in.UB(2);
        in.Align();
    }
    RecordReader(in, version, shape, budget).Run();
    return shape;
}

} // namespace swf
