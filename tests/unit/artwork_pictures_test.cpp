#include <gtest/gtest.h>

#include "resources/art/IconFile.h"
#include "resources/art/Painter.h"
#include "resources/art/Pictures.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>

namespace {

bool Near(uint32_t c, uint32_t want, int tolerance = 40)
{
    return Alpha(c) > 200 && std::abs(Red(c) - Red(want)) <= tolerance &&
           std::abs(Green(c) - Green(want)) <= tolerance && std::abs(Blue(c) - Blue(want)) <= tolerance;
}

int CountIf(const PixelArt& a, const std::function<bool(uint32_t)>& test)
{
    int n = 0;
    for (uint32_t c : a.argb) n += test(c) ? 1 : 0;
    return n;
}

bool Opaque(uint32_t c) { return Alpha(c) == 255; }

void ExpectSizes(const std::vector<PixelArt>& set, size_t count, int w, int h, const char* name)
{
    ASSERT_EQ(set.size(), count) << name;
    for (size_t i = 0; i < set.size(); ++i) {
        EXPECT_EQ(set[i].width, w) << name << " picture " << i + 1;
        EXPECT_EQ(set[i].height, h) << name << " picture " << i + 1;
        EXPECT_EQ(set[i].argb.size(), static_cast<size_t>(w * h)) << name << " picture " << i + 1;
    }
}

constexpr uint32_t White = ArtRgb(255, 255, 255), Black = ArtRgb(0, 0, 0), Red_ = ArtRgb(210, 30, 40),
                   Blue_ = ArtRgb(0, 60, 150), Green_ = ArtRgb(0, 120, 60), Yellow = ArtRgb(255, 205, 20);

} // namespace

TEST(ArtworkPicturesGrid, ParsesRowsThroughTheLegend)
{
    const PixelArt a = ParseGrid({"ab.", ".ba"}, {{'.', Transparent}, {'a', ArtRgb(1, 2, 3)}, {'b', ArtRgb(4, 5, 6)}});
    ASSERT_EQ(a.width, 3);
    ASSERT_EQ(a.height, 2);
    EXPECT_EQ(a.at(0, 0), ArtRgb(1, 2, 3));
    EXPECT_EQ(a.at(1, 0), ArtRgb(4, 5, 6));
    EXPECT_EQ(a.at(2, 0), Transparent);
    EXPECT_EQ(a.at(2, 1), ArtRgb(1, 2, 3));
}

TEST(ArtworkPicturesGrid, TyposFailLoudly)
{
    const Legend legend{{'.', Transparent}, {'a', ArtRgb(1, 2, 3)}};
    EXPECT_THROW(ParseGrid({"aa", "a"}, legend), std::invalid_argument);   // short row
    EXPECT_THROW(ParseGrid({"aa", "aaa"}, legend), std::invalid_argument); // long row
    EXPECT_THROW(ParseGrid({"aa", "ax"}, legend), std::invalid_argument);  // not in the legend
    EXPECT_THROW(ParseGrid({}, legend), std::invalid_argument);
    EXPECT_THROW(ParseGrid({""}, legend), std::invalid_argument);
    EXPECT_THROW(ParseGrid({"a"}, {{'a', 1u}, {'a', 2u}}), std::invalid_argument); // legend repeats
    try {
        ParseGrid({"..", ".a", "a?"}, legend);
        FAIL() << "unknown character accepted";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("row 2 column 1"), std::string::npos) << e.what();
    }
}

// Source-over compositing as the blend defines it for any two pixels, divisions and all.
uint32_t CompositeOver(uint32_t under, uint32_t over, double coverage)
{
    const double a = Alpha(over) / 255.0 * coverage, b = Alpha(under) / 255.0;
    const double outA = a + b * (1.0 - a);
    // Halves away from zero.
    auto channel = [&](int o, int u) { return static_cast<int>(std::lround((o * a + u * b * (1.0 - a)) / outA)); };
    return WithAlpha(ArtRgb(channel(Red(over), Red(under)), channel(Green(over), Green(under)),
                            channel(Blue(over), Blue(under))),
                     static_cast<int>(std::lround(outA * 255.0)));
}

