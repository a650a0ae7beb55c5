#include "swf/Render.h"


#include "swf/ShowAll.h"

namespace swf {

namespace {
DevicePath ToDevice(const StagePath& path, const ShowAll& map)
{
    DevicePath out;
    out.start = map.ToDevice(path.start);
    out.segments.reserve(path.segments.size());
    for (const auto& s : path.segments) out.segments.push_back({map.ToDevice(s.control), map.ToDevice(s.to), s.curved});
    return out;
}
} // namespace

void RenderScene(const Scene& scene, DrawingPort& port, int width, int height)
{
    const ShowAll map = MapShowAll(scene.stage, width, height);
    port.Clear(scene.background, map.stage);
    if (map.scale <= 0) return;
    std::vector<DevicePath> contours;
    for (const SceneItem& item : scene.items) {
        if (const auto* fill = std::get_if<SceneFill>(&item)) {
            contours.clear();
            for (const StagePath& c : fill->contours) contours.push_back(ToDevice(c, map));
            Paint paint = fill->paint;
            paint.gradient = map.ToDeviceMatrix() * paint.gradient;
            port.FillFigure(contours, paint, fill->rule);
        } else if (const auto* stroke = std::get_if<SceneStroke>(&item)) {
            const double pixels = stroke->width * map.scale;
            port.StrokePath(ToDevice(stroke->path, map), pixels < 1 ? 1.0f : static_cast<float>(pixels), stroke->color);
        } else if (const auto* mask = std::get_if<SceneMaskBegin>(&item)) {
            std::vector<DeviceArea> areas;
            for (const StageArea& a : mask->areas) {
                DeviceArea& area = areas.emplace_back();
                area.rule = a.rule;
                for (const StagePath& c : a.contours) area.contours.push_back(ToDevice(c, map));
            }
            port.BeginMask(areas);
        } else {
            port.EndMask();
        }
    }
}

} // namespace swf
