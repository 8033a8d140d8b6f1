#include "texture/interpreter.hpp"

#include <algorithm>
#include <cstring>

#include "texture/op_dispatch.hpp"

namespace tess {

namespace {

// Stage references point at earlier stages: raised to 1 first, then lowered to working - 1
// (so on working stage 1 a reference becomes 0).
void clampStageReference(int& reference, int workingStage) {
  reference = std::max(reference, 1);
  reference = std::min(reference, workingStage - 1);
}

bool startsFromCopy(int op) { return isRunnableOperation(op) && opImplementation(op).copiesPrevious; }

}  // namespace

bool stagesFit(int stageCount, int size) {
  return stageCount >= 1 && stageCount <= kMaxStageCount && StageArea::fits(stageCount, size);
}

void runTextureOp(TextureStore& store, int op, OpParams& params) {
  if (!isRunnableOperation(op)) return;
  const int working = store.workingStage;
  const int size = store.size();
  if (working < 1 || !StageArea::fits(working, size)) return;

  for (int& value : params) value = std::clamp(value, 0, 255);
  if (op == texop::Map2dPShift) clampStageReference(params[0], working);
  if (op == texop::Mixer) {
    clampStageReference(params[0], working);
    clampStageReference(params[1], working);
  }

  std::uint8_t* out = store.stage(working);
  const std::uint8_t* prev = store.stage(working - 1);
  const OpImplementation& implementation = opImplementation(op);
  if (implementation.copiesPrevious) copyStage(out, prev, size);
  if (!implementation.run) return;

  std::string_view text;
  if (working < kCommandRecords) text = store.currentTexture().commands[working].text;
  implementation.run(OpInvocation{store, out, prev, size, working, params, text});
}

void runStoredCommands(TextureStore& store, int first, int end) {
  Texture& texture = store.currentTexture();
  for (int i = first; i < end; ++i) {
    store.workingStage = i;
    OpParams params = texture.commands[i].params;
    runTextureOp(store, texture.commands[i].op, params);
    store.displayedStage = i;
    // Each result is copied forward as the next working stage's start, unless the next command
    // begins with that very copy itself.
    if (i + 1 == end || !startsFromCopy(texture.commands[i + 1].op)) copyStage(store.stage(i + 1), store.stage(i), texture.size);
  }
}

void regenerateTexture(TextureStore& store) {
  Texture& texture = store.currentTexture();
  const int size = texture.size;
  // Slots are validated when loaded and edited; never run past the stage area regardless.
  int stageCount = std::clamp(texture.stageCount, 1, kMaxStageCount);
  while (stageCount > 1 && !StageArea::fits(stageCount, size)) --stageCount;

  std::memset(store.stage(0), 0, StageArea::stageBytes(size));
  std::memset(store.stage(1), 0, StageArea::stageBytes(size));
  runStoredCommands(store, 1, stageCount);
  store.workingStage = stageCount;
}

void selectTexture(TextureStore& store, int slot) {
  if (slot < 0 || slot >= kTextureSlotCount) return;
  store.changeMode = false;
  store.current = slot;
  regenerateTexture(store);
  store.displayedStage = store.currentTexture().stageCount;
}

bool setTextureSize(TextureStore& store, int size) {
  Texture& texture = store.currentTexture();
  if (!isTextureSize(size) || !stagesFit(texture.stageCount, size)) return false;
  if (size == texture.size) return true;
  texture.size = size;
  store.changeMode = false;
  regenerateTexture(store);
  return true;
}

}  // namespace tess