TEST(ArtworkPicturesPainting, BlendOnAnOpaquePixelIsTheFullComposite)
{
    const int channels[] = {0, 1, 77, 128, 200, 254, 255};
    for (int alpha = 1; alpha <= 255; ++alpha)
        for (const double coverage : {1.0, 0.999, 0.75, 0.5, 0.3, 0.1, 0.001})
            for (const int o : channels)
                for (const int u : channels) {
                    const uint32_t under = ArtRgb(u, 255 - u, u / 2), over = WithAlpha(ArtRgb(o, u, 255 - o), alpha);
                    ASSERT_EQ(BlendOver(under, over, coverage), CompositeOver(under, over, coverage))
                        << "alpha " << alpha << ", coverage " << coverage << ", over " << o << ", under " << u;
                }
}

TEST(ArtworkPicturesPainting, BlendsAndClipsExactly)
{
    EXPECT_EQ(BlendOver(ArtRgb(10, 20, 30), ArtRgb(200, 100, 50)), ArtRgb(200, 100, 50));
    EXPECT_EQ(BlendOver(ArtRgb(10, 20, 30), Transparent), ArtRgb(10, 20, 30));
    EXPECT_EQ(BlendOver(Transparent, WithAlpha(ArtRgb(200, 100, 50), 128)), WithAlpha(ArtRgb(200, 100, 50), 128));
    const uint32_t half = BlendOver(ArtRgb(0, 0, 0), ArtRgb(255, 255, 255), 0.5);
    EXPECT_NEAR(Red(half), 128, 1);
    EXPECT_EQ(Alpha(half), 255);

    PixelArt a(6, 4);
    Painter p(a);
    p.FillRect(1, 1, 3, 3, ArtRgb(255, 0, 0));
    EXPECT_EQ(CountIf(a, Opaque), 4);
    EXPECT_EQ(a.at(1, 1), ArtRgb(255, 0, 0));
    EXPECT_EQ(a.at(3, 1), Transparent);
    p.FillRect(4, 0, 4.5, 1, ArtRgb(0, 0, 255)); // half a pixel wide: half covered
    EXPECT_NEAR(Alpha(a.at(4, 0)), 128, 1);

    PixelArt b(8, 8);
    Painter q(b);
    q.Clip(0, 0, 4, 8);
    q.FillEllipse(4, 4, 4, 4, ArtRgb(0, 255, 0));
    for (int y = 0; y < 8; ++y)
        for (int x = 4; x < 8; ++x) EXPECT_EQ(b.at(x, y), Transparent) << x << "," << y;
    EXPECT_TRUE(Opaque(b.at(2, 4)));
}

// A glow is strongest at its centre and fades with the square of the distance left to its rim,
// measured on each axis in its own radius; nothing of it lies beyond the rim.
TEST(ArtworkPicturesPainting, GlowFadesToItsRim)
{
    PixelArt a(101, 61, ArtRgb(0, 0, 0));
    Painter p(a);
    p.Glow(50.5, 30.5, 40, 20, ArtRgb(255, 255, 255));
    const auto coverage = [](double r) { return 255.0 * (1 - r) * (1 - r); };
    EXPECT_EQ(Red(a.at(50, 30)), 255);
    EXPECT_NEAR(Red(a.at(70, 30)), coverage(0.5), 1) << "half the radius across";
    EXPECT_NEAR(Red(a.at(50, 40)), coverage(0.5), 1) << "half the radius down";
    EXPECT_NEAR(Red(a.at(62, 42)), coverage(std::hypot(12 / 40.0, 12 / 20.0)), 1) << "off both axes";
    EXPECT_EQ(Red(a.at(30, 40)), Red(a.at(70, 20))) << "the same on opposite sides";
    EXPECT_EQ(a.at(91, 30), ArtRgb(0, 0, 0)) << "beyond the rim";
    EXPECT_EQ(a.at(50, 51), ArtRgb(0, 0, 0)) << "beyond the rim";
}

