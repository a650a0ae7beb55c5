#include "host/SwfGdiPlus.h"

#include <objidl.h>

#include <gdiplus.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "swf/Render.h"

namespace {

// GDI+ for the life of the process.
class GdiPlusSession {
public:
    GdiPlusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    GdiPlusSession(const GdiPlusSession&) = delete;
    GdiPlusSession& operator=(const GdiPlusSession&) = delete;
    ~GdiPlusSession()
    {
        if (started_) Gdiplus::GdiplusShutdown(token_);
    }
    bool Started() const { return started_; }

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// The gradient square of the movie format: -16384..16384 twips each way.
constexpr float GradientHalf = 16384.0f;

Gdiplus::Color ToColor(swf::Rgba c) { return Gdiplus::Color(c.a, c.r, c.g, c.b); }

Gdiplus::PointF ToPoint(swf::PointF p) { return Gdiplus::PointF(p.x, p.y); }

// The points and point types of a GDI+ path; quadratic curves become the equal cubic ones.
class PathPoints {
public:
    void Add(const swf::DevicePath& path, bool close)
    {
        if (path.segments.empty()) return;
        Push(path.start, Gdiplus::PathPointTypeStart);
        swf::PointF from = path.start;
        for (const auto& s : path.segments) {
            if (s.curved) {
                auto twoThirds = [](swf::PointF end, swf::PointF control) {
                    return swf::PointF{end.x + (control.x - end.x) * 2 / 3, end.y + (control.y - end.y) * 2 / 3};
                };
                Push(twoThirds(from, s.control), Gdiplus::PathPointTypeBezier);
                Push(twoThirds(s.to, s.control), Gdiplus::PathPointTypeBezier);
                Push(s.to, Gdiplus::PathPointTypeBezier);
            } else {
                Push(s.to, Gdiplus::PathPointTypeLine);
            }
            from = s.to;
        }
        if (close) types_.back() |= Gdiplus::PathPointTypeCloseSubpath;
    }
    bool Empty() const { return points_.empty(); }
    Gdiplus::GraphicsPath Make(Gdiplus::FillMode mode) const
    {
        return Gdiplus::GraphicsPath(points_.data(), types_.data(), static_cast<INT>(points_.size()), mode);
    }

private:
    void Push(swf::PointF p, Gdiplus::PathPointType type)
    {
        points_.push_back(ToPoint(p));
        types_.push_back(static_cast<BYTE>(type));
    }
    std::vector<Gdiplus::PointF> points_;
    std::vector<BYTE> types_;
};

// Gradient colours at GDI+ blend positions (0..1, rising), with the end colours held out to
// 0 and 1 so that the gradient pads as the movie format wants.
struct Blend {
    std::vector<Gdiplus::Color> colors;
    std::vector<Gdiplus::REAL> positions;

    void Add(double position, swf::Rgba c)
    {
        position = std::clamp(position, 0.0, 1.0);
        if (!positions.empty()) {
            position = std::max<double>(position, positions.back());
            // A stop on the held-out end colour adds nothing.
            if (position == positions.back() && colors.back().GetValue() == ToColor(c).GetValue()) return;
        }
        colors.push_back(ToColor(c));
        positions.push_back(static_cast<Gdiplus::REAL>(position));
    }
    void Finish(swf::Rgba last)
    {
        if (positions.back() < 1) Add(1, last);
    }
};

// Draws on a GDI+ graphics over a bitmap whose pixels (top-down rows, premultiplied ARGB) it
// clears itself: filling a whole target through GDI+ costs more than the figures on it.
class GdiPlusPort : public swf::DrawingPort {
public:
    GdiPlusPort(Gdiplus::Graphics& g, std::uint32_t* pixels, int width, int height)
        : g_(g), pixels_(pixels), width_(width), height_(height)
    {
    }

    // Pixels whose centres lie on the stage take the background, so the bars' edges are sharp.
    void Clear(swf::Rgba background, swf::RectF stage) override
    {
        auto first = [](float edge) { return static_cast<int>(std::ceil(edge - 0.5f)); };
        const int left = std::clamp(first(stage.left), 0, width_);
        const int right = std::clamp(first(stage.right), left, width_);
        const int top = std::clamp(first(stage.top), 0, height_);
        const int bottom = std::clamp(first(stage.bottom), top, height_);
        constexpr std::uint32_t Black = 0xFF000000u;
        const std::uint32_t back = 0xFF000000u | (std::uint32_t{background.r} << 16) | (std::uint32_t{background.g} << 8) | background.b;
        for (int y = 0; y < height_; ++y) {
            std::uint32_t* row = pixels_ + static_cast<std::size_t>(y) * width_;
            if (y < top || y >= bottom) {
                std::fill_n(row, width_, Black);
                continue;
            }
            std::fill(row, row + left, Black);
            std::fill(row + left, row + right, back);
            std::fill(row + right, row + width_, Black);
        }
        // Clipping slows every fill down, so it is set only where there are bars to keep black.
        if (left > 0 || top > 0 || right < width_ || bottom < height_) g_.SetClip(Gdiplus::Rect(left, top, right - left, bottom - top));
    }

