#pragma once

#include <cstdint>

namespace tess {

// What the texture generator needs from the 3D renderer: one frame of a scene, seen through a
// camera slot, read back at the texture's size. The renderer selects the scene and camera for
// this one frame and restores its own state afterwards.
class SceneRenderer {
 public:
  virtual ~SceneRenderer() = default;

  // Renders scene `scene` through camera slot `camera` and writes size x size pixels into
  // `pixels` in the stage layout (blue, green, red, alpha; row 0 is the bottom of the picture).
  // Returns false, leaving `pixels` unspecified, when it cannot render.
  virtual bool renderSceneImage(int scene, int camera, int size, std::uint8_t* pixels) = 0;
};

}  // namespace tess
