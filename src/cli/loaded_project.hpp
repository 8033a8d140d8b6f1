#pragma once

#include <memory>

#include "scene/project.hpp"

namespace tess::cli {

// The stores of one project, on the heap (the texture store alone is about 120 MB of lazily
// zeroed work areas).
struct LoadedProject {
  std::unique_ptr<SceneStore> scenes = std::make_unique<SceneStore>();
  std::unique_ptr<TextureStore> textures = std::make_unique<TextureStore>();
  TrackerTable tracker;
  UndoSnapshots undo;
  Project project{*scenes, *textures, tracker, undo};
};

}  // namespace tess::cli
