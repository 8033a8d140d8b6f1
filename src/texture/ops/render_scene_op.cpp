#include "texture/ops/render_scene_op.hpp"

#include "texture/ops/colour_writes.hpp"
#include "texture/texture_store.hpp"

namespace tess {

void opRenderScene(const OpInvocation& op) {
  const int scene = op.p[0], camera = op.p[1];
  if (scene >= 128 || !op.store.sceneRenderer) return;
  std::uint8_t* image = op.store.scratch.working();
  if (!op.store.sceneRenderer->renderSceneImage(scene, camera, op.size, image)) return;
  const std::uint8_t* source = image;
  forEachPixel(op.out, op.size, [&source](std::uint8_t* px) {
    copyColour(px, source);
    source += 4;
  });
}

}  // namespace tess
