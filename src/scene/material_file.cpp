#include "scene/material_file.hpp"

#include <string>

#include "scene/material_text.hpp"

namespace tess {

Status saveMaterial(const SceneStore& store, const std::filesystem::path& path) {
  const Material& material = store.materials[store.currentMaterial];
  return writeFileAtomically(
      path, writtenText([&](TextWriter& out) { writeMaterialLine(material, out); }));
}

Status loadMaterial(SceneStore& store, const std::filesystem::path& path) {
  std::string text;
  Status status = readWholeFile(path, text);
  if (!status.ok()) return status;
  MaterialLineRead read;
  status = readMaterialLine(text, 0, read);
  if (!status.ok()) return Status::failure("'" + path.string() + "': " + status.message);
  store.materials[store.currentMaterial] = std::move(read.material);
  return Status::success();
}

}  // namespace tess
