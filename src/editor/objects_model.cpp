#include "editor/objects_model.hpp"

#include <algorithm>

#include "editor/editor_session.hpp"
#include "editor/typed_number.hpp"
#include "scene/object_operations.hpp"
#include "scene/scene_codes.hpp"
#include "scene/scene_selection.hpp"

namespace tess {
namespace {

constexpr Changes kNavigation = Change::CurrentObject | Change::CurrentModifier;

// The typed number when it lies in low..high, else what the field holds.
int typedOr(std::string_view text, int low, int high, int stored) {
  return parseTypedNumber(text, low, high).value_or(stored);
}

template <typename Names>
std::vector<std::string> slotEntries(const Names& slots, int count) {
  std::vector<std::string> entries;
  entries.reserve(count);
  for (int slot = 0; slot < count; ++slot) entries.push_back(slotCaption(slots[slot].name, slot));
  return entries;
}

}  // namespace

std::string objectTypeName(int type) {
  if (type < 0 || type >= kObjectTypeCount) return std::to_string(type);
  return std::string(kObjectTypeNames[type]);
}

std::string objectListLine(int index, int type) {
  return std::to_string(index) + ":" + objectTypeName(type);
}

std::string sizeAxisCaption(int axis, int selectedAxis) {
  static constexpr const char* kAxes[] = {"x", "y", "z", "all"};
  const std::string name = axis >= 0 && axis < 4 ? kAxes[axis] : "";
  return axis == selectedAxis ? "[" + name + "]" : name;
}

std::string slotCaption(const std::string& name, int slot) {
  return name.empty() ? std::to_string(slot) : name;
}

ObjectsModel::ObjectsModel(EditorSession& session) : session_(session) {
  Scene& scene = session_.scenes().activeScene();
  std::fill(scene.clones.begin(), scene.clones.end(), CloneSettings{});
}

bool ObjectsModel::hasObject() const {
  const Scene& scene = session_.scenes().activeScene();
  return scene.currentObject < scene.objectCount;
}

int ObjectsModel::objectNumber() const { return session_.scenes().activeObjectIndex(); }

const SceneObject& ObjectsModel::object() const { return session_.scenes().activeObject(); }

const CloneSettings& ObjectsModel::clone() const {
  return session_.scenes().activeScene().clones[objectNumber()];
}

std::vector<std::string> ObjectsModel::objectLines() const {
  const Scene& scene = session_.scenes().activeScene();
  std::vector<std::string> lines;
  lines.reserve(scene.objectCount);
  for (int index = scene.objectCount - 1; index >= 0; --index)
    lines.push_back(objectListLine(index, scene.objects[index].type));
  return lines;
}

int ObjectsModel::selectedLine() const {
  if (!hasObject()) return -1;
  return session_.scenes().activeScene().objectCount - 1 - objectNumber();
}

int ObjectsModel::sizeAxis() const { return session_.scenes().sizeAxis; }

int ObjectsModel::shownSize() const {
  const SceneObject& o = object();
  switch (sizeAxis()) {
    case 0: return o.sizeX;
    case 1: return o.sizeY;
    case 2: return o.sizeZ;
    default: return (o.sizeX + o.sizeY + o.sizeZ) / 3;
  }
}

int ObjectsModel::sliderHigh() const { return std::clamp(shownSize() / 256, 0, kSliderHighMax); }

int ObjectsModel::sliderLow() const {
  return shownSize() < 0 ? 0 : shownSize() % 256;
}

std::string ObjectsModel::normalCaption() const {
  const int mode = object().normalMode;
  return mode < kNormalModeCount ? std::string(kNormalModeCaptions[mode]) : std::to_string(mode);
}

std::string ObjectsModel::localCaption() const {
  return object().controlMode == 1 ? "*locCS" : "locCS";
}

std::string ObjectsModel::globalCaption() const {
  return object().controlMode == 2 ? "*glCS" : "glCS";
}

bool ObjectsModel::resetControlVisible() const { return object().controlMode != 0; }

std::vector<std::string> ObjectsModel::textureEntries() const {
  return slotEntries(session_.textures().slots, kTextureSlotCount);
}

std::vector<std::string> ObjectsModel::materialEntries() const {
  return slotEntries(session_.scenes().materials, kMaterialCount);
}

bool ObjectsModel::acceptsTyping() const {
  const WindowLayout& layout = session_.layout();
  return layout.autofocusOff != 0 || layout.focusedWindow == kFocusObjects;
}

bool ObjectsModel::act(Changes changes, bool acted) {
  if (acted) session_.publish(changes);
  return acted;
}

Changes ObjectsModel::autofocusChanges() const {
  if (!session_.scenes().textureMaterialAutofocus) return {};
  return Change::CurrentMaterial | Change::CurrentTexture | Change::Stages;
}

bool ObjectsModel::previous() {
  return act(kNavigation | autofocusChanges(), previousObject(session_.project()));
}

bool ObjectsModel::next() {
  return act(kNavigation | autofocusChanges(), nextObject(session_.project()));
}

bool ObjectsModel::goTo(int index) {
  Scene& scene = session_.scenes().activeScene();
  if (index < 0 || index >= scene.objectCount) return false;
  scene.currentObject = static_cast<std::uint8_t>(index);
  selectLastModifier(session_.scenes());
  return act(kNavigation, true);
}

bool ObjectsModel::first() { return goTo(0); }

bool ObjectsModel::last() { return goTo(session_.scenes().activeScene().objectCount - 1); }

bool ObjectsModel::selectLine(int line) {
  return goTo(session_.scenes().activeScene().objectCount - 1 - line);
}

bool ObjectsModel::create() { return session_.createObject(objtype::Sphere); }

bool ObjectsModel::copy() { return session_.copyObject(); }

bool ObjectsModel::remove() { return session_.deleteObject(); }

bool ObjectsModel::moveUp() { return act(kObjectEdit, moveObjectUp(session_.project())); }

bool ObjectsModel::moveDown() { return act(kObjectEdit, moveObjectDown(session_.project())); }

bool ObjectsModel::storeObject(const SceneObject& changed) {
  if (!hasObject() || changed == object()) return false;
  session_.scenes().activeObject() = changed;
  session_.undoSnapshots().take(session_.scenes());
  session_.publish(Change::Objects);
  return true;
}

bool ObjectsModel::storeClone(const CloneSettings& changed) {
  if (!hasObject() || changed == clone()) return false;
  session_.scenes().activeClone() = changed;
  session_.undoSnapshots().take(session_.scenes());
  session_.publish(Change::Objects);
  return true;
}

bool ObjectsModel::chooseType(int type) {
  return chooseField(&SceneObject::type, type, kObjectTypeCount);
}

bool ObjectsModel::chooseBlend(int blend) {
  return chooseField(&SceneObject::blend, blend, kBlendModeCount);
}

bool ObjectsModel::chooseTexture(int slot) {
  return chooseField(&SceneObject::texture, slot, kTextureSlotCount);
}

bool ObjectsModel::chooseMaterial(int slot) {
  return chooseField(&SceneObject::material, slot, kMaterialCount);
}

bool ObjectsModel::chooseField(std::uint8_t SceneObject::*field, int value, int count) {
  if (value < 0 || value >= count) return false;
  SceneObject changed = object();
  changed.*field = static_cast<std::uint8_t>(value);
  return storeObject(changed);
}

bool ObjectsModel::cycleNormalMode() {
  SceneObject changed = object();
  changed.normalMode = nextNormalMode(changed.normalMode);
  return storeObject(changed);
}

bool ObjectsModel::chooseCloneType(int type) {
  if (type < 0 || type >= kCloneTypeCount) return false;
  CloneSettings changed = clone();
  changed.cloneType = static_cast<std::uint8_t>(type);
  return storeClone(changed);
}

bool ObjectsModel::lowerCloneCount() {
  CloneSettings changed = clone();
  if (changed.cloneCount == 0) return false;
  --changed.cloneCount;
  return storeClone(changed);
}

bool ObjectsModel::raiseCloneCount() {
  CloneSettings changed = clone();
  if (changed.cloneCount >= kCloneSlotLimit) return false;
  ++changed.cloneCount;
  return storeClone(changed);
}

void ObjectsModel::chooseSizeAxis(int axis) {
  if (axis >= 0 && axis <= 3) session_.scenes().sizeAxis = axis;
}

bool ObjectsModel::sizeDiffers(int size) const {
  const SceneObject& o = object();
  switch (sizeAxis()) {
    case 0: return o.sizeX != size;
    case 1: return o.sizeY != size;
    case 2: return o.sizeZ != size;
    default: return o.sizeX != size || o.sizeY != size || o.sizeZ != size;
  }
}

bool ObjectsModel::moveSizeSliders(int high, int low) {
  const int size = std::clamp(high, 0, kSliderHighMax) * 256 + std::clamp(low, 0, kSliderLowMax);
  if (!hasObject() || !sizeDiffers(size)) return false;
  return act(Change::Objects, applySize(session_.project(), size));
}

bool ObjectsModel::typeSize(std::string_view text) {
  const auto size = parseTypedNumber(text, 0, kSizeMax);
  if (!acceptsTyping() || !hasObject() || !size || !sizeDiffers(*size)) return false;
  return act(Change::Objects, applySize(session_.project(), *size));
}

bool ObjectsModel::typePlacement(const PlacementTexts& texts) {
  if (!acceptsTyping() || !hasObject()) return false;
  const SceneObject o = object();
  const int segU = typedOr(texts.segU, 0, 255, o.segU), segV = typedOr(texts.segV, 0, 255, o.segV);
  const int mosaic1 = typedOr(texts.mosaic1, 0, 255, o.mosaic1);
  const int mosaic2 = typedOr(texts.mosaic2, 0, 255, o.mosaic2);
  const int x = typedOr(texts.posX, -32768, 32767, o.posX);
  const int y = typedOr(texts.posY, -32768, 32767, o.posY);
  const int z = typedOr(texts.posZ, -32768, 32767, o.posZ);
  // Only the groups that change are applied, so that each keeps its snapshot for undo.
  Project& project = session_.project();
  bool acted = false;
  if (segU != o.segU || segV != o.segV) acted |= applyGrid(project, segU, segV);
  if (mosaic1 != o.mosaic1 || mosaic2 != o.mosaic2) acted |= applyMosaic(project, mosaic1, mosaic2);
  const bool moved = (x != o.posX || y != o.posY || z != o.posZ) && applyPosition(project, x, y, z);
  return act(moved ? Change::Objects | Change::CurrentObject : Changes(Change::Objects),
             acted || moved);
}

bool ObjectsModel::typeClones(std::string_view count, std::string_view coeff1,
                              std::string_view coeff2) {
  if (!acceptsTyping() || !hasObject()) return false;
  CloneSettings changed = clone();
  const int inside = kCoefficientLimit - 1;
  changed.cloneCoeff1 = static_cast<std::int16_t>(typedOr(coeff1, -inside, inside, changed.cloneCoeff1));
  changed.cloneCoeff2 = static_cast<std::int16_t>(typedOr(coeff2, -inside, inside, changed.cloneCoeff2));
  const int room = kCloneSlotLimit - 1 - objectNumber();
  changed.cloneCount = static_cast<std::uint8_t>(typedOr(count, 0, room, changed.cloneCount));
  return storeClone(changed);
}

void ObjectsModel::armControlPick() { session_.armControlPick(); }

bool ObjectsModel::resetControlObject() { return session_.resetControlObject(); }

bool ObjectsModel::toLocalCoordinates() {
  return act(Change::Objects, tess::toLocalCoordinates(session_.project()));
}

bool ObjectsModel::toGlobalCoordinates() {
  return act(Change::Objects, tess::toGlobalCoordinates(session_.project()));
}

}  // namespace tess
