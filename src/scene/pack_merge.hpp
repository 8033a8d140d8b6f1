#pragma once

// "Merge packs": the current project is appended behind a second pack. The second pack's
// materials, textures and scenes keep their numbers; the current project's follow them.

#include <filesystem>
#include <optional>

#include "scene/pack_files.hpp"

namespace tess {

// chosen is the file picked in the open dialog; without one (the dialog was cancelled) nothing
// happens. A pack that fails to load leaves the project as it was. Otherwise, with m the highest
// material and t the highest texture the loaded pack uses, plus one: the current project's
// materials move to m.., its textures to t.. (references, render-scene objects and RenderScene
// commands follow), its scenes behind the loaded ones; whatever passes slot 254 or scene 63 is
// dropped. The merged-in textures are not regenerated: the user saves and reopens the pack.
PackLoad mergePack(Project& project, const std::optional<std::filesystem::path>& chosen,
                   const PackLoadOptions& options = {});

}  // namespace tess
