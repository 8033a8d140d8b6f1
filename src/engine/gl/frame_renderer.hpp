#pragma once

#include <cstdint>
#include <functional>

#include "engine/gl/render_device.hpp"
#include "engine/gl/render_switches.hpp"
#include "engine/mesh_builder.hpp"
#include "scene/scene_store.hpp"
#include "texture/scene_renderer.hpp"

namespace tess::gl {

// Draws frames of the scene store on a render device: the render-scene passes, each scene in an
// opaque and a blended pass with its special objects, lights and overlays; picking; and one
// scene rendered into a texture image for the texture generator.
class FrameRenderer : public SceneRenderer {
 public:
  FrameRenderer(RenderDevice& device, SceneStore& scenes, TextureStore& textures,
                const TextureImages& images);

  RenderSwitches switches;
  // Evaluates the timeline at the start of a frame while the tracker plays.
  std::function<void(double milliseconds)> trackerHook;

  // One frame at the given clock reading (milliseconds); returns 0.
  int RenderFrame(std::uint64_t milliseconds);
  // One frame at modifier time T (still 0 while animation is frozen), without the timeline.
  void renderFrameAtTime(double time);

  // Draws the index image and selects the object at (x, y) (from the top left), or makes it the
  // current object's control object while control picking is armed. Returns the index read.
  int PickObject(int x, int y);

  bool renderSceneImage(int scene, int camera, int size, std::uint8_t* pixels) override;

  // Time spent building meshes on the CPU during the last frame, in seconds.
  double lastMeshSeconds() const { return meshSeconds_; }

 private:
  void drawFrame(double time, bool fromClock);
  void DrawScene();
  void drawObject(int index, bool blendedPass);
  void setObjectTextures(const SceneObject& object, const Material* material);
  void setFog(const SceneObject& object);
  bool inGroup(const Scene& scene, const SceneObject& object) const;
  bool shown(const Scene& scene, const SceneObject& object) const;
  void prepareMeshInputs();
  void buildTimed(int index);

  RenderDevice& device_;
  SceneStore& scenes_;
  TextureStore& textures_;
  MeshInputs inputs_;
  MeshBuffers mesh_;
  std::vector<LineVertex> lines_;  // overlay lines, kept from frame to frame
  double time_ = 0;
  std::uint64_t milliseconds_ = 0;
  double meshSeconds_ = 0;
};

}  // namespace tess::gl
