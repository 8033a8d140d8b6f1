#include "texture/command_list.hpp"

#include <algorithm>
#include <cstring>

#include "texture/interpreter.hpp"

namespace tess {

namespace {

void storeCommand(TextureCommand& command, int op, const OpParams& params) {
  command.op = op;
  const int count = pristineOperationTable()[op].count;
  for (int j = 0; j < count; ++j) command.params[j] = std::clamp(params[j], 0, 255);
}

// Stage references that pass a renumbered stage move with it.
template <typename Renumber>
void renumberStageReferences(TextureCommand& command, Renumber renumber) {
  for (int j = 0; j < kParamCount; ++j)
    if (isStageReference(command.op, j)) command.params[j] = renumber(command.params[j]);
}

// Whether stage count n may grow by one command.
bool roomForOneMore(int stageCount, int size) {
  return stageCount < kCommandRecords && stagesFit(stageCount + 1, size);
}

}  // namespace

bool commitCommand(TextureStore& store, int op, const OpParams& params) {
  if (!isRunnableOperation(op)) return false;
  Texture& texture = store.currentTexture();
  const int s = store.workingStage;
  const int end = store.changeMode ? store.changeEnd : s;
  if (s >= end && !roomForOneMore(s, texture.size)) return false;

  copyStage(store.stage(s + 1), store.stage(s), texture.size);
  storeCommand(texture.commands[s], op, params);
  runStoredCommands(store, s + 1, end);

  texture.stageCount = std::max(end, s + 1);
  store.workingStage = texture.stageCount;
  store.displayedStage = texture.stageCount;
  store.changeMode = false;
  return true;
}

bool beginChange(TextureStore& store, int stage) {
  const int n = store.currentTexture().stageCount;
  if (store.changeMode || stage < 1 || stage > n) return false;
  store.changeMode = true;
  store.changeEnd = n;
  store.workingStage = stage;
  store.displayedStage = stage;
  return true;
}

bool insertCommand(TextureStore& store, int stage) {
  Texture& texture = store.currentTexture();
  const int n = texture.stageCount;
  if (store.changeMode || stage < 1 || stage > n || !roomForOneMore(n, texture.size)) return false;

  for (int k = n - 1; k >= stage; --k) {
    texture.commands[k + 1] = texture.commands[k];
    renumberStageReferences(texture.commands[k + 1], [stage](int ref) { return ref >= stage ? ref + 1 : ref; });
  }
  texture.commands[stage].op = texop::Empty;
  texture.stageCount = n + 1;
  regenerateTexture(store);
  return true;
}

bool deleteCommand(TextureStore& store, int stage) {
  Texture& texture = store.currentTexture();
  const int n = texture.stageCount;
  if (store.changeMode || stage < 1 || stage >= n) return false;

  texture.commands[stage].text.clear();
  for (int k = stage + 1; k < n; ++k) {
    texture.commands[k - 1] = texture.commands[k];
    renumberStageReferences(texture.commands[k - 1], [stage](int ref) { return ref > stage ? ref - 1 : ref; });
  }
  texture.stageCount = std::max(n - 1, 1);
  regenerateTexture(store);
  store.displayedStage = texture.stageCount;
  return true;
}

void clearCommands(TextureStore& store) {
  Texture& texture = store.currentTexture();
  for (int k = 1; k < texture.stageCount; ++k) texture.commands[k].text.clear();
  texture.stageCount = 1;
  store.changeMode = false;
  std::memset(store.stage(0), 0, StageArea::stageBytes(texture.size));
  std::memset(store.stage(1), 0, StageArea::stageBytes(texture.size));
  store.workingStage = 1;
  store.displayedStage = 1;
}

int stageFromListPosition(int stageCount, int position) {
  return stageCount - std::max(position, 0) - 1;
}

std::string stageListEntry(int index, int op) {
  std::string entry = std::to_string(index);
  if (op >= 0 && op <= kOperationRowCount) entry += pristineOperationTable()[op].name;
  return entry;
}

std::vector<std::string> stageListEntries(const Texture& texture) {
  std::vector<std::string> entries;
  for (int k = texture.stageCount - 1; k >= 1; --k) entries.push_back(stageListEntry(k, texture.commands[k].op));
  return entries;
}

}  // namespace tess
