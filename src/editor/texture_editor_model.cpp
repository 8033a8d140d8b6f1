#include "editor/texture_editor_model.hpp"

#include <algorithm>
#include <cstdio>

#include "core/crt_text.hpp"
#include "editor/editor_session.hpp"
#include "texture/command_list.hpp"
#include "texture/interpreter.hpp"

namespace tess {
namespace {

constexpr std::array<int, 4> kHeaderRows = {texop::GeneratorsHeader, texop::GeometryHeader,
                                            texop::FiltersHeader, texop::ColorHeader};
constexpr std::size_t kNameFieldMax = 98;
constexpr int kTimingCopies = 50;

bool isMarked(int op) {
  switch (op) {
    case texop::Blur: case texop::PShift: case texop::Median: case texop::Mixer:
    case texop::CopyBlueToAlfa: case texop::RotorZoom: case texop::Clear: case texop::Twirl:
      return true;
    default: return false;
  }
}

// A typed number in first..last, or -1 when the text holds none (empty) or one out of range.
int typedNumber(std::string_view text, int first, int last) {
  if (skipWhiteSpace(text, 0) == text.size()) return -1;
  const int value = atoiAt(text);
  return value >= first && value <= last ? value : -1;
}

// The longest start of text within max bytes that does not cut a UTF-8 sequence.
std::string_view cutToBytes(std::string_view text, std::size_t max) {
  if (text.size() <= max) return text;
  std::size_t end = max;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

}  // namespace

std::vector<std::string> TextureEditorModel::operationListTexts() {
  std::vector<std::string> texts;
  for (int row = 0; row < kOperationRowCount; ++row) {
    const std::string name(pristineOperationTable()[row].name);
    texts.push_back(isGroupHeader(row) ? name : (isMarked(row) ? "\u2022 " : "  ") + name);
  }
  return texts;
}

int TextureEditorModel::tabHeaderRow(int tab) {
  return tab >= 0 && tab < static_cast<int>(kHeaderRows.size()) ? kHeaderRows[tab] : -1;
}

int TextureEditorModel::tabOfRow(int row) {
  int tab = 0;
  for (int k = 0; k < static_cast<int>(kHeaderRows.size()); ++k)
    if (row >= kHeaderRows[k]) tab = k;
  return tab;
}

std::string TextureEditorModel::slotText() const {
  return std::to_string(session_.textures().current);
}

const std::string& TextureEditorModel::name() const {
  return session_.textures().currentTexture().name;
}

int TextureEditorModel::typeIndex() const { return session_.textures().currentTexture().type; }

int TextureEditorModel::sizeIndex() const {
  const auto at = std::find(kTextureSizes.begin(), kTextureSizes.end(), session_.textures().size());
  return at == kTextureSizes.end() ? -1 : static_cast<int>(at - kTextureSizes.begin());
}

int TextureEditorModel::selectedOperation() const { return session_.textures().selectedOperation; }

std::string TextureEditorModel::functionCaption() const {
  const int op = selectedOperation();
  return isRunnableOperation(op) ? std::string(pristineOperationTable()[op].name) : "function";
}

int TextureEditorModel::parameterRowCount() const {
  return selectedParameterCount(session_.textures());
}

std::string_view TextureEditorModel::parameterLabel(int index) const {
  if (index < 0 || index >= parameterRowCount()) return {};
  return pristineOperationTable()[selectedOperation()].labels[index];
}

int TextureEditorModel::parameterValue(int index) const {
  return index >= 0 && index < kParamCount ? session_.textures().sliders[index] : 0;
}

std::vector<std::string> TextureEditorModel::stageListTexts() const {
  return stageListEntries(session_.textures().currentTexture());
}

bool TextureEditorModel::listEditsEnabled() const { return !session_.textures().changeMode; }

bool TextureEditorModel::prerenderShown() const { return session_.textures().changeMode; }

int TextureEditorModel::changedStagePosition() const {
  const TextureStore& store = session_.textures();
  return store.changeMode ? store.currentTexture().stageCount - store.workingStage - 1 : -1;
}

bool TextureEditorModel::selectTab(int tab) {
  const int row = tabHeaderRow(tab);
  return row >= 0 && tess::selectOperation(session_, row);
}

bool TextureEditorModel::selectOperation(int row) { return tess::selectOperation(session_, row); }

bool TextureEditorModel::commitByDoubleClick() {
  return !session_.textures().changeMode && commitSelected(session_);
}

void TextureEditorModel::setParameter(int index, int value) {
  if (index < 0 || index >= parameterRowCount()) return;
  setSlider(session_.textures(), index, value);
  preview_.mark();
}

bool TextureEditorModel::typeParameter(int index, std::string_view text) {
  const int value = typedNumber(text, 0, 255);
  if (index < 0 || index >= parameterRowCount() || value < 0 || value == parameterValue(index))
    return false;
  setSlider(session_.textures(), index, value);
  runPreview(session_);
  return true;
}

bool TextureEditorModel::stepParameter(int index, int step) {
  if (index < 0 || index >= parameterRowCount()) return false;
  const int value = std::clamp(parameterValue(index) + step, 0, 255);
  if (value == parameterValue(index)) return false;
  setSlider(session_.textures(), index, value);
  runPreview(session_);
  return true;
}

bool TextureEditorModel::restoreDefaults() {
  TextureStore& store = session_.textures();
  const int op = store.selectedOperation;
  if (!isRunnableOperation(op)) return false;
  store.operations[op] = pristineOperationTable()[op];
  store.sliders = store.operations[op].values;
  runPreview(session_);
  return true;
}

bool TextureEditorModel::commit() { return commitSelected(session_); }

int TextureEditorModel::stageAt(int position) const {
  return stageFromListPosition(session_.textures().currentTexture().stageCount, position);
}

void TextureEditorModel::editStage(int stage) {
  TextureStore& store = session_.textures();
  const TextureCommand& command = store.currentTexture().commands[stage];
  store.selectedOperation = command.op;
  store.sliders = command.params;
  runPreview(session_);
}

bool TextureEditorModel::change(int position) {
  const int stage = stageAt(position);
  // The list holds the stages that have a command.
  if (stage >= session_.textures().currentTexture().stageCount ||
      !beginChange(session_.textures(), stage))
    return false;
  editStage(stage);
  return true;
}

bool TextureEditorModel::insert(int position) {
  if (!insertCommand(session_.textures(), stageAt(position))) return false;
  session_.textures().selectedOperation = 0;
  session_.publish(Change::Stages);
  return true;
}

bool TextureEditorModel::remove(int position) {
  if (!deleteCommand(session_.textures(), stageAt(position))) return false;
  session_.textures().selectedOperation = 0;
  session_.publish(Change::Stages);
  return true;
}

void TextureEditorModel::clearAll() {
  TextureStore& store = session_.textures();
  if (store.changeMode) return;
  clearCommands(store);
  store.selectedOperation = 0;
  session_.publish(Change::Stages);
}

bool TextureEditorModel::prerender() {
  TextureStore& store = session_.textures();
  if (!store.changeMode) return false;
  const int stage = store.workingStage;
  if (!storeSelected(store)) return false;
  beginChange(store, stage);  // the stage is one of the list's: it is taken
  editStage(stage);
  return true;
}

bool TextureEditorModel::showStage(int position) {
  TextureStore& store = session_.textures();
  const int stage = stageAt(position);
  if (store.changeMode || position < 0 || stage < 1 || stage >= store.currentTexture().stageCount ||
      stage == store.displayedStage)
    return false;
  store.displayedStage = stage;
  session_.publish(Change::Stages);
  return true;
}

bool TextureEditorModel::changeByDoubleClick(int position) {
  return !session_.textures().changeMode && change(position);
}

bool TextureEditorModel::openSlot(int slot) {
  TextureStore& store = session_.textures();
  if (slot < 0 || slot >= kTextureSlotCount || slot == store.current) return false;
  selectTexture(store, slot);
  store.selectedOperation = 0;
  session_.publish(Change::CurrentTexture | Change::Stages);
  return true;
}

bool TextureEditorModel::stepSlot(int step) { return openSlot(session_.textures().current + step); }

bool TextureEditorModel::typeSlot(std::string_view text) {
  return openSlot(typedNumber(text, 0, kTextureSlotCount - 1));
}

bool TextureEditorModel::setSizeIndex(int index) {
  TextureStore& store = session_.textures();
  if (index < 0 || index >= static_cast<int>(kTextureSizes.size()) || index == sizeIndex() ||
      !setTextureSize(store, kTextureSizes[index]))
    return false;
  runTextureOp(store, store.selectedOperation, store.sliders);
  store.displayedStage = store.workingStage;
  session_.publish(Change::TextureNames | Change::Stages);
  return true;
}

bool TextureEditorModel::setTypeIndex(int index) {
  Texture& texture = session_.textures().currentTexture();
  if (index < 0 || index >= static_cast<int>(kTypes.size()) || index == texture.type) return false;
  texture.type = index;
  session_.publish(Change::TextureNames | Change::Stages);
  return true;
}

bool TextureEditorModel::setName(std::string_view text) {
  if (text.find_first_of(";\r\n") != std::string_view::npos) return false;
  const std::string_view cut = cutToBytes(text, kNameFieldMax);
  std::string& name = session_.textures().currentTexture().name;
  if (name == cut) return false;
  name = cut;
  session_.publish(Change::TextureNames);
  return true;
}

std::string TextureEditorModel::timingTest(Clock& clock) {
  TextureStore& store = session_.textures();
  const int working = store.workingStage;
  const double start = clock.milliseconds();
  for (int k = 0; k < kTimingCopies; ++k)
    copyStage(store.stage(working), store.stage(working - 1), store.size());
  const double elapsed = clock.milliseconds() - start;
  store.displayedStage = working;
  session_.publish(Change::Stages);
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", elapsed);
  return text;
}

}  // namespace tess
