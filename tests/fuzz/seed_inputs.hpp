#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tess::fuzz {

// The targets, by the names their programs, dictionaries and kept findings go by.
inline constexpr std::string_view kTargets[] = {"complex_pack", "texture_text",  "material_file",
                                                "scene_layer",  "sample_file",   "sample_pack",
                                                "sample_log",   "window_scheme", "recent_files"};

// Real files to start a target from: the example project and textures, and the small files the
// writers make of the example project's materials, scenes and of a few sample lists.
std::vector<std::string> seedInputs(std::string_view target);

}  // namespace tess::fuzz
