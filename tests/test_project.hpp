#pragma once

#include <memory>
#include <string>

#include "scene/complex_pack_text.hpp"
#include "scene/project.hpp"

namespace tess::testing {

// The stores a test of the scene layer works on, on the heap (the texture store alone is about 120 MB of
// lazily zeroed work areas). The editor owns its stores through EditorSession; these tests
// exercise the layer below it.
struct TestProject {
  std::unique_ptr<SceneStore> scenes = std::make_unique<SceneStore>();
  std::unique_ptr<TextureStore> textures = std::make_unique<TextureStore>();
  TrackerTable tracker;
  UndoSnapshots undo;
  Project project{*scenes, *textures, tracker, undo};

  std::string packText() const { return tess::packText(*scenes, textures->slots, tracker); }
  Scene& scene(int s) { return scenes->scenes[s]; }
};
}  // namespace tess::testing
