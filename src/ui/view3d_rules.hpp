#pragma once

#include <string>

namespace tess {

// The 3D view's height for a width: the back buffer's 4:3 picture plus a 25-pixel title bar.
inline int view3dHeight(int backBufferWidth, int width) {
  return (backBufferWidth * 480 / 640 + 25) * width / backBufferWidth;
}

// The titles the 3D view shows.
inline constexpr const char* kView3dStartTitle = "3d view: normal mode";
// After a scene was added, deleted or chosen from the main menu.
std::string sceneMenuTitle(double viewAngle, int scene, int camera);

}  // namespace tess
