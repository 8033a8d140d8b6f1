#include "scene/undo_snapshots.hpp"

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "core/crt_text.hpp"
#include "scene/geometry_text.hpp"
#include "scene/scene_selection.hpp"

namespace tess {

namespace {

std::filesystem::path privateFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::error_code error;
  std::filesystem::path parent = runtime && *runtime ? std::filesystem::path(runtime)
                                                     : std::filesystem::temp_directory_path(error);
  std::string pattern = (parent / "tessarine-undo-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

// Snapshots live only for this run in a private folder: a plain write, without the flush to
// disk that a save needs (a full project's snapshot is tens of megabytes, taken at every edit).
Status writeSnapshot(const std::filesystem::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.close();
  if (!file) return Status::failure("'" + path.string() + "': cannot write the undo snapshot");
  return Status::success();
}

}  // namespace

UndoSnapshots::UndoSnapshots() : folder_(privateFolder()) {}

UndoSnapshots::~UndoSnapshots() {
  std::error_code ignored;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

Status UndoSnapshots::take(SceneStore& store) {
  if (folder_.empty()) return Status::failure("undo snapshots: no private folder could be made");
  const std::string text = writtenText([&](TextWriter& out) { writeGeometry(store, out); });
  Status status = writeSnapshot(folder_ / itoa10(store.snapshotCounter + 1), text);
  if (status.ok()) ++store.snapshotCounter;  // the counter only ever names files that exist
  return status;
}

bool UndoSnapshots::undo(SceneStore& store, Status* failure) {
  if (store.snapshotCounter <= 1) return false;
  const std::filesystem::path file = folder_ / itoa10(store.snapshotCounter - 1);
  std::string text;
  Status status = readWholeFile(file, text);
  GeometryRead read;
  if (status.ok()) {
    status = readGeometry(text, 0, read);
    if (!status.ok()) status = Status::failure("'" + file.string() + "': " + status.message);
  }
  if (!status.ok()) {
    if (failure) *failure = status;
    return false;
  }
  --store.snapshotCounter;
  applyGeometry(read, store);
  store.currentScene = std::min<int>(store.currentScene, store.sceneCount - 1);
  limitCurrentObjects(store);
  store.currentModifier = std::min(store.currentModifier, store.activeModifiers().count - 1);
  return true;
}

}  // namespace tess
