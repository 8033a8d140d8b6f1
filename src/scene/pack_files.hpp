#pragma once

// Loading and saving a whole project as a complex pack.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/file_io.hpp"
#include "scene/project.hpp"

namespace tess {

struct PackLoadOptions {
  bool regenerateTextures = true;
  // Called after each texture is regenerated, with that slot current, in slot order on the
  // loading thread (slots regenerate side by side on the other cores): the application renders a
  // frame so that the slot's device texture receives the image.
  std::function<void(int slot)> afterTexture;
};

struct PackLoad {
  Status status;
  // Texture command lines that name no operation, and a font that could not be loaded.
  std::vector<std::string> notices;
};

// Reads the whole file and parses it aside; only when all of it reads does it replace the
// project: font name and bitmap, scenes, materials, cameras 0..253, texture slots 0..253 (every
// slot's stage count is 1 before), the tracker when the pack has one. Then regenerates every slot
// with commands, makes camera slot 0 live, scene 0 and material 0 current, limits every scene's
// current object to its count, selects the current object's last modifier and takes undo
// snapshot "1". On failure the project is exactly as it was and the message names the file.
PackLoad loadPack(Project& project, const std::filesystem::path& path,
                  const PackLoadOptions& options = {});

// Runs the pre-save pass, then writes the pack atomically: a failed save leaves the previous
// file as it was and says why.
Status savePack(Project& project, const std::filesystem::path& path);

// The pre-save pass over the current scene: the slots that follow a cloning object lose what the
// clone expansion generated, so the file holds only what the user made.
void clearGeneratedClones(SceneStore& store);

}  // namespace tess
