#include "swf/BitReader.h"

namespace swf {

std::uint8_t BitReader::U8()
{
    Align();
    if (pos_ >= bytes_.size()) throw Malformed("read past the end");
    return bytes_[pos_++];
}

std::uint16_t BitReader::U16()
{
    const std::uint16_t lo = U8();
    return static_cast<std::uint16_t>(lo | (U8() << 8));
}

std::uint32_t BitReader::U32()
{
    const std::uint32_t lo = U16();
    return lo | (static_cast<std::uint32_t>(U16()) << 16);
}

std::uint32_t BitReader::UB(unsigned bits)
{
    if (bits > 32) throw Malformed("bit field wider than 32 bits");
    std::uint64_t value = 0;
    while (bits > 0) {
        if (pos_ >= bytes_.size()) throw Malformed("read past the end");
        const unsigned available = 8 - bit_;
        const unsigned take = bits < available ? bits : available;
        const unsigned shift = available - take;
        const unsigned chunk = (bytes_[pos_] >> shift) & ((1u << take) - 1);
        value = (value << take) | chunk;
        bits -= take;
        bit_ += take;
        if (bit_ == 8) {
            bit_ = 0;
            ++pos_;
        }
    }
    return static_cast<std::uint32_t>(value);
}

std::int32_t BitReader::SB(unsigned bits)
{
    if (bits == 0) return 0;
    const std::uint32_t raw = UB(bits);
    const std::int64_t value = raw;
    const std::int64_t sign = std::int64_t{1} << (bits - 1);
    return static_cast<std::int32_t>((value ^ sign) - sign);
}

std::span<const std::uint8_t> BitReader::Bytes(std::size_t n)
{
    Align();
    if (n > bytes_.size() - pos_) throw Malformed("read past the end");
    const auto part = bytes_.subspan(pos_, n);
    pos_ += n;
    return part;
}

void BitReader::SkipString()
{
    while (U8() != 0) {
    }
}

} // namespace swf
