#include "swf/Records.h"

namespace swf {

TwipsRect ReadRect(BitReader& in)
{
    in.Align();
    const unsigned bits = in.UB(5);
    TwipsRect r;
    r.xMin = in.SB(bits);
    r.xMax = in.SB(bits);
    r.yMin = in.SB(bits);
    r.yMax = in.SB(bits);
    in.Align();
    return r;
}

Rgba ReadRgb(BitReader& in)
{
    Rgba c;
    c.r = in.U8();
    c.g = in.U8();
    c.b = in.U8();
    return c;
}

Rgba ReadRgba(BitReader& in)
{
    Rgba c = ReadRgb(in);
    c.a = in.U8();
    return c;
}

Matrix ReadMatrix(BitReader& in)
{
    in.Align();
    Matrix m;
    if (in.UB(1)) {
        const unsigned bits = in.UB(5);
        m.a = in.FB(bits);
        m.d = in.FB(bits);
    }
    if (in.UB(1)) {
        const unsigned bits = in.UB(5);
        m.b = in.FB(bits);
        m.c = in.FB(bits);
    }
    const unsigned bits = in.UB(5);
    m.tx = in.SB(bits);
    m.ty = in.SB(bits);
    in.Align();
    return m;
}

ColorTransform ReadColorTransform(BitReader& in, bool withAlpha)
{
    in.Align();
    const bool hasAdd = in.UB(1) != 0;
    const bool hasMult = in.UB(1) != 0;
    const unsigned bits = in.UB(4);
    const int channels = withAlpha ? 4 : 3;
    ColorTransform t;
    if (hasMult)
        for (int i = 0; i < channels; ++i) t.mult[i] = in.SB(bits) / 256.0;
    if (hasAdd)
        for (int i = 0; i < channels; ++i) t.add[i] = in.SB(bits);
    in.Align();
    return t;
}

} // namespace swf
