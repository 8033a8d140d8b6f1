#pragma once

#include "scene/scene_types.hpp"

namespace tess {

// The camera's rotation angles (radians) and what the view transform needs besides them.
struct ViewRotation {
  double phi = 0, theta = 0, psi = 0;
};

// 0 normal, 1 up view, 2 bottom view.
enum class ViewMode { Normal = 0, Up = 1, Bottom = 2 };

// From the camera's target-to-eye direction and roll; run once per scene pass.
ViewRotation ComputeViewRotation(const Camera& camera);

// Precomputed sines and cosines of one pass's view transform.
class ViewTransform {
 public:
  ViewTransform(const Camera& camera, const ViewRotation& rotation, ViewMode mode);

  // Moves a point in generator axes (already offset by its object's position, in scene units)
  // into view space, still in generator axes: the caller stores (x, z, y).
  void apply(double& px, double& py, double& pz) const;

 private:
  double targetX_, targetY_, targetZ_, zoom_;
  double cosPhi_, sinPhi_, cosTheta_, sinTheta_, cosPsi_, sinPsi_;
  ViewMode mode_;
};

}  // namespace tess
