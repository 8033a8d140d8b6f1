#include "timeline/music/module_file.hpp"

#include <libopenmpt/libopenmpt.h>

#include <string>

namespace tess {

Status openModuleFile(const std::filesystem::path& path, openmpt_module*& module) {
  std::string data;
  if (Status read = readWholeFile(path, data); !read.ok()) return read;
  int error = 0;
  module = openmpt_module_create_from_memory2(data.data(), data.size(), openmpt_log_func_silent,
                                              nullptr, openmpt_error_func_ignore, nullptr, &error,
                                              nullptr, nullptr);
  if (module == nullptr) return Status::failure("'" + path.string() + "': not a music module");
  return Status::success();
}

}  // namespace tess
