// Frames per second for a full-screen flash movie of 200 shapes: our player drawing with GDI+
// (anti-aliased) beside plain GDI filling the same polygons, in the same run.
#include <windows.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "SwfTestMovies.h"
#include "host/Handles.h"
#include "host/SwfGdiPlus.h"
#include "swf/Player.h"
#include "swf/Render.h"

namespace {
using Clock = std::chrono::steady_clock;
constexpr int Width = 1280;
constexpr int Height = 1024;
constexpr int Shapes = 200;
constexpr int Frames = 10;

// 200 opaque polygons of 5 to 9 corners spread over the stage, each moving a little each frame.
swftest::Bytes BenchMovie()
{
    std::mt19937 random(42);
    swftest::MovieWriter m(8, {0, 25600, 0, 20480}, 30);
    m.Background({20, 20, 40});
    for (int i = 0; i < Shapes; ++i) {
        const swftest::Color c{static_cast<std::uint8_t>(random() % 256), static_cast<std::uint8_t>(random() % 256),
                               static_cast<std::uint8_t>(random() % 256), 255};
        swftest::ShapeBuilder s(3, {swftest::Fill::SolidOf(c)}, {});
        const int corners = 5 + static_cast<int>(random() % 5);
        const double radius = 600 + random() % 1800;
        std::vector<std::pair<int, int>> points;
        for (int k = 0; k < corners; ++k) {
            const double angle = 6.283185307 * k / corners;
            const double r = radius * (0.6 + (random() % 40) / 100.0);
            points.emplace_back(static_cast<int>(r * std::cos(angle)), static_cast<int>(r * std::sin(angle)));
        }
        s.MoveStyle(points[0].first, points[0].second, std::nullopt, 1, std::nullopt);
        for (int k = 1; k <= corners; ++k) s.LineTo(points[k % corners].first, points[k % corners].second);
        m.DefineShape(static_cast<std::uint16_t>(i + 1), s, {-2400, 2400, -2400, 2400});
    }
    std::vector<std::pair<int, int>> at;
    for (int i = 0; i < Shapes; ++i) at.emplace_back(static_cast<int>(random() % 25600), static_cast<int>(random() % 20480));
    for (int f = 0; f < Frames; ++f) {
        for (int i = 0; i < Shapes; ++i) {
            const auto depth = static_cast<std::uint16_t>(i + 1);
            const auto place = swftest::Matrix::Translate(at[i].first + f * 100, at[i].second + f * 60);
            m.PlaceObject2(f == 0 ? swftest::Place::New(depth, depth).With(place) : swftest::Place::Modify(depth).With(place));
        }
        m.ShowFrame();
    }
    m.End();
    return m.Compressed();
}

// Collects each frame's figures as device polygons, for the GDI baseline.
class PolygonPort : public swf::DrawingPort {
public:
    struct Polygon {
        std::vector<POINT> points;
        COLORREF color;
    };
    void Clear(swf::Rgba bg, swf::RectF) override { background = RGB(bg.r, bg.g, bg.b); }
    void FillFigure(std::span<const swf::DevicePath> contours, const swf::Paint& paint, swf::FillRule) override
    {
        for (const auto& c : contours) {
            Polygon p{{POINT{std::lround(c.start.x), std::lround(c.start.y)}}, RGB(paint.color.r, paint.color.g, paint.color.b)};
            for (const auto& s : c.segments) p.points.push_back({std::lround(s.to.x), std::lround(s.to.y)});
            polygons.push_back(std::move(p));
        }
    }
    void StrokePath(const swf::DevicePath&, float, swf::Rgba) override {}
    void BeginMask(std::span<const swf::DeviceArea>) override {}
    void EndMask() override {}
    COLORREF background = 0;
    std::vector<Polygon> polygons;
};

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

} // namespace

int wmain()
{
    const swftest::Bytes file = BenchMovie();
    const auto loaded = swf::LoadMovie(file);
    if (!loaded.movie) {
        std::printf("the bench movie did not load\n");
        return 1;
    }

    // Our player: build each frame and draw it with GDI+ into the kept bitmap.
    MovieCanvas canvas;
    canvas.Resize(Width, Height);
    swf::Player player(loaded.movie);
    canvas.Draw(player.BuildFrame()); // GDI+ starts here, outside the timing
    constexpr int Rounds = 60;
    auto t0 = Clock::now();
    for (int i = 0; i < Rounds; ++i) {
        player.Advance();
        canvas.Draw(player.BuildFrame());
    }
    const double gdiplusFps = Rounds / Seconds(Clock::now() - t0);
    // The share of that spent building frames (display lists and figures), without drawing.
    t0 = Clock::now();
    std::size_t items = 0;
    for (int i = 0; i < Rounds; ++i) {
        player.Advance();
        items += player.BuildFrame().items.size();
    }
    const double buildMs = Seconds(Clock::now() - t0) * 1000 / Rounds;
    // And the fixed cost of a frame: black target and stage background, no figures.
    swf::Scene empty;
    empty.stage = loaded.movie->stage;
    t0 = Clock::now();
    for (int i = 0; i < Rounds; ++i) canvas.Draw(empty);
    const double emptyFps = Rounds / Seconds(Clock::now() - t0);

    // The same polygons of every frame, filled with plain GDI into a bitmap of the same size.
    std::vector<PolygonPort> frames(Frames);
    swf::Player again(loaded.movie);
    for (int f = 0; f < Frames; ++f) {
        swf::RenderScene(again.BuildFrame(), frames[f], Width, Height);
        again.Advance();
    }
    UniqueMemDc dc(CreateCompatibleDC(nullptr));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    Selected keep(dc.get(), bitmap.get());
    SelectObject(dc.get(), GetStockObject(NULL_PEN));
    t0 = Clock::now();
    for (int i = 0; i < Rounds; ++i) {
        const PolygonPort& frame = frames[i % Frames];
        UniqueBrush back(CreateSolidBrush(frame.background));
        const RECT all{0, 0, Width, Height};
        FillRect(dc.get(), &all, back.get());
        for (const auto& p : frame.polygons) {
            UniqueBrush brush(CreateSolidBrush(p.color));
            Selected use(dc.get(), brush.get());
            Polygon(dc.get(), p.points.data(), static_cast<int>(p.points.size()));
        }
        GdiFlush();
    }
    const double gdiFps = Rounds / Seconds(Clock::now() - t0);

    std::printf("Flash movie, %d shapes at %d x %d, GDI+ anti-aliased (frame built and drawn): %.1f frames/s\n", Shapes,
                Width, Height, gdiplusFps);
    std::printf("  building a frame of %zu figures alone: %.2f ms; drawing an empty stage alone: %.1f frames/s\n",
                items / Rounds, buildMs, emptyFps);
    std::printf("Baseline: plain GDI Polygon fills of the same figures:                        %.1f frames/s (%.1fx)\n",
                gdiFps, gdiFps / gdiplusFps);
    return 0;
}
