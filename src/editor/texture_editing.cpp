#include "editor/texture_editing.hpp"

#include <algorithm>

#include "editor/editor_session.hpp"
#include "texture/command_list.hpp"
#include "texture/interpreter.hpp"

namespace tess {

bool selectOperation(EditorSession& session, int row) {
  TextureStore& store = session.textures();
  if (row < 0 || row >= kOperationRowCount) return false;
  store.selectedOperation = row;
  if (isRunnableOperation(row)) store.sliders = store.operations[row].values;
  runPreview(session);
  return true;
}

void setSlider(TextureStore& store, int index, int value) {
  if (index < 0 || index >= kParamCount) return;
  store.sliders[index] = std::clamp(value, 0, 255);
  if (isRunnableOperation(store.selectedOperation))
    store.operations[store.selectedOperation].values = store.sliders;
}

void runPreview(EditorSession& session) {
  TextureStore& store = session.textures();
  runTextureOp(store, store.selectedOperation, store.sliders);
  store.displayedStage = store.workingStage;
  session.publish(Change::Stages);
}

bool storeSelected(TextureStore& store) {
  const int op = store.selectedOperation;
  if (!isRunnableOperation(op)) return false;
  runTextureOp(store, op, store.sliders);
  return commitCommand(store, op, store.sliders);
}

bool commitSelected(EditorSession& session) {
  TextureStore& store = session.textures();
  const bool endsChange = store.changeMode;
  if (!storeSelected(store)) return false;
  if (endsChange) store.selectedOperation = 0;
  session.publish(Change::Stages);
  return true;
}

int selectedParameterCount(const TextureStore& store) {
  const int op = store.selectedOperation;
  return isRunnableOperation(op) ? pristineOperationTable()[op].count : 0;
}

bool DuePreview::run(EditorSession& session) {
  if (!due_) return false;
  due_ = false;
  runPreview(session);
  return true;
}

}  // namespace tess
