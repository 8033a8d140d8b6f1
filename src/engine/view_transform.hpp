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
  // Inline: every grid point of every build passes through it.
  void apply(double& px, double& py, double& pz) const;

 private:
  double targetX_, targetY_, targetZ_, zoom_;
  double cosPhi_, sinPhi_, cosTheta_, sinTheta_, cosPsi_, sinPsi_;
  ViewMode mode_;
};

inline void ViewTransform::apply(double& px, double& py, double& pz) const {
  const double x = (px - targetX_) * zoom_;
  const double y = (py - targetY_) * zoom_;
  const double z = (pz - targetZ_) * zoom_;
  const double a = cosPhi_ * x - sinPhi_ * y;
  const double b = sinPhi_ * x + cosPhi_ * y;
  const double d = cosTheta_ * b - sinTheta_ * z;
  const double zr = sinTheta_ * b + cosTheta_ * z;
  px = cosPsi_ * a - sinPsi_ * d;
  const double yr = sinPsi_ * a + cosPsi_ * d;
  switch (mode_) {
    case ViewMode::Normal: py = yr; pz = zr; break;
    case ViewMode::Up: py = -zr; pz = yr; break;
    case ViewMode::Bottom: py = zr; pz = -yr; break;
  }
}

}  // namespace tess
