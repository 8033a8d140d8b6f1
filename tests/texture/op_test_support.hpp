#pragma once

// Running one operation on a known previous stage and reading single pixels back.

#include <array>
#include <cstdint>
#include <memory>

#include "stage_pixels.hpp"
#include "texture_test_support.hpp"

namespace tess::testing {

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

}  // namespace tess::testing
