#pragma once

#include <array>

#include "engine/gl/fixed_function_state.hpp"
#include "engine/gl/frame_view.hpp"
#include "engine/modifier_engine.hpp"
#include "scene/scene_store.hpp"

namespace tess::gl {

// The lights of the view's scene as seen through its camera: up to eight suns (directional) and
// lamps (point) in object index order, the rest off. Colours come from each light's material;
// the direction or position is the origin run through the light's modifiers, moved by its
// position (and, for lamps, the camera target), then rotated and zoomed like the view. modifiers
// is a work area kept between frames, so setting up the lights allocates nothing.
std::array<LightSlot, kLightSlots> SetupLights(const SceneStore& scenes, const FrameView& view,
                                               double time, ModifierProgram& modifiers);

}  // namespace tess::gl
