#pragma once

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

}  // namespace tess