    void FillFigure(std::span<const swf::DevicePath> contours, const swf::Paint& paint, swf::FillRule rule) override
    {
        PathPoints points;
        for (const auto& c : contours) points.Add(c, true);
        if (points.Empty()) return;
        Gdiplus::GraphicsPath path = points.Make(FillMode(rule));
        switch (paint.kind) {
        case swf::FillKind::LinearGradient:
            FillLinear(path, paint);
            return;
        case swf::FillKind::RadialGradient:
        case swf::FillKind::FocalGradient:
            FillRadial(path, paint);
            return;
        default:
            FillSolid(path, paint.color);
            return;
        }
    }

    void StrokePath(const swf::DevicePath& path, float width, swf::Rgba color) override
    {
        PathPoints points;
        points.Add(path, false);
        if (points.Empty()) return;
        Gdiplus::GraphicsPath gp = points.Make(Gdiplus::FillModeAlternate);
        Gdiplus::Pen pen(ToColor(color), width);
        pen.SetLineJoin(Gdiplus::LineJoinRound);
        pen.SetStartCap(Gdiplus::LineCapRound);
        pen.SetEndCap(Gdiplus::LineCapRound);
        g_.DrawPath(&pen, &gp);
    }

    void BeginMask(std::span<const swf::DeviceArea> areas) override
    {
        Gdiplus::Region shown;
        shown.MakeEmpty();
        for (const auto& area : areas) {
            PathPoints points;
            for (const auto& c : area.contours) points.Add(c, true);
            if (points.Empty()) continue;
            const Gdiplus::GraphicsPath path = points.Make(FillMode(area.rule));
            shown.Union(&path);
        }
        masks_.push_back(g_.Save());
        g_.SetClip(&shown, Gdiplus::CombineModeIntersect);
    }

    void EndMask() override
    {
        if (masks_.empty()) return;
        g_.Restore(masks_.back());
        masks_.pop_back();
    }

private:
    static Gdiplus::FillMode FillMode(swf::FillRule rule)
    {
        return rule == swf::FillRule::NonZero ? Gdiplus::FillModeWinding : Gdiplus::FillModeAlternate;
    }

    void FillSolid(Gdiplus::GraphicsPath& path, swf::Rgba color)
    {
        Gdiplus::SolidBrush brush(ToColor(color));
        g_.FillPath(&brush, &path);
    }

    static Gdiplus::Matrix ToMatrix(const swf::Matrix& m)
    {
        return Gdiplus::Matrix(static_cast<Gdiplus::REAL>(m.a), static_cast<Gdiplus::REAL>(m.b), static_cast<Gdiplus::REAL>(m.c),
                               static_cast<Gdiplus::REAL>(m.d), static_cast<Gdiplus::REAL>(m.tx), static_cast<Gdiplus::REAL>(m.ty));
    }

    static bool Invertible(const swf::Matrix& m) { return std::abs(m.a * m.d - m.b * m.c) > 1e-12; }

    // The gradient runs along x of the gradient square and pads beyond it. GDI+ repeats a linear
    // gradient instead, so the brush is stretched over all of the figure, in gradient space,
    // with the end colours held out to its ends.
    void FillLinear(Gdiplus::GraphicsPath& path, const swf::Paint& paint)
    {
        const swf::Matrix& m = paint.gradient;
        if (paint.stops.size() < 2 || !Invertible(m)) return FillSolid(path, paint.stops.empty() ? paint.color : paint.stops.back().color);
        Gdiplus::RectF box;
        path.GetBounds(&box);
        const double det = m.a * m.d - m.b * m.c;
        double lo = -GradientHalf;
        double hi = GradientHalf;
        for (const auto& [x, y] : {std::pair{box.X, box.Y}, {box.X + box.Width, box.Y}, {box.X, box.Y + box.Height},
                                   {box.X + box.Width, box.Y + box.Height}}) {
            const double gx = (m.d * (x - m.tx) - m.c * (y - m.ty)) / det;
            lo = std::min(lo, gx);
            hi = std::max(hi, gx);
        }
        const double margin = (hi - lo) * 0.01;
        lo -= margin;
        hi += margin;
        Blend blend;
        blend.Add(0, paint.stops.front().color);
        for (const auto& s : paint.stops) blend.Add((-GradientHalf + s.ratio / 255.0 * 2 * GradientHalf - lo) / (hi - lo), s.color);
        blend.Finish(paint.stops.back().color);
        Gdiplus::LinearGradientBrush brush(Gdiplus::PointF(static_cast<Gdiplus::REAL>(lo), 0),
                                           Gdiplus::PointF(static_cast<Gdiplus::REAL>(hi), 0), blend.colors.front(),
                                           blend.colors.back());
        brush.SetInterpolationColors(blend.colors.data(), blend.positions.data(), static_cast<INT>(blend.colors.size()));
        const Gdiplus::Matrix gm = ToMatrix(m);
        brush.SetTransform(&gm);
        g_.FillPath(&brush, &path);
    }

