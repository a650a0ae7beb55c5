#pragma once
// Draws a frame on a drawing port, the stage shown whole in the target ("ShowAll").
#include "swf/DrawingPort.h"
#include "swf/Scene.h"

namespace swf {

void RenderScene(const Scene& scene, DrawingPort& port, int width, int height);

} // namespace swf
