#include "timeline/music/module_rendering.hpp"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include "timeline/music/module_file.hpp"

namespace tess {

ModuleRendering::~ModuleRendering() {
  if (module_ != nullptr) openmpt_module_destroy(module_);
}

Status ModuleRendering::load(const std::filesystem::path& path) {
  openmpt_module* module = nullptr;
  if (Status opened = openModuleFile(path, module); !opened.ok()) return opened;
  if (module_ != nullptr) openmpt_module_destroy(module_);
  module_ = module;
  return Status::success();
}

double ModuleRendering::durationSeconds() const {
  return module_ != nullptr ? openmpt_module_get_duration_seconds(module_) : 0;
}

void ModuleRendering::render(int rate, std::size_t frames, float* out) {
  std::size_t done = 0;
  // libopenmpt hands out at most what one call asks for and 0 at the end of the module.
  while (module_ != nullptr && done < frames) {
    const std::size_t read = openmpt_module_read_interleaved_float_stereo(
        module_, rate, frames - done, out + 2 * done);
    if (read == 0) break;
    done += read;
  }
  std::fill(out + 2 * done, out + 2 * frames, 0.0f);
}

}  // namespace tess
