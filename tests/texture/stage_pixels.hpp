#pragma once

// Pixel-level helpers for operation tests: paint stage pixels, read them back, run one operation
// on the working stage over a prepared previous stage.

#include <array>
#include <cstdint>

#include "texture/interpreter.hpp"
#include "texture/ops/pixel.hpp"
#include "texture/texture_store.hpp"

namespace tess::testing {

using Bgra = std::array<std::uint8_t, 4>;  // blue, green, red, alpha

inline Bgra pixel(const TextureStore& store, int stage, int row, int column) {
  const std::uint8_t* p = pixelAt(store.stage(stage), store.size(), row, column);
  return {p[0], p[1], p[2], p[3]};
}

inline void setPixel(TextureStore& store, int stage, int row, int column, Bgra value) {
  std::uint8_t* p = pixelAt(store.stage(stage), store.size(), row, column);
  for (int c = 0; c < 4; ++c) p[c] = value[c];
}

inline void fillStage(TextureStore& store, int stage, Bgra value) {
  forEachPixel(store.stage(stage), store.size(), [&](std::uint8_t* p) {
    for (int c = 0; c < 4; ++c) p[c] = value[c];
  });
}

inline Bgra grey(std::uint8_t v, std::uint8_t alpha = 255) {
  return {v, v, v, alpha};
}

// Runs op on working stage `stage` (default 1, whose previous stage is 0).
inline void runOn(TextureStore& store, int op, OpParams params, int stage = 1) {
  store.workingStage = stage;
  runTextureOp(store, op, params);
}

}  // namespace tess::testing
