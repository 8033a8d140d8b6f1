#include "engine/gl/gl_version.hpp"

#include <epoxy/gl.h>

namespace tess::gl {

bool supportsCore33(std::string& error) {
  if (!epoxy_is_desktop_gl()) {
    error = "the OpenGL context is not desktop OpenGL";
    return false;
  }
  const int version = epoxy_gl_version();  // 10 * major + minor
  if (version < 33) {
    error = "OpenGL 3.3 is needed, the context offers " + std::to_string(version / 10) + "." +
            std::to_string(version % 10);
    return false;
  }
  return true;
}

}  // namespace tess::gl
