#include "scene/scene_layer_file.hpp"

#include "core/crt_text.hpp"
#include "scene/scene_selection.hpp"
#include "scene/scene_text.hpp"

namespace tess {

namespace {

Status readSceneLayer(std::string_view text, SceneRead& read) {
  NumberCursor cursor(text, 0);
  Status status = readSceneObjectLines(cursor, read);
  if (status.ok()) status = readModifierLines(cursor, read);
  if (!status.ok()) return status;
  if (std::optional<NumberCursor> clones = findCloneValues(text, cursor.position()))
    readCloneValues(*clones, false, read);
  return Status::success();
}

}  // namespace

std::string sceneLayerText(const Scene& scene) {
  return writtenText([&](TextWriter& out) {
    writeSceneObjectLines(scene, out);
    out.put('\n');
    writeModifierLines(scene, out);
    out.text("\nclones\n");
    writeCloneValues(scene, false, out);
  });
}

Status loadSceneLayer(Project& project, const std::filesystem::path& path) {
  std::string text;
  Status status = readWholeFile(path, text);
  if (!status.ok()) return status;
  SceneRead read;
  status = readSceneLayer(text, read);
  if (!status.ok()) return Status::failure("'" + path.string() + "': " + status.message);

  SceneStore& store = project.scenes;
  applySceneRead(read, false, store.activeScene());
  store.activeScene().currentObject = 0;
  // Selected after the current object is, so that it belongs to object 0.
  selectLastModifier(store);
  project.undo.restart(store);
  return Status::success();
}

Status saveSceneLayer(const SceneStore& store, const std::filesystem::path& path) {
  return writeFileAtomically(path, sceneLayerText(store.activeScene()));
}

}  // namespace tess
