#pragma once
// Reads the little-endian bytes and big-endian bit fields of a movie, never past its end.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace swf {

// Thrown inside the reader when the bytes cannot be what they claim; the loader catches it.
class Malformed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class BitReader {
public:
    explicit BitReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // Whole bytes not yet touched; a partly read byte counts as read.
    std::size_t Remaining() const { return bytes_.size() - BytePosition(); }
    std::size_t BytePosition() const { return pos_ + (bit_ ? 1 : 0); }
    // The next byte-aligned read starts on a fresh byte.
    void Align()
    {
        if (bit_) {
            ++pos_;
            bit_ = 0;
        }
    }

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int16_t S16() { return static_cast<std::int16_t>(U16()); }
    // Fixed 8.8, as the frame rate is stored.
    double Fixed8() { return U16() / 256.0; }

    // Bit fields of up to 32 bits, most significant bit first.
    std::uint32_t UB(unsigned bits);
    std::int32_t SB(unsigned bits);
    // Signed 16.16 fixed point in a bit field.
    double FB(unsigned bits) { return SB(bits) / 65536.0; }

    // The next n bytes, aligned; the reader moves past them.
    std::span<const std::uint8_t> Bytes(std::size_t n);
    void Skip(std::size_t n) { Bytes(n); }
    // Moves past a NUL-terminated string.
    void SkipString();

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0; // current byte
    unsigned bit_ = 0;    // bits of the current byte already read
};

} // namespace swf
