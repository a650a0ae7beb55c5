#include "show/BarPictures.h"

#include "host/Picture.h"
#include "resources/art/Pictures.h"

namespace {
PicturePtr FromArt(const PixelArt& art)
{
    return std::make_shared<Picture>(Picture::FromPixels(art.width, art.height, art.argb));
}
} // namespace

PicturePtr ShowBarPicture(int number)
{
    const std::vector<PixelArt>& pictures = ShowBarPictures();
    if (number < 1 || number > static_cast<int>(pictures.size())) return nullptr;
    return FromArt(pictures[static_cast<std::size_t>(number - 1)]);
}

PicturePtr PenBackButtonPicture() { return FromArt(PenBackPicture()); }
