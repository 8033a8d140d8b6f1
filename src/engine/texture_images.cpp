#include "engine/texture_images.hpp"

namespace tess {

void TextureImages::capture(const TextureStore& store) {
  TextureImage& image = slots[store.current];
  if (store.currentTexture().type == kTextureRenderTarget) {
    image = TextureImage{};
    return;
  }
  const int size = store.size();
  const std::uint8_t* stage = store.stage(store.displayedStage);
  image.size = size;
  image.pixels.assign(stage, stage + StageArea::stageBytes(size));
  image.generation = ++captures_;
}

const TextureImage* TextureImages::image(int t) const {
  if (t < 0 || t >= kTextureSlotCount || slots[t].size == 0) return nullptr;
  return &slots[t];
}

}  // namespace tess
