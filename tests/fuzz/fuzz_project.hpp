#pragma once

#include <memory>
#include <string>

#include "scene/complex_pack_text.hpp"
#include "scene/geometry_text.hpp"
#include "scene/project.hpp"

namespace tess::fuzz {

// A whole project on the heap (the texture store alone is about 120 MB of lazily zeroed work
// areas), made once per target program and reused for every input.
struct FuzzProject {
  std::unique_ptr<SceneStore> scenes = std::make_unique<SceneStore>();
  std::unique_ptr<TextureStore> textures = std::make_unique<TextureStore>();
  TrackerTable tracker;
  UndoSnapshots undo;
  Project project{*scenes, *textures, tracker, undo};

  std::string packText() const { return tess::packText(*scenes, textures->slots, tracker); }
  std::string geometryText() const {
    return writtenText([&](TextWriter& out) { writeGeometry(*scenes, out); });
  }
};

}  // namespace tess::fuzz
