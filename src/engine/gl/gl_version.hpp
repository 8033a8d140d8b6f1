#pragma once

#include <string>

namespace tess::gl {

// Whether the current context is OpenGL 3.3 or newer; otherwise `error` names the version found.
bool supportsCore33(std::string& error);

}  // namespace tess::gl
