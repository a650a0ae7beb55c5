#pragma once
// Windows handles made from the program's pixel art.
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "host/Handles.h"

// Only the type: its colour helpers have short names that would leak into every window.
struct PixelArt;

namespace artwork_detail {
inline void CloseCursor(HCURSOR h) { DestroyCursor(h); }
inline void CloseImageList(HIMAGELIST h) { ImageList_Destroy(h); }
} // namespace artwork_detail

using UniqueCursor = UniqueHandle<HCURSOR, artwork_detail::CloseCursor>;
using UniqueImageList = UniqueHandle<HIMAGELIST, artwork_detail::CloseImageList>;

// An icon with 32-bit colour and alpha, and an AND mask that is set where the picture is
// less than half opaque (for drawing paths that ignore alpha). Empty art gives no icon.
UniqueIcon MakeIcon(const PixelArt& art);
// The same as a pointer with its hot spot.
UniqueCursor MakeCursor(const PixelArt& art, int hotX, int hotY);
// A 32-bit top-down DIB section of that size (rows of 0x00RRGGBB words); bits receives its
// pixels. Empty, with bits null, when it cannot be made.
UniqueBitmap MakeDibSection(int width, int height, void*& bits);
// A 32-bit top-down DIB section with premultiplied alpha, ready for AlphaBlend; opaque
// pictures can equally be BitBlt'd.
UniqueBitmap MakeBitmap(const PixelArt& art);
// An opaque 32-bit DIB section: the picture laid over a solid background colour.
UniqueBitmap MakeBitmap(const PixelArt& art, COLORREF background);
// An image list (ILC_COLOR32 | ILC_MASK) of width x height images, in order; a picture
// of another size is centred (and cut where larger).
UniqueImageList MakeImageList(const std::vector<PixelArt>& pictures, int width, int height);
