#include "scene/object_operations.hpp"

#include <utility>

#include "scene/pack_numbers.hpp"
#include "scene/scene_selection.hpp"
#include "scene/scene_slots.hpp"
#include "texture/interpreter.hpp"

namespace tess {

namespace {

Scene& activeScene(Project& project) {
  return project.scenes.activeScene();
}

bool hasCurrentObject(const Scene& scene) {
  return scene.currentObject < scene.objectCount;
}

void snapshot(Project& project) {
  project.undo.take(project.scenes);
}

// Every controlled object whose control object lies beyond index follows its slot by delta.
void renumberControls(Scene& scene, int index, int delta) {
  for (int i = 0; i < scene.objectCount; ++i) {
    SceneObject& o = scene.objects[i];
    if (o.controlMode != 0 && o.controlObject > index)
      o.controlObject = static_cast<std::uint8_t>(o.controlObject + delta);
  }
}

// Opens the slot after the current object, holding a copy of it, and makes it current.
bool insertCopyAfterCurrent(Scene& scene) {
  const int current = scene.currentObject, count = scene.objectCount;
  if (current >= kMaxObjects || count >= kMaxObjects || current >= count) return false;
  renumberControls(scene, current, +1);
  for (int k = count; k > current; --k) copySlot(scene, k - 1, k);
  scene.currentObject = static_cast<std::uint8_t>(current + 1);
  scene.objectCount = static_cast<std::uint8_t>(count + 1);
  return true;
}

// Copies slot from to the end and makes the copy current.
bool appendSlotCopy(Scene& scene, int from) {
  const int count = scene.objectCount;
  if (from >= kMaxObjects || count >= kMaxObjects || from >= count) return false;
  copySlot(scene, from, count);
  scene.currentObject = static_cast<std::uint8_t>(count);
  scene.objectCount = static_cast<std::uint8_t>(count + 1);
  return true;
}

void exchangeWith(Scene& scene, int neighbour) {
  const int current = scene.currentObject;
  std::swap(scene.objects[current], scene.objects[neighbour]);
  std::swap(scene.modifiers[current], scene.modifiers[neighbour]);
  scene.currentObject = static_cast<std::uint8_t>(neighbour);
}

bool stepCurrentObject(Project& project, int neighbour) {
  Scene& scene = activeScene(project);
  if (neighbour < 0 || neighbour >= scene.objectCount) return false;
  scene.currentObject = static_cast<std::uint8_t>(neighbour);
  selectLastModifier(project.scenes);
  applyTextureMaterialAutofocus(project);
  return true;
}

// The current object, once a snapshot has kept the state before the edit the caller is about to
// make; null without a current object.
SceneObject* currentObjectAfterSnapshot(Project& project) {
  Scene& scene = activeScene(project);
  if (!hasCurrentObject(scene)) return nullptr;
  snapshot(project);
  return &scene.objects[scene.currentObject];
}

// Stores the low bytes of a and b in two byte fields of the current object.
bool applyBytePair(Project& project, std::uint8_t SceneObject::*first,
                   std::uint8_t SceneObject::*second, int a, int b) {
  SceneObject* o = currentObjectAfterSnapshot(project);
  if (!o) return false;
  o->*first = low8(a);
  o->*second = low8(b);
  return true;
}

bool placeInControlFrame(Project& project, int sign, std::uint8_t mode) {
  Scene& scene = activeScene(project);
  if (!hasCurrentObject(scene)) return false;
  SceneObject& o = scene.objects[scene.currentObject];
  const SceneObject& control = scene.objects[o.controlObject];
  o.posX = low16(o.posX + sign * control.posX);
  o.posY = low16(o.posY + sign * control.posY);
  o.posZ = low16(o.posZ + sign * control.posZ);
  o.controlMode = mode;
  snapshot(project);
  return true;
}

}  // namespace

bool createObject(Project& project, int type) {
  Scene& scene = activeScene(project);
  if (scene.objectCount == 0) {
    // An empty scene (only a pack can hold one) gets its first object in slot 0.
    resetSlot(scene, 0, type);
    scene.currentObject = 0;
    scene.objectCount = 1;
  } else {
    if (!insertCopyAfterCurrent(scene)) return false;
    const int slot = scene.currentObject;
    const std::uint8_t texture = scene.objects[slot].texture;
    scene.objects[slot] = SceneObject{};
    scene.objects[slot].type = static_cast<std::uint8_t>(type);
    scene.objects[slot].texture = texture;
    scene.modifiers[slot].count = 0;
  }
  project.scenes.currentModifier = -1;
  snapshot(project);
  return true;
}

bool copyObject(Project& project) {
  if (!insertCopyAfterCurrent(activeScene(project))) return false;
  snapshot(project);
  return true;
}

bool appendCopy(Project& project) {
  Scene& scene = activeScene(project);
  if (!appendSlotCopy(scene, scene.currentObject)) return false;
  snapshot(project);
  return true;
}

bool deleteObject(Project& project) {
  Scene& scene = activeScene(project);
  const int current = scene.currentObject, count = scene.objectCount;
  if (count <= 1 || current >= count) return false;
  renumberControls(scene, current, -1);
  for (int k = current; k < count - 1; ++k) copySlot(scene, k + 1, k);
  scene.objectCount = static_cast<std::uint8_t>(count - 1);
  limitCurrentObject(scene);
  selectLastModifier(project.scenes);
  snapshot(project);
  applyTextureMaterialAutofocus(project);
  return true;
}

bool moveObjectUp(Project& project) {
  Scene& scene = activeScene(project);
  if (scene.currentObject + 1 >= scene.objectCount) return false;
  exchangeWith(scene, scene.currentObject + 1);
  snapshot(project);
  return true;
}

bool moveObjectDown(Project& project) {
  Scene& scene = activeScene(project);
  if (scene.currentObject == 0 || !hasCurrentObject(scene)) return false;
  exchangeWith(scene, scene.currentObject - 1);
  snapshot(project);
  return true;
}

bool cloneGroup(Project& project) {
  Scene& scene = activeScene(project);
  const int start = scene.currentObject;
  if (!hasCurrentObject(scene) || scene.objects[start].controlMode == 0) return false;
  const int control = scene.objects[start].controlObject;
  const int members = scene.objectCount;
  if (!appendSlotCopy(scene, control)) return false;
  const auto controlCopy = static_cast<std::uint8_t>(scene.currentObject);
  snapshot(project);
  for (int l = 0; l < members; ++l) {
    if (scene.objects[l].controlMode == 0 || scene.objects[l].controlObject != control) continue;
    if (!appendSlotCopy(scene, l)) break;
    // Set before the snapshot, so that the snapshot holds the finished copy.
    scene.objects[scene.currentObject].controlObject = controlCopy;
    snapshot(project);
  }
  scene.currentObject = static_cast<std::uint8_t>(start);
  return true;
}

bool ungroup(Project& project) {
  Scene& scene = activeScene(project);
  if (!hasCurrentObject(scene) || scene.objects[scene.currentObject].controlMode == 0) return false;
  const int control = scene.objects[scene.currentObject].controlObject;
  for (int i = 0; i < scene.objectCount; ++i) {
    SceneObject& o = scene.objects[i];
    if (o.controlMode != 0 && o.controlObject == control) o.controlMode = 0;
  }
  snapshot(project);
  return true;
}

void armControlPick(SceneStore& store) {
  store.controlPickArmed = true;
}

bool pickObject(Project& project, int picked) {
  Scene& scene = activeScene(project);
  if (picked < 0 || picked >= 254 || picked >= scene.objectCount || !hasCurrentObject(scene))
    return false;
  if (project.scenes.controlPickArmed) {
    SceneObject& o = scene.objects[scene.currentObject];
    o.controlObject = static_cast<std::uint8_t>(picked);
    o.controlMode = 1;
    project.scenes.controlPickArmed = false;
    snapshot(project);
  } else {
    scene.currentObject = static_cast<std::uint8_t>(picked);
  }
  selectLastModifier(project.scenes);
  applyTextureMaterialAutofocus(project);
  return true;
}

bool resetControlObject(Project& project) {
  Scene& scene = activeScene(project);
  if (!hasCurrentObject(scene)) return false;
  scene.objects[scene.currentObject].controlMode = 0;
  snapshot(project);
  return true;
}

bool toLocalCoordinates(Project& project) {
  return placeInControlFrame(project, +1, 1);
}
bool toGlobalCoordinates(Project& project) {
  return placeInControlFrame(project, -1, 2);
}

bool previousObject(Project& project) {
  return stepCurrentObject(project, activeScene(project).currentObject - 1);
}
bool nextObject(Project& project) {
  return stepCurrentObject(project, activeScene(project).currentObject + 1);
}

bool showMaterialAndTexture(Project& project) {
  SceneStore& store = project.scenes;
  if (!hasCurrentObject(store.activeScene())) return false;
  const SceneObject& o = store.activeObject();
  if (o.material < kMaterialCount) store.currentMaterial = o.material;
  if (project.textures.current != o.texture) selectTexture(project.textures, o.texture);
  return true;
}

void applyTextureMaterialAutofocus(Project& project) {
  if (project.scenes.textureMaterialAutofocus) showMaterialAndTexture(project);
}

bool applyPosition(Project& project, int x, int y, int z) {
  Scene& scene = activeScene(project);
  if (!hasCurrentObject(scene)) return false;
  snapshot(project);
  SceneObject& o = scene.objects[scene.currentObject];
  o.posX = low16(x);
  o.posY = low16(y);
  o.posZ = low16(z);
  snapshot(project);
  return true;
}

bool applyGrid(Project& project, int segU, int segV) {
  return applyBytePair(project, &SceneObject::segU, &SceneObject::segV, segU, segV);
}

bool applySize(Project& project, int size) {
  SceneObject* o = currentObjectAfterSnapshot(project);
  if (!o) return false;
  const int axis = project.scenes.sizeAxis;
  if (axis == 0 || axis == 3) o->sizeX = low16(size);
  if (axis == 1 || axis == 3) o->sizeY = low16(size);
  if (axis == 2 || axis == 3) o->sizeZ = low16(size);
  return true;
}

bool applyMosaic(Project& project, int mosaic1, int mosaic2) {
  return applyBytePair(project, &SceneObject::mosaic1, &SceneObject::mosaic2, mosaic1, mosaic2);
}

}  // namespace tess
