#pragma once

// The single-material file (.tmt): one material line (material_text.hpp) for currentMaterial.

#include <filesystem>

#include "core/file_io.hpp"
#include "scene/scene_store.hpp"

namespace tess {

Status saveMaterial(const SceneStore& store, const std::filesystem::path& path);

// Replaces material currentMaterial; a file that does not read changes nothing.
Status loadMaterial(SceneStore& store, const std::filesystem::path& path);

}  // namespace tess
