#pragma once

#include <memory>
#include <string>

namespace tess::gl {

// An OpenGL 3.3 core context without any display or window (EGL surfaceless platform), for the
// command-line tool and the tests. Current on the creating thread from creation to destruction.
class HeadlessContext {
 public:
  // Nothing, with `error` saying why, when the platform, the API or a 3.3 core context is missing.
  static std::unique_ptr<HeadlessContext> create(std::string& error);
  ~HeadlessContext();

  HeadlessContext(const HeadlessContext&) = delete;
  HeadlessContext& operator=(const HeadlessContext&) = delete;

 private:
  HeadlessContext() = default;
  void* display_ = nullptr;
  void* context_ = nullptr;
};

}  // namespace tess::gl
