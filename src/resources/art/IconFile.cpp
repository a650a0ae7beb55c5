#include "resources/art/IconFile.h"

#include <stdexcept>

namespace {

void Put16(std::string& out, unsigned v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// BITMAPINFOHEADER with the doubled height of icon images, bottom-up colour rows, then the
// mask rows padded to 32 bits; a set mask bit lets the background through.
std::string ImageBytes(const PixelArt& art)
{
    std::string out;
    const int maskStride = (art.width + 31) / 32 * 4;
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(art.width));
    Put32(out, static_cast<uint32_t>(art.height * 2));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(art.width * art.height * 4 + maskStride * art.height));
    for (int i = 0; i < 4; ++i) Put32(out, 0);
    for (int y = art.height - 1; y >= 0; --y)
        for (int x = 0; x < art.width; ++x) {
            const uint32_t p = art.at(x, y);
            Put32(out, Alpha(p) == 0 ? 0 : p);
        }
    for (int y = art.height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(maskStride), '\0');
        for (int x = 0; x < art.width; ++x)
            if (Alpha(art.at(x, y)) < 128) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out += row;
    }
    return out;
}

} // namespace

std::string EncodeIcoFile(const std::vector<PixelArt>& pictures)
{
    if (pictures.empty()) throw std::invalid_argument("an icon file needs at least one picture");
    std::string header, images;
    Put16(header, 0);
    Put16(header, 1);
    Put16(header, static_cast<unsigned>(pictures.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * pictures.size());
    for (const PixelArt& art : pictures) {
        if (art.empty() || art.width > 256 || art.height > 256)
            throw std::invalid_argument("icon pictures are 1 to 256 pixels a side");
        const std::string bytes = ImageBytes(art);
        header.push_back(static_cast<char>(art.width & 0xFF)); // 256 is written as 0
        header.push_back(static_cast<char>(art.height & 0xFF));
        header.push_back(0); // no palette
        header.push_back(0);
        Put16(header, 1);
        Put16(header, 32);
        Put32(header, static_cast<uint32_t>(bytes.size()));
        Put32(header, offset);
        offset += static_cast<uint32_t>(bytes.size());
        images += bytes;
    }
    return header + images;
}
