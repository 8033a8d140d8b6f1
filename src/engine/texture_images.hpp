#pragma once

#include <cstdint>
#include <vector>

#include "texture/texture_store.hpp"

namespace tess {

// The image each texture slot's device texture last received, kept in CPU memory so that the
// landscape generators can sample it. A slot that never received an image, and a render-target
// texture, has none.
struct TextureImage {
  int size = 0;                      // edge length; 0: no image
  std::vector<std::uint8_t> pixels;  // size * size * 4 bytes: blue, green, red, alpha
  std::uint64_t generation = 0;      // a new number with every capture, so meshes see the change
};

struct TextureImages {
  std::vector<TextureImage> slots = std::vector<TextureImage>(kTextureSlotCount);

  // Records the displayed stage of the current texture as its slot's image (what an upload
  // sends); a render-target texture loses its image.
  void capture(const TextureStore& store);

  // Slot t's image; nothing when the slot has none or t is not a slot.
  const TextureImage* image(int t) const;

 private:
  std::uint64_t captures_ = 0;
};

}  // namespace tess
