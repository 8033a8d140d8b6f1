#include "texture/ops/sprite_op.hpp"

#include <algorithm>

#include "texture/ops/colour_writes.hpp"
#include "texture/ops/rotor_zoom.hpp"
#include "texture/stage_area.hpp"
#include "texture/texture_store.hpp"

namespace tess {

namespace {

// Stage "stage-num" (at least 1). The interpreter does not clamp this reference to earlier
// stages, so a stage number past the stage area (possible at sizes 512 and 1024) is lowered to
// the last stage that lies inside it.
int spriteStage(int requested, int size) {
  int stage = std::max(requested, 1);
  while (!StageArea::fits(stage, size)) --stage;
  return stage;
}

}  // namespace

void opAddSprite(const OpInvocation& op) {
  const int size = op.size;
  const std::uint8_t* sprite = op.store.stages.stage(spriteStage(op.p[2], size), size);
  std::uint8_t* transformed = op.store.scratch.working();
  const RotorZoomSettings settings{op.p[0], op.p[1], op.p[4], op.p[3], 64, 64};
  rotorZoom(sprite, transformed, size, settings);

  const std::uint8_t* source = transformed;
  forEachPixel(op.out, size, [&source](std::uint8_t* px) {
    for (int c : {kBlue, kGreen, kRed}) px[c] = static_cast<std::uint8_t>(std::min(px[c] + source[c], 255));
    source += 4;
  });
}

}  // namespace tess
