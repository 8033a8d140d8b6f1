#pragma once

// A music module rendered offline by libopenmpt, as fast as it decodes: for writing the music of
// a demo into a video, independent of any sound output.

#include <cstddef>
#include <filesystem>

#include "core/file_io.hpp"

struct openmpt_module;

namespace tess {

class ModuleRendering {
 public:
  ModuleRendering() = default;
  ~ModuleRendering();
  ModuleRendering(const ModuleRendering&) = delete;
  ModuleRendering& operator=(const ModuleRendering&) = delete;

  // Loads a module file, positioned at its beginning; the failure names the file and the
  // problem.
  Status load(const std::filesystem::path& path);
  bool loaded() const { return module_ != nullptr; }
  // The module's length as played once from its beginning, in seconds.
  double durationSeconds() const;
  // The next `frames` stereo sample frames at `rate`, interleaved left and right into out
  // (2 x frames floats); past the module's end they are silence.
  void render(int rate, std::size_t frames, float* out);

 private:
  openmpt_module* module_ = nullptr;
};

}  // namespace tess
