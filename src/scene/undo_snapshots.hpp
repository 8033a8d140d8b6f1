#pragma once

// Undo snapshots: the geometry block written into numbered files "1", "2", ... of a private
// folder made for this run (under $XDG_RUNTIME_DIR, else the system temporary folder) and
// removed with everything in it when the owner is destroyed. The store's snapshotCounter is the
// number of the last snapshot; there is no redo.

#include <filesystem>

#include "core/file_io.hpp"
#include "scene/scene_store.hpp"

namespace tess {

class UndoSnapshots {
 public:
  UndoSnapshots();
  ~UndoSnapshots();
  UndoSnapshots(const UndoSnapshots&) = delete;
  UndoSnapshots& operator=(const UndoSnapshots&) = delete;

  // Empty when no private folder could be made; every snapshot then fails.
  const std::filesystem::path& folder() const { return folder_; }

  // Counts the snapshot and writes the scenes' geometry into the file of that number.
  Status take(SceneStore& store);

  // After a load: the counter starts again, so that the loaded state is snapshot "1".
  Status restart(SceneStore& store) {
    store.snapshotCounter = 0;
    return take(store);
  }

  // With a counter above 1: steps back one snapshot and reads its geometry. The current scene
  // stays (limited to the scenes that exist), every scene's current object is limited to its count
  // and currentModifier to the current object's list. A snapshot that cannot be read changes
  // nothing, the counter included. Returns false when there was nothing to undo or it failed.
  bool undo(SceneStore& store, Status* failure = nullptr);

 private:
  std::filesystem::path folder_;
};

}  // namespace tess
