// The 3D view's wheel: roll with "D", modifier stepping, zoom, and the current modifier's two
// scalar parameters.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "editor/editor_session.hpp"
#include "editor/view3d_controller.hpp"

namespace tess {

void View3dController::wheel(int delta, HeldInputs held) {
  if (sliding_) return;
  Camera& camera = session_.scenes().liveCamera;
  if (dHeld_) {
    constexpr double kRollLimit = 1440 * std::numbers::pi / 180;
    camera.roll = std::clamp(camera.roll + delta / 1024.0, -kRollLimit, kRollLimit);
    changeCamera();
    return;
  }
  // Fine steps unless the left button alone is down.
  const double step = delta * (held.onlyLeftButton() ? 0.5 : 0.0625);
  if (held.shift && held.ctrl) {
    step > 0 ? modifiers_.previous() : modifiers_.next();
  } else if (held.onlyCtrl()) {
    camera.zoom = std::clamp(camera.zoom + step / 512, kZoomMin, kZoomMax);
    changeCamera();
  } else if (held.shift) {
    modifiers_.stepFirst(static_cast<int>(step));
  } else {
    modifiers_.offsetSecond(static_cast<int>(step));
  }
}

}  // namespace tess
