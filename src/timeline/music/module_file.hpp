#pragma once

#include <filesystem>

#include "core/file_io.hpp"

struct openmpt_module;

namespace tess {

// Reads a module file whole and opens it with libopenmpt, silently; on success module is the
// new module (the caller destroys it), on failure the message names the file and the problem.
Status openModuleFile(const std::filesystem::path& path, openmpt_module*& module);

}  // namespace tess
