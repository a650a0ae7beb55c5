#pragma once
// Every picture the program shows. Numbered sets are vectors whose index 0 holds picture 1.
#include "resources/art/PixelArt.h"

#include <vector>

// Main window command buttons (ImageList1), 13 pictures of 16x16.
const std::vector<PixelArt>& MainButtonPictures();
// Own-language flags (ImageFlag), 16 pictures of 16x16 in the order of the country table.
const std::vector<PixelArt>& FlagPictures();
// Show control bar buttons, 7 pictures of 16x16.
const std::vector<PixelArt>& ShowBarPictures();
// Notes editor buttons, 4 pictures of 16x16: exit, the letters "AB" (font), a floppy disk
// (save), exit.
const std::vector<PixelArt>& NotesEditorPictures();
// Special-program picker, 2 pictures of 16x16: exit, play.
const std::vector<PixelArt>& PickerPictures();
// Video player bar, 8 pictures of 16x16: exit, stop, play, zoom in, zoom out, full window,
// volume, exit.
const std::vector<PixelArt>& VideoPlayerPictures();
// The pen overlay's Back button, 16x16: an arrow turning back.
const PixelArt& PenBackPicture();
// Title strip buttons picCmd: 0 close, 1 fill the screen, 2 minimise; 18x16 each.
const std::vector<PixelArt>& TitleButtonPictures();

// The list view's numbers index these lists directly (picture n at index n - 1). Only the
// numbers the list view uses hold a picture; the others are left empty (all transparent).
constexpr int ListSmallPresentation = 10;
constexpr int ListSmallSlideShow = 11;
constexpr int ListLargePresentation = 3;
const std::vector<PixelArt>& ListViewSmallIcons(); // 11 pictures of 16x16
const std::vector<PixelArt>& ListViewLargeIcons(); // 3 pictures of 32x32

struct CursorArt {
    PixelArt art;
    int hotX;
    int hotY;
};
// The pen overlay's pointer: 32x32, the pen tip at the hot spot (2, 3).
const CursorArt& PenCursorArt();

// 32x32: the application's icon and the About box's icon; and the same at 16x16.
const PixelArt& AppIcon();
const PixelArt& AppIconSmall();

// Scalable pictures; a size of 0 in either direction gives an empty picture.
PixelArt RenderTitle(int width, int height);      // title strip (Image2); text is drawn by the window
PixelArt RenderBanner(int width, int height);     // banner below the title (Picture1)
PixelArt RenderBackground(int width, int height); // client-area background (Image1)
PixelArt AboutArtwork(int width, int height);     // About box artwork, designed at 200x150
PixelArt AboutPhoto(int width, int height);       // About box "photograph", designed at 120x150

// Where the window puts the product name on the title strip, and in which colours.
int TitleTextLeft(int height);
constexpr uint32_t TitleTextColor = ArtRgb(255, 255, 255);
constexpr uint32_t TitleTaglineColor = ArtRgb(255, 214, 130);
