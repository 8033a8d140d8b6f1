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

}  // namespace tess
