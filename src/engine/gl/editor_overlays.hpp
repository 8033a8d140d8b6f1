#pragma once

#include <vector>

#include "engine/gl/frame_view.hpp"
#include "engine/gl/render_device.hpp"
#include "engine/gl/render_switches.hpp"
#include "scene/scene_store.hpp"

namespace tess::gl {

// The editor's guides over the view's scene through its camera, as lines with the white texture
// and a guide material whose ambient colour is the line colour: the modifier sphere of the
// selected modifier, the grid of the grid mode, the control lines and the axes with their letters.
// `lines` is the work area for the line vertices; it keeps its capacity between frames.
void drawEditorOverlays(RenderDevice& device, const SceneStore& scenes, const FrameView& view,
                        const RenderSwitches& switches, std::vector<LineVertex>& lines);

}  // namespace tess::gl
