#pragma once

#include <cstdint>

#include "engine/gl/frame_view.hpp"
#include "engine/gl/render_device.hpp"
#include "engine/gl/render_switches.hpp"
#include "engine/mesh_cache.hpp"
#include "scene/scene_store.hpp"
#include "texture/scene_renderer.hpp"

namespace tess::gl {

// Draws frames of the scene store on a render device: the render-scene passes, each scene in an
// opaque and a blended pass with its special objects, lights and overlays; picking; and one
// scene rendered into a texture image for the texture generator. Drawing is a query: it draws
// the view it is given and changes no editor state (only the clones it expands are written).
// While the tracker plays, the caller evaluates the timeline first and then asks for a frame of
// the scene and camera it leaves current.
class FrameRenderer : public SceneRenderer {
 public:
  FrameRenderer(RenderDevice& device, SceneStore& scenes, TextureStore& textures,
                const TextureImages& images);

  RenderSwitches switches;

  // One frame of view at the clock reading (milliseconds); returns 0.
  int RenderFrame(std::uint64_t milliseconds, const FrameView& view);
  // One frame of view at modifier time T (still 0 while animation is frozen).
  void renderFrameAtTime(double time, const FrameView& view);

  // Draws view's index image and returns the index of the object at (x, y) (from the top left),
  // or -1 for the background and indices 254 and 255. The editor applies the pick.
  int PickObject(int x, int y, const FrameView& view);

  // Scene `scene` through camera slot `camera` (out of range: liveCamera) with the guides
  // hidden, at the modifier time of the last clock frame.
  bool renderSceneImage(int scene, int camera, int size, std::uint8_t* pixels) override;

  // Time spent building meshes on the CPU during the last frame, in seconds.
  double lastMeshSeconds() const { return meshSeconds_; }

 private:
  void drawFrame(const FrameView& view, double time, bool guidesHidden);
  void DrawScene(const FrameView& view);
  void drawObject(int scene, int index, bool blendedPass);
  void setObjectTextures(const SceneObject& object, const Material* material);
  void setFog(const SceneObject& object);
  bool shown(const Scene& scene, const SceneObject& object) const;
  void prepareMeshInputs(const Camera& camera);
  // Brings the meshes of the scene's objects that pass `drawn` up to date, timing the builds.
  template <typename Drawn>
  void updateMeshes(int scene, Drawn drawn);
  void drawMesh(int scene, int index);

  RenderDevice& device_;
  SceneStore& scenes_;
  TextureStore& textures_;
  MeshInputs inputs_;
  MeshCache meshes_;
  std::vector<int> drawn_;            // the objects of the pass being drawn
  ModifierProgram lightModifiers_;
  std::vector<LineVertex> lines_;  // overlay lines, kept from frame to frame
  bool guidesHidden_ = false;  // in the frame being drawn: the switch, or always for scene images
  double time_ = 0;
  std::uint64_t milliseconds_ = 0;
  double meshSeconds_ = 0;
};

}  // namespace tess::gl
