#pragma once

// Keeping the selection inside what exists after the tables change shape.

#include <algorithm>

#include "scene/scene_store.hpp"

namespace tess {

// A current object at or beyond the count becomes the last object (0 in an empty scene).
inline void limitCurrentObject(Scene& scene) {
  if (scene.currentObject >= scene.objectCount)
    scene.currentObject = static_cast<std::uint8_t>(std::max(scene.objectCount - 1, 0));
}

inline void limitCurrentObjects(SceneStore& store) {
  for (Scene& scene : store.scenes) limitCurrentObject(scene);
}

// currentModifier becomes the last modifier of the current object (-1 when it has none).
inline void selectLastModifier(SceneStore& store) {
  store.currentModifier = store.activeModifiers().count - 1;
}

}  // namespace tess
