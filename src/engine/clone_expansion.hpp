#pragma once

#include <array>
#include <cstdint>

#include "scene/scene_types.hpp"

namespace tess {

// Regenerates the slots that follow every cloning object of the scene from their source, in
// index order: records, copied modifiers, positions, sizes, appended entries and normal modes by
// clone type. Clone slots stop at the last object slot (254); an appended entry that would not
// fit the 64-entry list is left out.
void ExpandClones(Scene& scene);

// One scene pass of a frame: the scene to draw and the camera slot (255: liveCamera itself).
struct RenderSceneEntry {
  std::uint8_t scene = 0;
  std::uint8_t camera = 0;
};

struct RenderSceneList {
  int count = 0;
  std::array<RenderSceneEntry, kMaxObjects> entries{};
};

inline constexpr int kLiveCameraSlot = 255;

// The render-scene objects (type 20) among slots 0..254 of the scene, in slot order; those whose
// scene index (posX) is outside 0..63 are skipped. A camera index (posY) outside 0..255 uses
// liveCamera. Empty: the frame draws the current scene once with liveCamera.
RenderSceneList CollectRenderScenes(const Scene& scene);

}  // namespace tess