TEST(ArtworkPicturesSets, CountsAndSizes)
{
    ExpectSizes(MainButtonPictures(), 13, 16, 16, "main buttons");
    ExpectSizes(FlagPictures(), 16, 16, 16, "flags");
    ExpectSizes(ShowBarPictures(), 7, 16, 16, "show bar");
    ExpectSizes(NotesEditorPictures(), 4, 16, 16, "notes editor");
    ExpectSizes(PickerPictures(), 2, 16, 16, "picker");
    ExpectSizes(VideoPlayerPictures(), 8, 16, 16, "video player");
    ExpectSizes(TitleButtonPictures(), 3, 18, 16, "title buttons");
    ExpectSizes({PenBackPicture()}, 1, 16, 16, "pen overlay");
    ExpectSizes(ListViewSmallIcons(), 11, 16, 16, "small list icons");
    ExpectSizes(ListViewLargeIcons(), 3, 32, 32, "large list icons");
    EXPECT_EQ(AppIcon().width, 32);
    EXPECT_EQ(AppIcon().height, 32);
    EXPECT_EQ(AppIconSmall().width, 16);
    EXPECT_EQ(AppIconSmall().height, 16);
    EXPECT_EQ(PenCursorArt().art.width, 32);
    EXPECT_EQ(PenCursorArt().art.height, 32);
}

TEST(ArtworkPicturesSets, ButtonPicturesKeepASilhouetteWhenDisabled)
{
    // The disabled look paints only pixels that are not bright, so every picture needs
    // enough dark pixels to stay recognisable; and a transparent surround to sit on the face.
    auto dark = [](uint32_t c) { return Alpha(c) > 128 && Red(c) + Green(c) + Blue(c) <= 384; };
    const std::vector<PixelArt> penOverlay{PenBackPicture()};
    for (const auto* set : {&MainButtonPictures(), &ShowBarPictures(), &NotesEditorPictures(), &PickerPictures(),
                            &VideoPlayerPictures(), &penOverlay})
        for (size_t i = 0; i < set->size(); ++i) {
            const PixelArt& a = (*set)[i];
            EXPECT_GE(CountIf(a, dark), 20) << "picture " << i + 1;
            for (size_t j = 0; j < i; ++j) EXPECT_NE(a.argb, (*set)[j].argb) << "pictures " << j + 1 << " and " << i + 1;
            EXPECT_GE(CountIf(a, [](uint32_t c) { return Alpha(c) == 0; }), 16) << "picture " << i + 1;
        }
}

TEST(ArtworkPicturesSets, StartPicturesShowWhetherAShowCanStart)
{
    auto vivid = [](uint32_t c) {
        return Alpha(c) > 200 && std::max({Red(c), Green(c), Blue(c)}) - std::min({Red(c), Green(c), Blue(c)}) > 80;
    };
    const PixelArt& before = MainButtonPictures()[1];
    const PixelArt& after = MainButtonPictures()[11];
    EXPECT_EQ(CountIf(before, vivid), 0);
    EXPECT_GE(CountIf(after, vivid), 40);
    EXPECT_EQ(MainButtonPictures()[4].argb, FlagPictures()[3].argb); // English: the UK flag
}

TEST(ArtworkPicturesSets, ListViewNumbersHoldTheirPictures)
{
    auto used = [](const PixelArt& a) { return CountIf(a, Opaque) > 60; };
    const auto& small = ListViewSmallIcons();
    for (size_t n = 1; n <= small.size(); ++n)
        EXPECT_EQ(used(small[n - 1]), n == ListSmallPresentation || n == ListSmallSlideShow) << n;
    EXPECT_NE(small[ListSmallPresentation - 1].argb, small[ListSmallSlideShow - 1].argb);
    const auto& large = ListViewLargeIcons();
    for (size_t n = 1; n <= large.size(); ++n)
        EXPECT_EQ(CountIf(large[n - 1], Opaque) > 200, n == ListLargePresentation) << n;
}