    // A path gradient over the gradient square's circle, placed by the gradient matrix, with
    // its centre at the focal point. Outside the circle the last colour pads the figure.
    void FillRadial(Gdiplus::GraphicsPath& path, const swf::Paint& paint)
    {
        const swf::Matrix& m = paint.gradient;
        if (paint.stops.size() < 2 || !Invertible(m)) return FillSolid(path, paint.stops.empty() ? paint.color : paint.stops.back().color);
        Gdiplus::GraphicsPath circle;
        circle.AddEllipse(-GradientHalf, -GradientHalf, 2 * GradientHalf, 2 * GradientHalf);
        const Gdiplus::Matrix gm = ToMatrix(m);
        circle.Transform(&gm);

        // An opaque gradient covers the pad where they overlap, so the pad may go under all of
        // it; a clip, which GDI+ does not anti-alias, is needed only where the gradient lets the
        // pad through.
        const bool opaque = std::all_of(paint.stops.begin(), paint.stops.end(), [](const auto& s) { return s.color.a == 255; });
        const Gdiplus::GraphicsState state = g_.Save();
        if (!opaque) g_.SetClip(&circle, Gdiplus::CombineModeExclude);
        FillSolid(path, paint.stops.back().color);
        g_.Restore(state);

        // GDI+ counts blend positions from the outline (0) to the centre (1).
        Blend blend;
        blend.Add(0, paint.stops.back().color);
        for (auto s = paint.stops.rbegin(); s != paint.stops.rend(); ++s) blend.Add(1 - s->ratio / 255.0, s->color);
        blend.Finish(paint.stops.front().color);
        Gdiplus::PathGradientBrush brush(&circle);
        const swf::Point centre = m.Apply({std::clamp(paint.focal, -0.98, 0.98) * GradientHalf, 0});
        brush.SetCenterPoint(Gdiplus::PointF(static_cast<Gdiplus::REAL>(centre.x), static_cast<Gdiplus::REAL>(centre.y)));
        // The end colours alone make a two-stop gradient, and serve engines that draw path
        // gradients without blend colours; more stops come from the blend.
        brush.SetCenterColor(ToColor(paint.stops.front().color));
        Gdiplus::Color outer = ToColor(paint.stops.back().color);
        INT outerCount = 1;
        brush.SetSurroundColors(&outer, &outerCount);
        if (blend.colors.size() > 2)
            brush.SetInterpolationColors(blend.colors.data(), blend.positions.data(), static_cast<INT>(blend.colors.size()));
        g_.FillPath(&brush, &path);
    }

    Gdiplus::Graphics& g_;
    std::vector<Gdiplus::GraphicsState> masks_; // what each mask in force replaced
    std::uint32_t* pixels_;
    int width_;
    int height_;
};

} // namespace

bool EnsureGdiPlus()
{
    static GdiPlusSession session;
    return session.Started();
}

MovieCanvas::MovieCanvas() { Blank(); }

void MovieCanvas::Resize(int width, int height)
{
    if (width == Width() && height == Height()) return;
    surface_.Resize(width, height);
    Blank();
}

void MovieCanvas::Blank()
{
    GdiFlush();
    std::fill_n(surface_.Pixels(), static_cast<std::size_t>(Width()) * Height(), 0u);
}

void MovieCanvas::Draw(const swf::Scene& frame)
{
    if (!EnsureGdiPlus()) return Blank();
    GdiFlush();
    Gdiplus::Bitmap bitmap(Width(), Height(), Width() * 4, PixelFormat32bppPARGB, reinterpret_cast<BYTE*>(surface_.Pixels()));
    Gdiplus::Graphics g(&bitmap);
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    GdiPlusPort port(g, surface_.Pixels(), Width(), Height());
    swf::RenderScene(frame, port, Width(), Height());
    g.Flush(Gdiplus::FlushIntentionSync);
}

COLORREF MovieCanvas::PixelAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return RGB(0, 0, 0);
    GdiFlush();
    const std::uint32_t px = surface_.Pixels()[static_cast<std::size_t>(y) * Width() + x];
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}
