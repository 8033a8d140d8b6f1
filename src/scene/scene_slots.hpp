#pragma once

// Moving and resetting object slots: an object travels with its modifier list and its clone
// settings.

#include "scene/scene_types.hpp"

namespace tess {

inline void copySlot(Scene& scene, int from, int to) {
  scene.objects[to] = scene.objects[from];
  scene.modifiers[to] = scene.modifiers[from];
  scene.clones[to] = scene.clones[from];
}

// A new object of the given type: creation defaults, no modifiers, not cloned.
inline void resetSlot(Scene& scene, int slot, int type) {
  scene.objects[slot] = SceneObject{};
  scene.objects[slot].type = static_cast<std::uint8_t>(type);
  scene.modifiers[slot].count = 0;
  scene.clones[slot] = CloneSettings{};
}

}  // namespace tess