TEST(ArtworkPicturesFlags, ShowTheirCountriesColours)
{
    const auto& f = FlagPictures();
    struct Sample {
        int flag, x, y;
        uint32_t want;
    };
    const Sample samples[] = {
        {1, 8, 4, Red_},    {1, 8, 8, Yellow},  {1, 8, 12, Red_},           // Spain
        {2, 2, 8, Blue_},   {2, 8, 8, White},   {2, 13, 8, Red_},           // France
        {3, 8, 4, Black},   {3, 8, 8, Red_},    {3, 8, 12, Yellow},         // Germany
        {4, 8, 8, Red_},    {4, 8, 4, Red_},                                // UK: the red cross
        {5, 2, 8, Green_},  {5, 8, 8, White},   {5, 13, 8, Red_},           // Italy
        {6, 8, 4, Red_},    {6, 8, 8, White},   {6, 8, 12, Red_},           // Austria
        {7, 2, 8, Black},   {7, 8, 8, Yellow},  {7, 13, 8, Red_},           // Belgium
        {8, 12, 5, Red_},   {8, 12, 8, White},  {8, 6, 12, White},          // Denmark
        {9, 12, 5, White},  {9, 12, 8, Blue_},  {9, 6, 12, Blue_},          // Finland
        {10, 12, 4, Red_},  {10, 12, 8, Blue_}, {10, 12, 7, White},         // Norway
        {11, 8, 4, Red_},   {11, 8, 8, White},  {11, 8, 12, Blue_},         // Netherlands
        {12, 1, 12, Green_}, {12, 13, 8, Red_}, {12, 6, 6, Yellow},         // Portugal
        {13, 8, 4, White},  {13, 8, 8, Blue_},  {13, 8, 12, Red_},          // Russia
        {14, 12, 5, Blue_}, {14, 12, 8, Yellow}, {14, 6, 12, Yellow},       // Sweden
        {15, 2, 5, Red_},   {15, 8, 8, White},  {15, 13, 12, Red_},         // Switzerland
        {16, 13, 5, Red_},  {16, 2, 8, White},  {16, 6, 8, Red_},           // Turkey
    };
    for (const Sample& s : samples)
        EXPECT_TRUE(Near(f[s.flag - 1].at(s.x, s.y), s.want, 60))
            << "flag " << s.flag << " at " << s.x << "," << s.y << " is " << std::hex << f[s.flag - 1].at(s.x, s.y);
    // The UK flag also shows its blue field; the Swiss cross stays inside the flag.
    EXPECT_GE(CountIf(f[3], [](uint32_t c) { return Near(c, ArtRgb(1, 33, 105), 30); }), 12);
    EXPECT_TRUE(Near(f[14].at(8, 4), Red_, 60));
    for (const PixelArt& flag : f)
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(Alpha(flag.at(x, 1)), 0);
            EXPECT_EQ(Alpha(flag.at(x, 14)), 0);
            EXPECT_EQ(Alpha(flag.at(x, 8)), 255);
        }
}

TEST(ArtworkPicturesCursor, TipSitsOnTheHotSpot)
{
    const CursorArt& c = PenCursorArt();
    ASSERT_EQ(c.hotX, 2);
    ASSERT_EQ(c.hotY, 3);
    const uint32_t tip = c.art.at(c.hotX, c.hotY);
    EXPECT_GE(Alpha(tip), 128);
    EXPECT_LE(Red(tip) + Green(tip) + Blue(tip), 300);
    // Nothing of the pen lies above or left of the tip, so the pointer draws where it points.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (x < c.hotX - 1 || y < c.hotY - 1) {
                EXPECT_LT(Alpha(c.art.at(x, y)), 64) << x << "," << y;
            }
    EXPECT_GE(CountIf(c.art, Opaque), 120);
}

TEST(ArtworkPicturesScenes, RenderAtAnySize)
{
    using Render = PixelArt (*)(int, int);
    const Render renders[] = {RenderTitle, RenderBanner, RenderBackground, AboutArtwork, AboutPhoto};
    for (Render r : renders) {
        EXPECT_TRUE(r(0, 0).empty());
        EXPECT_TRUE(r(0, 40).empty());
        EXPECT_TRUE(r(40, 0).empty());
        EXPECT_TRUE(r(-5, 10).empty());
        for (const auto& [w, h] : {std::pair{1, 1}, std::pair{7, 3}, std::pair{4000, 30}, std::pair{3, 900},
                                   std::pair{200, 150}}) {
            const PixelArt a = r(w, h);
            ASSERT_EQ(a.width, w);
            ASSERT_EQ(a.height, h);
            // They fill whole windows: a see-through pixel would show whatever lies beneath.
            EXPECT_EQ(CountIf(a, Opaque), w * h) << w << "x" << h;
        }
    }
}

