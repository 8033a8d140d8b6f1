#pragma once

#include <memory>

#include "scene/scene_store.hpp"
#include "scene/tracker_table.hpp"
#include "scene/undo_snapshots.hpp"
#include "texture/texture_store.hpp"

namespace tess {

// The stores a pack holds and the undo folder, as the application owns them. Loading, merging
// and the object operations work on these together.
struct Project {
  SceneStore& scenes;
  TextureStore& textures;
  TrackerTable& tracker;
  UndoSnapshots& undo;
};

// A project that owns its stores, on the heap (the texture store alone is about 120 MB of lazily
// zeroed work areas): what a command-line run, a test or a benchmark works on.
struct OwnedProject {
  std::unique_ptr<SceneStore> scenes = std::make_unique<SceneStore>();
  std::unique_ptr<TextureStore> textures = std::make_unique<TextureStore>();
  TrackerTable tracker;
  UndoSnapshots undo;
  Project project{*scenes, *textures, tracker, undo};
};

}  // namespace tess
