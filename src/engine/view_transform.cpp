#include "engine/view_transform.hpp"

#include <cmath>

namespace tess {

ViewRotation ComputeViewRotation(const Camera& camera) {
  const double a = camera.targetX - camera.eyeX;
  const double b = camera.targetY - camera.eyeY;
  const double c = camera.targetZ - camera.eyeZ;
  ViewRotation r;
  r.phi = std::atan2(a, b);
  r.theta = std::atan2(std::sqrt(a * a + b * b), c);
  r.psi = std::atan2(-100 * std::sin(r.phi), 100 * std::cos(r.phi) * std::cos(r.theta)) + camera.roll;
  return r;
}

ViewTransform::ViewTransform(const Camera& camera, const ViewRotation& rotation, ViewMode mode)
    : targetX_(camera.targetX / 64),
      targetY_(camera.targetY / 64),
      targetZ_(camera.targetZ / 64),
      zoom_(camera.zoom),
      cosPhi_(std::cos(rotation.phi)),
      sinPhi_(std::sin(rotation.phi)),
      cosTheta_(std::cos(rotation.theta)),
      sinTheta_(std::sin(rotation.theta)),
      cosPsi_(std::cos(rotation.psi)),
      sinPsi_(std::sin(rotation.psi)),
      mode_(mode) {}

void ViewTransform::apply(double& px, double& py, double& pz) const {
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
