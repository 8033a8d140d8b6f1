#include <memory>

#include "fuzz_target.hpp"
#include "scene/material_file.hpp"
#include "scene/material_text.hpp"

namespace tess::fuzz {

namespace {

std::string materialsText(const SceneStore& store) {
  return writtenText([&](TextWriter& out) {
    for (const Material& material : store.materials) writeMaterialLine(material, out);
  });
}

// What saving the current material writes.
std::string materialLine(const SceneStore& store) {
  return writtenText(
      [&](TextWriter& out) { writeMaterialLine(store.materials[store.currentMaterial], out); });
}

}  // namespace

TESS_FUZZ_TARGET(material_file) {
  static FuzzFiles files;
  static const std::unique_ptr<SceneStore> store = std::make_unique<SceneStore>(),
                                           again = std::make_unique<SceneStore>();
  // Each input goes to another material slot, so that slots other than 0 are read into too.
  store->currentMaterial = (store->currentMaterial + 1) % kMaterialCount;
  const std::string before = materialsText(*store);
  const std::filesystem::path file = files.write("input.tmt", input);
  const Status loaded = loadMaterial(*store, file);
  if (!loaded.ok()) {
    expectRefusal(loaded, file);
    expect(materialsText(*store) == before, "a refused material leaves the materials as they were");
    return;
  }
  const std::string written = materialLine(*store);
  again->currentMaterial = store->currentMaterial;
  expect(loadMaterial(*again, files.write("written.tmt", written)).ok(),
         "a written material reads again");
  expect(materialLine(*again) == written, "a written material reads again to the same material");
}

}  // namespace tess::fuzz
