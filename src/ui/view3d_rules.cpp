#include "ui/view3d_rules.hpp"

namespace tess {

std::string sceneMenuTitle(double viewAngle, int scene, int camera) {
  return "3d view : angle xz: " + std::to_string(static_cast<int>(viewAngle)) +
         " scene:" + std::to_string(scene) + " camera:" + std::to_string(camera);
}

}  // namespace tess
