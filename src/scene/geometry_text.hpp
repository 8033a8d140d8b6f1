#pragma once

// The geometry block: every scene's objects, modifier lists and clone settings. It is a section
// of the pack and, written alone, an undo snapshot.
//
//   sceneCount,
//   per scene: its object count and 23 list lines          (see scene_text.hpp)
//   (empty line)
//   per scene: one modifier line per object, then an empty line
//   (empty line) clones
//   per scene: one line of clone settings

#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.hpp"
#include "scene/scene_store.hpp"
#include "scene/scene_text.hpp"

namespace tess {

struct GeometryRead {
  std::vector<SceneRead> scenes;  // sceneCount entries
};

void writeGeometry(const SceneStore& store, TextWriter& out);

// Reads a geometry block that starts at text[pos] and ends at the end of text (the caller cuts
// the text at the next section). Without "clones" the scenes read carry no clone settings.
// Fails on a scene count outside 1..64 or an object or modifier count beyond its table.
Status readGeometry(std::string_view text, std::size_t pos, GeometryRead& read);

// Replaces the scene count and the scenes read; clone settings only when the block had them.
void applyGeometry(const GeometryRead& read, SceneStore& store);

}  // namespace tess
