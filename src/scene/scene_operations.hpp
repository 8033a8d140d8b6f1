#pragma once

// Adding, deleting, selecting and clearing scenes. Each returns whether it acted; at its limits it
// refuses silently. The window side (the "Scenes" menu entries, the 3D view title) follows
// sceneCount and currentScene.

#include "scene/project.hpp"

namespace tess {

// A new last scene holding one sphere (size 64, grid 32 by 32, no modifiers), made current.
// Refused at 64 scenes.
bool addScene(SceneStore& store);
// The last scene goes; the new last scene becomes current. Refused with one scene left.
bool deleteLastScene(SceneStore& store);
bool selectScene(SceneStore& store, int scene);
// After the user confirmed "Do yo want to clear scene?": a snapshot first, then the current scene
// holds one sphere of size 32 without modifiers. Object 0 keeps its control fields and clone
// settings.
void clearScene(Project& project);

}  // namespace tess
