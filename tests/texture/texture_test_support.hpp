#pragma once

// Helpers for texture tests: a store, command lists built as the editor builds them, stage bytes.

#include <cstring>
#include <memory>
#include <vector>

#include "texture/command_list.hpp"
#include "texture/interpreter.hpp"
#include "texture/texture_store.hpp"

namespace tess::testing {

inline std::unique_ptr<TextureStore> makeStore(int size = 32) {
  auto store = std::make_unique<TextureStore>();
  store->currentTexture().size = size;
  selectTexture(*store, 0);
  return store;
}

// Runs op on the working stage and commits it, as selecting it in the editor and pressing "OK".
inline bool appendOp(TextureStore& store, int op, OpParams params = {}) {
  runTextureOp(store, op, params);
  return commitCommand(store, op, params);
}

inline std::vector<std::uint8_t> stageBytes(const TextureStore& store, int k) {
  const std::uint8_t* stage = store.stage(k);
  return {stage, stage + StageArea::stageBytes(store.size())};
}

// Fills stage k with a pattern where every byte differs from its neighbours.
inline void fillPattern(TextureStore& store, int k, unsigned seed = 7) {
  std::uint8_t* stage = store.stage(k);
  const std::size_t bytes = StageArea::stageBytes(store.size());
  for (std::size_t i = 0; i < bytes; ++i) stage[i] = static_cast<std::uint8_t>((i * 37 + seed * 101 + i / 7) & 0xFF);
}

inline TextureCommand command(int op, OpParams params = {}) {
  TextureCommand result;
  result.op = op;
  result.params = params;
  return result;
}

}  // namespace tess::testing
