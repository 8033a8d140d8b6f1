#include <algorithm>

#include "fuzz_target.hpp"
#include "test_project.hpp"
#include "scene/geometry_text.hpp"
#include "scene/scene_layer_file.hpp"

namespace tess::fuzz {

namespace {

void expectSelectionInRange(const SceneStore& store) {
  const Scene& scene = store.activeScene();
  expect(scene.currentObject <= std::max(scene.objectCount - 1, 0),
         "the current object is in the scene");
  const int modifiers = scene.modifiers[scene.currentObject].count;
  expect(modifiers >= 0 && modifiers <= kModifierCapacity, "the modifier count fits");
  expect(store.currentModifier >= -1 && store.currentModifier < modifiers,
         "the current modifier is in the list");
}

std::string geometryText(const SceneStore& store) {
  return writtenText([&](TextWriter& out) { writeGeometry(store, out); });
}

}  // namespace

TESS_FUZZ_TARGET(scene_layer) {
  static FuzzFiles files;
  static testing::TestProject project, again;
  const std::string before = geometryText(*project.scenes);
  const std::filesystem::path file = files.write("input.tsl", input);
  const Status loaded = loadSceneLayer(project.project, file);
  if (!loaded.ok()) {
    expectRefusal(loaded, file);
    expect(geometryText(*project.scenes) == before,
           "a refused scene layer leaves the scenes as they were");
    return;
  }
  expectSelectionInRange(*project.scenes);
  const std::string written = sceneLayerText(project.scenes->activeScene());
  expect(loadSceneLayer(again.project, files.write("written.tsl", written)).ok(),
         "a written scene layer reads again");
  expect(sceneLayerText(again.scenes->activeScene()) == written,
         "a written scene layer reads again to the same scene");
}

}  // namespace tess::fuzz
