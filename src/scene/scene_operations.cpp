#include "scene/scene_operations.hpp"

#include "scene/scene_selection.hpp"
#include "scene/scene_slots.hpp"

namespace tess {

bool addScene(SceneStore& store) {
  if (store.sceneCount >= kSceneCapacity) return false;
  Scene& scene = store.scenes[store.sceneCount];
  // Nothing of a scene deleted earlier comes back with the new one.
  resetSlot(scene, 0, 0);
  scene.objectCount = 1;
  scene.currentObject = 0;
  store.currentScene = store.sceneCount;
  ++store.sceneCount;
  store.currentModifier = -1;
  return true;
}

bool deleteLastScene(SceneStore& store) {
  if (store.sceneCount <= 1) return false;
  --store.sceneCount;
  store.currentScene = static_cast<std::uint8_t>(store.sceneCount - 1);
  selectLastModifier(store);
  return true;
}

bool selectScene(SceneStore& store, int scene) {
  if (scene < 0 || scene >= store.sceneCount) return false;
  store.currentScene = static_cast<std::uint8_t>(scene);
  selectLastModifier(store);
  return true;
}

void clearScene(Project& project) {
  SceneStore& store = project.scenes;
  project.undo.take(store);
  Scene& scene = store.activeScene();
  scene.objectCount = 1;
  scene.currentObject = 0;
  SceneObject& o = scene.objects[0];
  o = SceneObject{0, 0, 0, 32, 32, 32, 0, 32, 32, 1, 1, 0, 0, 0, 0, o.controlObject, o.controlMode};
  scene.modifiers[0].count = 0;
  store.currentModifier = -1;
}

}  // namespace tess
