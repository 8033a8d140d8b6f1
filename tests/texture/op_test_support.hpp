#pragma once

// Running one operation on a known previous stage and reading single pixels back.

#include <array>
#include <cstdint>
#include <memory>

#include "texture/ops/pixel.hpp"
#include "texture_test_support.hpp"

namespace tess::testing {

using Pixel = std::array<std::uint8_t, 4>;  // blue, green, red, alpha

inline Pixel pixel(const TextureStore& store, int stage, int row, int column) {
  const std::uint8_t* p = pixelAt(store.stage(stage), store.size(), row, column);
  return {p[0], p[1], p[2], p[3]};
}

inline Pixel grey(std::uint8_t value, std::uint8_t alpha) { return {value, value, value, alpha}; }

// A store of the given size whose stage 0 holds the pattern and whose working stage 1 holds
// other bytes, so an operation that forgets to write a pixel shows.
inline std::unique_ptr<TextureStore> storeWithPattern(int size) {
  auto store = makeStore(size);
  fillPattern(*store, 0);
  fillPattern(*store, 1, 99);
  store->workingStage = 1;
  return store;
}

// Runs op with params on working stage 1 over the patterned stage 0.
inline std::unique_ptr<TextureStore> runOnPattern(int size, int op, OpParams params) {
  auto store = storeWithPattern(size);
  runTextureOp(*store, op, params);
  return store;
}

// Fills stage k with one colour.
inline void fillStage(TextureStore& store, int k, Pixel colour) {
  forEachPixel(store.stage(k), store.size(), [&](std::uint8_t* px) {
    for (int c = 0; c < 4; ++c) px[c] = colour[c];
  });
}

}  // namespace tess::testing
