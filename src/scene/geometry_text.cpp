#include "scene/geometry_text.hpp"

#include "core/crt_text.hpp"

namespace tess {

void writeGeometry(const SceneStore& store, TextWriter& out) {
  out.number(store.sceneCount);
  out.put('\n');
  for (int s = 0; s < store.sceneCount; ++s) writeSceneObjectLines(store.scenes[s], out);
  out.put('\n');
  for (int s = 0; s < store.sceneCount; ++s) {
    writeModifierLines(store.scenes[s], out);
    out.put('\n');
  }
  out.put('\n');
  out.text(kClonesKey);
  out.put('\n');
  for (int s = 0; s < store.sceneCount; ++s) writeCloneValues(store.scenes[s], true, out);
}

Status readGeometry(std::string_view text, std::size_t pos, GeometryRead& read) {
  NumberCursor cursor(text, pos);
  const int sceneCount = cursor.next();
  if (sceneCount < 1 || sceneCount > kSceneCapacity)
    return Status::failure("scene count " + itoa10(sceneCount) + " is outside 1.." +
                           itoa10(kSceneCapacity));
  read.scenes.assign(sceneCount, SceneRead{});
  for (int s = 0; s < sceneCount; ++s) {
    Status status = readSceneObjectLines(cursor, read.scenes[s]);
    if (!status.ok()) return Status::failure("scene " + itoa10(s) + ": " + status.message);
  }
  for (int s = 0; s < sceneCount; ++s) {
    Status status = readModifierLines(cursor, read.scenes[s]);
    if (!status.ok()) return Status::failure("scene " + itoa10(s) + ", " + status.message);
  }
  if (std::optional<NumberCursor> clones = findCloneValues(text, cursor.position()))
    for (SceneRead& scene : read.scenes) readCloneValues(*clones, true, scene);
  return Status::success();
}

void applyGeometry(const GeometryRead& read, SceneStore& store) {
  store.sceneCount = static_cast<std::uint8_t>(read.scenes.size());
  for (std::size_t s = 0; s < read.scenes.size(); ++s)
    applySceneRead(read.scenes[s], true, store.scenes[s]);
}

}  // namespace tess
