#pragma once

#include <cstdint>
#include <string_view>

#include "texture/texture_types.hpp"

namespace tess {

struct TextureStore;

// Everything an operation may use: the working stage (out), the stage before it (prev), the
// texture size S, the working stage's index, the parameters (each 0..255) and, for DrwTxt, the
// command's text. Other stages, the scratch area and the font are reached through the store.
struct OpInvocation {
  TextureStore& store;
  std::uint8_t* out;
  const std::uint8_t* prev;
  int size;
  int stage;
  const OpParams& p;
  std::string_view text;
};

using TextureOpFunction = void (*)(const OpInvocation&);

struct OpImplementation {
  TextureOpFunction run = nullptr;
  // Most operations start from a copy of the previous stage; the generators that overwrite
  // blue, green and red of every pixel do not.
  bool copiesPrevious = true;
};

// The implementation of operation row op (a runnable row; see isRunnableOperation).
const OpImplementation& opImplementation(int op);

}  // namespace tess
