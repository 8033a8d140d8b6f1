#pragma once

// The scene layer (.tsl): the current scene's objects, modifier lists and clone settings, to
// move a scene between projects. Same encodings as the pack's geometry block:
//   object count, the 23 list lines, an empty line, one modifier line per object,
//   an empty line, "clones", then cloneCount, cloneType, cloneCoeff1 of every object.
// cloneCoeff2 is not stored.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/file_io.hpp"
#include "scene/project.hpp"

namespace tess {

std::string sceneLayerText(const Scene& scene);

// Replaces the current scene's objects and modifier lists and, when the file has "clones", the
// clone count, type and first coefficient of each object; other scenes are untouched. Object 0
// becomes current with its last modifier, and undo starts again from this state. A file that
// does not read changes nothing; the message names the file and the problem.
Status loadSceneLayer(Project& project, const std::filesystem::path& path);
Status saveSceneLayer(const SceneStore& store, const std::filesystem::path& path);

}  // namespace tess
