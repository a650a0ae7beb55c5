#pragma once
// Writes small flash movies for the tests: header (plain or zlib-compressed), shapes with solid,
// gradient and line styles, the control tags and sprites. Written from the file format, not
// from the reader, and checked against an independent parser by the swf_writer_check test.
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace swftest {

using Bytes = std::vector<std::uint8_t>;

class BitWriter {
public:
    void UB(std::uint32_t v, unsigned n)
    {
        for (unsigned i = n; i-- > 0;) Bit((v >> i) & 1u);
    }
    void SB(std::int32_t v, unsigned n) { UB(static_cast<std::uint32_t>(v) & Mask(n), n); }
    void Align() { bits_ = 0; }
    void U8(std::uint8_t v)
    {
        Align();
        bytes_.push_back(v);
    }
    void U16(std::uint16_t v)
    {
        U8(static_cast<std::uint8_t>(v & 0xFF));
        U8(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v)
    {
        U16(static_cast<std::uint16_t>(v & 0xFFFF));
        U16(static_cast<std::uint16_t>(v >> 16));
    }
    void Append(const Bytes& b)
    {
        Align();
        bytes_.insert(bytes_.end(), b.begin(), b.end());
    }
    // Bits written since the last byte boundary.
    unsigned BitOffset() const { return bits_; }
    const Bytes& bytes() const { return bytes_; }

    // Fewest bits that hold v as a signed field.
    static unsigned SignedBits(std::int64_t v)
    {
        unsigned n = 1;
        while (v < -(std::int64_t{1} << (n - 1)) || v >= (std::int64_t{1} << (n - 1))) ++n;
        return n;
    }
    static unsigned UnsignedBits(std::uint32_t v)
    {
        unsigned n = 0;
        while (n < 32 && (v >> n) != 0) ++n;
        return n;
    }

private:
    static std::uint32_t Mask(unsigned n) { return n >= 32 ? 0xFFFFFFFFu : ((1u << n) - 1); }
    void Bit(unsigned b)
    {
        if (bits_ == 0) bytes_.push_back(0);
        if (b) bytes_.back() |= static_cast<std::uint8_t>(0x80u >> bits_);
        bits_ = (bits_ + 1) % 8;
    }
    Bytes bytes_;
    unsigned bits_ = 0;
};

struct Color {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

struct Rect {
    std::int32_t xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

inline void WriteRect(BitWriter& w, Rect r)
{
    w.Align();
    unsigned n = 0;
    for (std::int32_t v : {r.xMin, r.xMax, r.yMin, r.yMax}) n = std::max(n, BitWriter::SignedBits(v));
    w.UB(n, 5);
    for (std::int32_t v : {r.xMin, r.xMax, r.yMin, r.yMax}) w.SB(v, n);
    w.Align();
}

// x' = a x + c y + tx, y' = b x + d y + ty; tx, ty in twips.
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1;
    std::int32_t tx = 0, ty = 0;
    static Matrix Translate(std::int32_t x, std::int32_t y) { return {1, 0, 0, 1, x, y}; }
};

inline void WriteMatrix(BitWriter& w, const Matrix& m)
{
    auto fixed = [](double v) { return static_cast<std::int32_t>(v * 65536.0); };
    w.Align();
    const bool scale = m.a != 1 || m.d != 1;
    w.UB(scale, 1);
    if (scale) {
        const unsigned n = std::max(BitWriter::SignedBits(fixed(m.a)), BitWriter::SignedBits(fixed(m.d)));
        w.UB(n, 5);
        w.SB(fixed(m.a), n);
        w.SB(fixed(m.d), n);
    }
    const bool rotate = m.b != 0 || m.c != 0;
    w.UB(rotate, 1);
    if (rotate) {
        const unsigned n = std::max(BitWriter::SignedBits(fixed(m.b)), BitWriter::SignedBits(fixed(m.c)));
        w.UB(n, 5);
        w.SB(fixed(m.b), n);
        w.SB(fixed(m.c), n);
    }
    const unsigned n = (m.tx == 0 && m.ty == 0) ? 0 : std::max(BitWriter::SignedBits(m.tx), BitWriter::SignedBits(m.ty));
    w.UB(n, 5);
    w.SB(m.tx, n);
    w.SB(m.ty, n);
    w.Align();
}

// Multiply terms in 1/256 (256 leaves a channel as it is), add terms in 0..255 units.
struct ColorTransform {
    std::int16_t multR = 256, multG = 256, multB = 256, multA = 256;
    std::int16_t addR = 0, addG = 0, addB = 0, addA = 0;
};

inline void WriteColorTransform(BitWriter& w, const ColorTransform& t, bool withAlpha)
{
    w.Align();
    const bool hasMult = t.multR != 256 || t.multG != 256 || t.multB != 256 || (withAlpha && t.multA != 256);
    const bool hasAdd = t.addR || t.addG || t.addB || (withAlpha && t.addA);
    std::vector<std::int32_t> terms;
    if (hasMult) terms.insert(terms.end(), {t.multR, t.multG, t.multB});
    if (hasMult && withAlpha) terms.push_back(t.multA);
    if (hasAdd) terms.insert(terms.end(), {t.addR, t.addG, t.addB});
    if (hasAdd && withAlpha) terms.push_back(t.addA);
    unsigned n = 1;
    for (std::int32_t v : terms) n = std::max(n, BitWriter::SignedBits(v));
    w.UB(hasAdd, 1);
    w.UB(hasMult, 1);
    w.UB(n, 4);
    for (std::int32_t v : terms) w.SB(v, n);
    w.Align();
}

struct Stop {
    std::uint8_t ratio = 0;
    Color color;
};

struct Fill {
    enum Kind : std::uint8_t { Solid = 0x00, Linear = 0x10, Radial = 0x12, Focal = 0x13 } kind = Solid;
    Color color;
    Matrix matrix;
    std::vector<Stop> stops;
    double focal = 0;

    static Fill SolidOf(Color c) { return {Solid, c, {}, {}, 0}; }
    static Fill LinearOf(Matrix m, std::vector<Stop> s) { return {Linear, {}, m, std::move(s), 0}; }
    static Fill RadialOf(Matrix m, std::vector<Stop> s) { return {Radial, {}, m, std::move(s), 0}; }
    static Fill FocalOf(Matrix m, std::vector<Stop> s, double f) { return {Focal, {}, m, std::move(s), f}; }
};

struct Line {
    std::uint16_t width = 20;
    Color color;
};

// The shape records of one DefineShape, written as they are called. Style indices are 1-based
// into the arrays in force, 0 for none.
class ShapeBuilder {
public:
    // version: 1 to 4 for DefineShape to DefineShape4.
    ShapeBuilder(int version, std::vector<Fill> fills, std::vector<Line> lines)
        : version_(version), fills_(std::move(fills)), lines_(std::move(lines))
    {
        WriteStyles(head_, fills_, lines_);
        fillBits_ = BitWriter::UnsignedBits(static_cast<std::uint32_t>(fills_.size()));
        lineBits_ = BitWriter::UnsignedBits(static_cast<std::uint32_t>(lines_.size()));
        head_.UB(fillBits_, 4);
        head_.UB(lineBits_, 4);
        // The records follow in the same bit stream; the head is byte-aligned here.
    }

    ShapeBuilder& Move(std::int32_t x, std::int32_t y)
    {
        Change(std::nullopt, std::nullopt, std::nullopt, Pt{x, y});
        return *this;
    }
    // Sets the styles (and optionally moves) in one style change record.
    ShapeBuilder& Style(std::optional<unsigned> fill0, std::optional<unsigned> fill1, std::optional<unsigned> line)
    {
        Change(fill0, fill1, line, std::nullopt);
        return *this;
    }
    ShapeBuilder& MoveStyle(std::int32_t x, std::int32_t y, std::optional<unsigned> fill0, std::optional<unsigned> fill1,
                            std::optional<unsigned> line)
    {
        Change(fill0, fill1, line, Pt{x, y});
        return *this;
    }
    ShapeBuilder& LineTo(std::int32_t x, std::int32_t y)
    {
        const std::int32_t dx = x - pen_.x;
        const std::int32_t dy = y - pen_.y;
        records_.UB(1, 1);
        records_.UB(1, 1);
        const unsigned n = std::max({BitWriter::SignedBits(dx), BitWriter::SignedBits(dy), 2u});
        records_.UB(n - 2, 4);
        if (dx != 0 && dy != 0) {
            records_.UB(1, 1);
            records_.SB(dx, n);
            records_.SB(dy, n);
        } else {
            records_.UB(0, 1);
            records_.UB(dx == 0, 1);
            records_.SB(dx == 0 ? dy : dx, n);
        }
        pen_ = {x, y};
        return *this;
    }
    ShapeBuilder& CurveTo(std::int32_t cx, std::int32_t cy, std::int32_t x, std::int32_t y)
    {
        const std::int32_t d[4] = {cx - pen_.x, cy - pen_.y, x - cx, y - cy};
        unsigned n = 2;
        for (std::int32_t v : d) n = std::max(n, BitWriter::SignedBits(v));
        records_.UB(1, 1);
        records_.UB(0, 1);
        records_.UB(n - 2, 4);
        for (std::int32_t v : d) records_.SB(v, n);
        pen_ = {x, y};
        return *this;
    }
    // A closed rectangle from the current style, starting with a move to its top-left corner,
    // drawn clockwise on screen.
    ShapeBuilder& Rectangle(Rect r)
    {
        Move(r.xMin, r.yMin);
        return LineTo(r.xMax, r.yMin).LineTo(r.xMax, r.yMax).LineTo(r.xMin, r.yMax).LineTo(r.xMin, r.yMin);
    }
    // New style arrays (DefineShape2 and later), with a move to (x, y) and the given styles.
    // The record is made to end on a byte boundary, where every reader agrees on what follows.
    ShapeBuilder& NewStyles(std::vector<Fill> fills, std::vector<Line> lines, std::int32_t x, std::int32_t y,
                            std::optional<unsigned> fill0, std::optional<unsigned> fill1, std::optional<unsigned> line)
    {
        // The indices are written with the old arrays' bit counts but name styles of the new ones.
        auto fits = [](std::optional<unsigned> index, unsigned bits) { return !index || *index < (1u << bits); };
        if (!fits(fill0, fillBits_) || !fits(fill1, fillBits_) || !fits(line, lineBits_))
            throw std::logic_error("style index too wide for the old arrays; set it in a record of its own");
        const unsigned styleBits = (fill0 ? fillBits_ : 0) + (fill1 ? fillBits_ : 0) + (line ? lineBits_ : 0);
        const unsigned minMove = std::max(BitWriter::SignedBits(x), BitWriter::SignedBits(y));
        auto used = [&](unsigned moveBits) { return (records_.BitOffset() + 11 + 2 * moveBits + styleBits) % 8; };
        if (used(minMove) % 2) Move(x, y); // a move record has an odd length and flips the parity
        unsigned moveBits = minMove;
        while (used(moveBits) != 0) ++moveBits;
        records_.UB(0, 1);
        records_.UB(0x10 | (line ? 0x08 : 0) | (fill1 ? 0x04 : 0) | (fill0 ? 0x02 : 0) | 0x01, 5);
        records_.UB(moveBits, 5);
        records_.SB(x, moveBits);
        records_.SB(y, moveBits);
        if (fill0) records_.UB(*fill0, fillBits_);
        if (fill1) records_.UB(*fill1, fillBits_);
        if (line) records_.UB(*line, lineBits_);
        pen_ = {x, y};
        fills_ = std::move(fills);
        lines_ = std::move(lines);
        WriteStyles(records_, fills_, lines_);
        fillBits_ = BitWriter::UnsignedBits(static_cast<std::uint32_t>(fills_.size()));
        lineBits_ = BitWriter::UnsignedBits(static_cast<std::uint32_t>(lines_.size()));
        records_.UB(fillBits_, 4);
        records_.UB(lineBits_, 4);
        return *this;
    }

    // The tag body after the character id: bounds, (edge bounds and flags), styles and records.
    Bytes Body(Rect bounds, bool nonZeroRule = false) const
    {
        BitWriter w;
        WriteRect(w, bounds);
        if (version_ >= 4) {
            WriteRect(w, bounds);
            w.UB(0, 5);
            w.UB(nonZeroRule, 1);
            w.UB(0, 2);
        }
        w.Append(head_.bytes());
        BitWriter records = records_;
        records.UB(0, 6); // end of shape
        w.Append(records.bytes());
        return w.bytes();
    }
    int Version() const { return version_; }

private:
    struct Pt {
        std::int32_t x, y;
    };

    void Change(std::optional<unsigned> fill0, std::optional<unsigned> fill1, std::optional<unsigned> line, std::optional<Pt> to)
    {
        records_.UB(0, 1);
        records_.UB((line ? 0x08 : 0) | (fill1 ? 0x04 : 0) | (fill0 ? 0x02 : 0) | (to ? 0x01 : 0), 5);
        if (to) {
            const unsigned n = std::max(BitWriter::SignedBits(to->x), BitWriter::SignedBits(to->y));
            records_.UB(n, 5);
            records_.SB(to->x, n);
            records_.SB(to->y, n);
            pen_ = *to;
        }
        if (fill0) records_.UB(*fill0, fillBits_);
        if (fill1) records_.UB(*fill1, fillBits_);
        if (line) records_.UB(*line, lineBits_);
    }

    void WriteColor(BitWriter& w, Color c) const
    {
        w.U8(c.r);
        w.U8(c.g);
        w.U8(c.b);
        if (version_ >= 3) w.U8(c.a);
    }

    void WriteFill(BitWriter& w, const Fill& f) const
    {
        w.U8(f.kind);
        if (f.kind == Fill::Solid) {
            WriteColor(w, f.color);
            return;
        }
        WriteMatrix(w, f.matrix);
        w.UB(0, 2); // pad
        w.UB(0, 2); // RGB interpolation
        w.UB(static_cast<std::uint32_t>(f.stops.size()), 4);
        for (const Stop& s : f.stops) {
            w.U8(s.ratio);
            WriteColor(w, s.color);
        }
        if (f.kind == Fill::Focal) w.U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(f.focal * 256)));
    }

    void WriteStyles(BitWriter& w, const std::vector<Fill>& fills, const std::vector<Line>& lines) const
    {
        w.Align();
        WriteCount(w, fills.size());
        for (const Fill& f : fills) WriteFill(w, f);
        WriteCount(w, lines.size());
        for (const Line& l : lines) {
            w.U16(l.width);
            if (version_ >= 4) {
                w.UB(0, 2); // round start cap
                w.UB(0, 2); // round join
                w.UB(0, 1); // no fill
                w.UB(0, 3);
                w.UB(0, 5);
                w.UB(0, 3); // closed, round end cap
                w.U8(l.color.r);
                w.U8(l.color.g);
                w.U8(l.color.b);
                w.U8(l.color.a);
            } else {
                WriteColor(w, l.color);
            }
        }
    }

    static void WriteCount(BitWriter& w, std::size_t n)
    {
        if (n < 0xFF) {
            w.U8(static_cast<std::uint8_t>(n));
        } else {
            w.U8(0xFF);
            w.U16(static_cast<std::uint16_t>(n));
        }
    }

    int version_;
    std::vector<Fill> fills_;
    std::vector<Line> lines_;
    unsigned fillBits_ = 0;
    unsigned lineBits_ = 0;
    BitWriter head_;
    BitWriter records_;
    Pt pen_{0, 0};
};

// What a PlaceObject2 or 3 says, built up from New or Modify.
struct Place {
    std::uint16_t depth = 1;
    std::optional<std::uint16_t> character;
    std::optional<Matrix> matrix;
    std::optional<ColorTransform> colorTransform;
    bool move = false;
    std::optional<std::uint16_t> ratio;
    std::optional<std::string> name;
    std::optional<std::uint16_t> clipDepth;

    // A new object at the depth.
    static Place New(std::uint16_t depth, std::uint16_t character)
    {
        Place p;
        p.depth = depth;
        p.character = character;
        return p;
    }
    // A change to what is at the depth; with Char, a replacement.
    static Place Modify(std::uint16_t depth)
    {
        Place p;
        p.depth = depth;
        p.move = true;
        return p;
    }
    Place& Char(std::uint16_t c) { character = c; return *this; }
    Place& With(const Matrix& m) { matrix = m; return *this; }
    Place& Colors(const ColorTransform& t) { colorTransform = t; return *this; }
    Place& Ratio(std::uint16_t r) { ratio = r; return *this; }
    Place& Name(const std::string& n) { name = n; return *this; }
    Place& Clip(std::uint16_t d) { clipDepth = d; return *this; }
};

// Tag codes, as the file format numbers them.
namespace code {
constexpr int End = 0, ShowFrame = 1, DefineShape = 2, PlaceObject = 4, RemoveObject = 5, SetBackgroundColor = 9,
              DoAction = 12, DefineShape2 = 22, PlaceObject2 = 26, RemoveObject2 = 28, DefineShape3 = 32,
              DefineSprite = 39, PlaceObject3 = 70, DefineShape4 = 83;
}

// A stream of tags: a movie's, or a sprite's control tags. Codes() lists what was written.
class TagStream {
public:
    void Tag(int tagCode, const Bytes& body, bool longForm = false)
    {
        if (body.size() >= 0x3F || longForm) {
            w_.U16(static_cast<std::uint16_t>((tagCode << 6) | 0x3F));
            w_.U32(static_cast<std::uint32_t>(body.size()));
        } else {
            w_.U16(static_cast<std::uint16_t>((tagCode << 6) | body.size()));
        }
        w_.Append(body);
        codes_.push_back(tagCode);
        if (tagCode == code::ShowFrame) ++frames_;
    }

    void ShowFrame() { Tag(code::ShowFrame, {}); }
    void End() { Tag(code::End, {}); }

    void PlaceObject2(const Place& p)
    {
        BitWriter w;
        w.U8(static_cast<std::uint8_t>((p.clipDepth ? 0x40 : 0) | (p.name ? 0x20 : 0) | (p.ratio ? 0x10 : 0) |
                                       (p.colorTransform ? 0x08 : 0) | (p.matrix ? 0x04 : 0) | (p.character ? 0x02 : 0) |
                                       (p.move ? 0x01 : 0)));
        w.U16(p.depth);
        if (p.character) w.U16(*p.character);
        if (p.matrix) WriteMatrix(w, *p.matrix);
        if (p.colorTransform) WriteColorTransform(w, *p.colorTransform, true);
        if (p.ratio) w.U16(*p.ratio);
        if (p.name) {
            for (char c : *p.name) w.U8(static_cast<std::uint8_t>(c));
            w.U8(0);
        }
        if (p.clipDepth) w.U16(*p.clipDepth);
        Tag(code::PlaceObject2, w.bytes());
    }

    // PlaceObject3 with a class name and a blend mode, which a player without them must skip.
    void PlaceObject3(const Place& p, const std::string& className, std::uint8_t blendMode)
    {
        BitWriter w;
        w.U8(static_cast<std::uint8_t>((p.clipDepth ? 0x40 : 0) | (p.ratio ? 0x10 : 0) | (p.colorTransform ? 0x08 : 0) |
                                       (p.matrix ? 0x04 : 0) | (p.character ? 0x02 : 0) | (p.move ? 0x01 : 0)));
        w.U8(0x08 | 0x02); // has class name, has blend mode
        w.U16(p.depth);
        for (char c : className) w.U8(static_cast<std::uint8_t>(c));
        w.U8(0);
        if (p.character) w.U16(*p.character);
        if (p.matrix) WriteMatrix(w, *p.matrix);
        if (p.colorTransform) WriteColorTransform(w, *p.colorTransform, true);
        if (p.ratio) w.U16(*p.ratio);
        if (p.clipDepth) w.U16(*p.clipDepth);
        w.U8(blendMode);
        Tag(code::PlaceObject3, w.bytes());
    }

    void PlaceObject1(std::uint16_t character, std::uint16_t depth, const Matrix& m,
                      std::optional<ColorTransform> cx = std::nullopt)
    {
        BitWriter w;
        w.U16(character);
        w.U16(depth);
        WriteMatrix(w, m);
        if (cx) WriteColorTransform(w, *cx, false);
        Tag(code::PlaceObject, w.bytes());
    }

    void RemoveObject2(std::uint16_t depth)
    {
        BitWriter w;
        w.U16(depth);
        Tag(code::RemoveObject2, w.bytes());
    }

    void RemoveObject1(std::uint16_t character, std::uint16_t depth)
    {
        BitWriter w;
        w.U16(character);
        w.U16(depth);
        Tag(code::RemoveObject, w.bytes());
    }

    const Bytes& bytes() const { return w_.bytes(); }
    const std::vector<int>& Codes() const { return codes_; }
    int Frames() const { return frames_; }

private:
    BitWriter w_;
    std::vector<int> codes_;
    int frames_ = 0;
};

// A whole movie. Background, definitions and control tags are written in call order.
class MovieWriter : public TagStream {
public:
    MovieWriter(std::uint8_t version, Rect stage, double frameRate) : version_(version), stage_(stage), rate_(frameRate) {}

    void Background(Color c) { Tag(code::SetBackgroundColor, {c.r, c.g, c.b}); }

    void DefineShape(std::uint16_t id, const ShapeBuilder& shape, Rect bounds, bool nonZeroRule = false)
    {
        static constexpr int codes[] = {code::DefineShape, code::DefineShape2, code::DefineShape3, code::DefineShape4};
        BitWriter w;
        w.U16(id);
        w.Append(shape.Body(bounds, nonZeroRule));
        Tag(codes[shape.Version() - 1], w.bytes());
    }

    // A shape of one rectangle filled with an opaque colour (DefineShape).
    void DefineRectangle(std::uint16_t id, Color c, Rect r)
    {
        ShapeBuilder shape(1, {Fill::SolidOf(c)}, {});
        shape.Style(std::nullopt, 1, std::nullopt).Rectangle(r);
        DefineShape(id, shape, r);
    }

    // The sprite's tags as given; an End is added when they lack one.
    void DefineSprite(std::uint16_t id, const TagStream& tags)
    {
        BitWriter w;
        w.U16(id);
        w.U16(static_cast<std::uint16_t>(tags.Frames()));
        w.Append(tags.bytes());
        std::vector<int> codes = tags.Codes();
        if (codes.empty() || codes.back() != code::End) {
            w.U16(0);
            codes.push_back(code::End);
        }
        Tag(code::DefineSprite, w.bytes());
        spriteCodes_.push_back(std::move(codes));
    }
    // The tag codes of each sprite, in the order the sprites were defined.
    const std::vector<std::vector<int>>& SpriteCodes() const { return spriteCodes_; }

    // "FWS" and the tags as they stand (ended or not).
    Bytes Plain() const { return File('F', Body()); }
    // "CWS": the same body deflated with zlib.
    Bytes Compressed() const
    {
        const Bytes body = Body();
        uLongf size = compressBound(static_cast<uLong>(body.size()));
        Bytes packed(size);
        if (compress2(packed.data(), &size, body.data(), static_cast<uLong>(body.size()), 9) != Z_OK)
            throw std::runtime_error("compress2 failed");
        packed.resize(size);
        Bytes file = File('C', body);
        file.resize(8);
        file.insert(file.end(), packed.begin(), packed.end());
        return file;
    }
    Rect Stage() const { return stage_; }
    double Rate() const { return rate_; }
    std::uint8_t Version() const { return version_; }

private:
    Bytes Body() const
    {
        BitWriter w;
        WriteRect(w, stage_);
        w.U16(static_cast<std::uint16_t>(rate_ * 256));
        w.U16(static_cast<std::uint16_t>(Frames()));
        w.Append(bytes());
        return w.bytes();
    }
    // The eight-byte file header states the uncompressed length.
    Bytes File(char first, const Bytes& body) const
    {
        BitWriter w;
        w.U8(static_cast<std::uint8_t>(first));
        w.U8('W');
        w.U8('S');
        w.U8(version_);
        w.U32(static_cast<std::uint32_t>(body.size() + 8));
        w.Append(body);
        return w.bytes();
    }

    std::uint8_t version_;
    Rect stage_;
    double rate_;
    std::vector<std::vector<int>> spriteCodes_;
};

} // namespace swftest
