#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "swf/BitReader.h"
#include "swf/Movie.h"
#include "swf/ReadBudget.h"
#include "swf/Records.h"
#include "swf/TagReader.h"

namespace swf {

namespace {

constexpr std::size_t FileHeaderBytes = 8; // signature, version, file length

// Inflates up to `limit` bytes. A stream that ends early (a cut-off file) gives what it held.
bool Inflate(std::span<const std::uint8_t> packed, std::size_t limit, std::vector<std::uint8_t>& out)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return false;
    // Grown as output comes, so a small file that states a huge length costs little.
    out.resize(std::min(limit, std::max<std::size_t>(packed.size() * 4, 1u << 16)));
    std::size_t produced = 0;
    std::size_t consumed = 0;
    int rc = Z_OK;
    // zlib counts in 32-bit units, so both sides are fed in chunks.
    constexpr std::size_t Chunk = 1u << 20;
    while (rc == Z_OK && produced < limit) {
        const std::size_t in = std::min(Chunk, packed.size() - consumed);
        if (produced == out.size()) out.resize(std::min(limit, out.size() * 2));
        const std::size_t room = std::min(Chunk, out.size() - produced);
        z.next_in = const_cast<Bytef*>(packed.data() + consumed);
        z.avail_in = static_cast<uInt>(in);
        z.next_out = out.data() + produced;
        z.avail_out = static_cast<uInt>(room);
        rc = inflate(&z, Z_NO_FLUSH);
        const std::size_t took = in - z.avail_in;
        const std::size_t gave = room - z.avail_out;
        consumed += took;
        produced += gave;
        if (rc == Z_BUF_ERROR && took == 0 && gave == 0) break; // no progress: the input ran out
        if (rc == Z_BUF_ERROR) rc = Z_OK; // a full chunk: go on with the next
    }
    inflateEnd(&z);
    out.resize(produced);
    return rc == Z_OK || rc == Z_STREAM_END || rc == Z_BUF_ERROR;
}

} // namespace

LoadResult LoadMovie(std::span<const std::uint8_t> file)
{
    if (file.size() < 3) return {nullptr, LoadError::NotAMovie};
    const bool plain = std::memcmp(file.data(), "FWS", 3) == 0;
    const bool zlib = std::memcmp(file.data(), "CWS", 3) == 0;
    if (std::memcmp(file.data(), "ZWS", 3) == 0) return {nullptr, LoadError::LzmaCompressed};
    if (!plain && !zlib) return {nullptr, LoadError::NotAMovie};
    if (file.size() < FileHeaderBytes) return {nullptr, LoadError::Truncated};

    auto movie = std::make_shared<Movie>();
    movie->version = file[3];
    movie->compressed = zlib;
    movie->fileLength = static_cast<std::uint32_t>(file[4]) | (static_cast<std::uint32_t>(file[5]) << 8) |
                        (static_cast<std::uint32_t>(file[6]) << 16) | (static_cast<std::uint32_t>(file[7]) << 24);

    // The body is what follows the first eight bytes; unpacked, it is as long as the header says.
    const std::size_t stated = movie->fileLength > FileHeaderBytes ? movie->fileLength - FileHeaderBytes : 0;
    const auto rest = file.subspan(FileHeaderBytes);
    std::vector<std::uint8_t> inflated;
    std::span<const std::uint8_t> body;
    if (zlib) {
        if (stated > limits::BodyBytes) return {nullptr, LoadError::TooLarge};
        if (!Inflate(rest, stated, inflated)) return {nullptr, LoadError::BadCompression};
        body = inflated;
    } else {
        // Some writers state a wrong length; what is in the file is played, up to the cap.
        if (rest.size() > limits::BodyBytes) return {nullptr, LoadError::TooLarge};
        body = rest;
    }

    BitReader in(body);
    try {
        movie->stage = ReadRect(in);
        movie->frameRate = in.Fixed8();
        movie->headerFrames = in.U16();
    } catch (const Malformed&) {
        return {nullptr, LoadError::Truncated};
    }
    ReadBudget budget;
    ReadTimeline(in, *movie, movie->timeline, false, budget);
    return {std::move(movie), LoadError::None};
}

} // namespace swf