TEST(ArtworkPicturesScenes, TitleLeavesRoomForLightText)
{
    for (const int h : {24, 32, 40}) {
        const PixelArt t = RenderTitle(800, h);
        const int left = TitleTextLeft(h);
        EXPECT_GT(left, h * 0.8);
        EXPECT_LT(left, h * 2);
        double sum = 0;
        int n = 0;
        for (int y = 0; y < h - 2; ++y)
            for (int x = left; x < left + 300; ++x, ++n)
                sum += 0.3 * Red(t.at(x, y)) + 0.59 * Green(t.at(x, y)) + 0.11 * Blue(t.at(x, y));
        EXPECT_LT(sum / n, 110) << "text area too bright for " << std::hex << TitleTextColor;
    }
}

namespace {

uint32_t Le(const std::string& bytes, size_t at, int size)
{
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

} // namespace

TEST(ArtworkPicturesIconFile, HoldsEveryPictureWithItsMask)
{
    PixelArt a(3, 2, ArtRgb(10, 20, 30));
    a.at(0, 0) = Transparent;
    const PixelArt b(256, 256, ArtRgb(1, 2, 3));
    const std::string ico = EncodeIcoFile({a, b});
    ASSERT_EQ(Le(ico, 0, 2), 0u);
    ASSERT_EQ(Le(ico, 2, 2), 1u);
    ASSERT_EQ(Le(ico, 4, 2), 2u);
    EXPECT_EQ(Le(ico, 6, 1), 3u);
    EXPECT_EQ(Le(ico, 7, 1), 2u);
    EXPECT_EQ(Le(ico, 22, 1), 0u); // 256 is written as 0
    const uint32_t size = Le(ico, 6 + 8, 4), offset = Le(ico, 6 + 12, 4);
    ASSERT_EQ(offset, 6u + 2 * 16);
    EXPECT_EQ(size, 40u + 3 * 2 * 4 + 4 * 2);
    EXPECT_EQ(Le(ico, 6 + 16 + 12, 4), offset + size);
    EXPECT_EQ(ico.size(), Le(ico, 6 + 16 + 12, 4) + Le(ico, 6 + 16 + 8, 4));
    EXPECT_EQ(Le(ico, offset + 8, 4), 4u); // doubled height
    EXPECT_EQ(Le(ico, offset + 14, 2), 32u);
    // Rows run bottom-up: the first pixel stored is the bottom-left one, the transparent
    // top-left pixel comes last but two and its mask bit is set.
    const size_t pixels = offset + 40;
    EXPECT_EQ(Le(ico, pixels, 4), ArtRgb(10, 20, 30));
    EXPECT_EQ(Le(ico, pixels + 12, 4), 0u);
    EXPECT_EQ(Le(ico, pixels + 24, 4), 0u);        // bottom mask row: all opaque
    EXPECT_EQ(Le(ico, pixels + 28, 1), 0x80u);     // top mask row: the first pixel shows through

    EXPECT_THROW(EncodeIcoFile({}), std::invalid_argument);
    EXPECT_THROW(EncodeIcoFile({PixelArt()}), std::invalid_argument);
    EXPECT_THROW(EncodeIcoFile({PixelArt(257, 4)}), std::invalid_argument);
}

TEST(ArtworkPicturesIconFile, ProgramIconFileMatchesItsSource)
{
    // The resource compiler embeds Vistora.ico; it must be the application icon as drawn here.
    const std::string expected = EncodeIcoFile({AppIcon(), AppIconSmall()});
    std::string source = __FILE__;
    source = source.substr(0, source.rfind("tests")) + "src/resources/Vistora.ico";
    std::ifstream file(source, std::ios::binary);
    ASSERT_TRUE(file) << source;
    const std::string stored((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (stored != expected) {
        std::ofstream("Vistora.ico", std::ios::binary) << expected;
        FAIL() << source << " is out of date; a fresh one was written to Vistora.ico in the test's folder";
    }
}
