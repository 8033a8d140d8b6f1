#include "engine/point_generators.hpp"

#include <cmath>
#include <cstdint>

#include "engine/trig.hpp"
#include "scene/scene_codes.hpp"

namespace tess {

bool typeHasGeometry(int type) {
  return type >= objtype::Sphere && type <= objtype::TubeLoft2 && type != objtype::ZBufferCleaner;
}

PointGenerator::PointGenerator(const SceneObject& object, const ModifierList& path,
                               const TextureImage* heights, int displaceDepth, int face,
                               double& tilt)
    : o_(object),
      path_(path),
      heights_(heights),
      depth_(displaceDepth),
      face_(face),
      tilt_(tilt),
      segU_(object.segU),
      segV_(object.segV),
      sx_(object.sizeX),
      sy_(object.sizeY),
      sz_(object.sizeZ) {
  for (int c = 0; c <= segU_; ++c) {
    u_[c] = c * 360.0 / segU_;
    sinU_[c] = std::sin(radians(u_[c]));
    cosU_[c] = std::cos(radians(u_[c]));
  }
  // The torus ring angle b = 360 r / E with E the even part of segV; E = 0 (segV 1) keeps b = 0.
  const int even = 2 * (segV_ / 2);
  for (int r = 0; r <= segV_; ++r) {
    v_[r] = r * 360.0 / segV_;
    sinW_[r] = std::sin(radians(v_[r] / 2));
    cosW_[r] = std::cos(radians(v_[r] / 2));
    const double b = even == 0 ? 0.0 : 360.0 * r / even;
    sinB_[r] = std::sin(radians(b));
    cosB_[r] = std::cos(radians(b));
  }
}

int PointGenerator::height(int r, int c) const {
  if (!heights_) return 0;
  const int size = heights_->size;
  const int row = (r == segV_ ? 0 : r) % size;
  const int column = (c == segU_ ? 0 : c) % size;
  return heights_->pixels[(static_cast<std::size_t>(row) * size + column) * 4];
}

// 32-bit products wrap as the stored fields' arithmetic does.
static std::int32_t wrappingProduct(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

void PointGenerator::generate(int r, int c, MeshPoint& p) const {
  const double u = u_[c], v = v_[r];
  switch (o_.type) {
    case objtype::Sphere:
      p.px = sx_ * sinW_[r] * cosU_[c];
      p.py = sy_ * sinW_[r] * sinU_[c];
      p.pz = sz_ * cosW_[r];
      break;
    case objtype::Tube:
    case objtype::Cylinder:
    case objtype::Tank: {
      const bool closed = (r == segV_ && o_.type != objtype::Tube) || (r == 0 && o_.type == objtype::Cylinder);
      p.px = closed ? 0 : sx_ * sinU_[c];
      p.py = closed ? 0 : sy_ * cosU_[c];
      p.pz = sz_ * v / 180 - sz_;
      break;
    }
    case objtype::Flat:
      p.px = sx_ - 2 * sx_ * u / 360;
      p.py = 2 * sy_ * v / 360 - sy_;
      p.pz = 0;
      break;
    case objtype::Landscape: {
      const std::int32_t product = wrappingProduct(wrappingProduct(depth_, o_.sizeX), height(r, c));
      p.px = sx_ - 2 * sx_ * u / 360;
      p.py = -static_cast<std::int64_t>(product) / 16384;
      p.pz = 2 * sy_ * v / 360 - sy_;
      break;
    }
    case objtype::LandscapeOnSphere: {
      const double h = double(height(r, c)) * sx_ * depth_ / 256;
      p.px = (sx_ + h) * cosU_[c] * sinW_[r];
      p.py = (sy_ + h) * sinU_[c] * sinW_[r];
      p.pz = (sz_ + h) * cosW_[r];
      break;
    }
    case objtype::LandscapeOnTube: {
      const double h = double(height(r, c)) * sx_ * depth_ / 256;
      p.px = (sx_ + h) * sinU_[c];
      p.py = (sy_ + h) * cosU_[c];
      p.pz = sz_ * v / 180 - sz_;
      break;
    }
    case objtype::Cube: cubePoint(u, v, 180, p); break;
    case objtype::LandscapeOnCubePlus:
    case objtype::LandscapeOnCubeMinus: {
      const std::int32_t offset = wrappingProduct(depth_, height(r, c)) / 4;
      cubePoint(u, v, o_.type == objtype::LandscapeOnCubePlus ? 180 + offset : 180 - offset, p);
      break;
    }
    case objtype::Postprocessor:
      p.px = (sx_ * u / 360 - sx_ / 2) / 32;
      p.py = (sy_ * v / 360 - sy_ / 2) / 32;
      p.pz = 0;
      break;
    case objtype::Torus: torusPoint(r, c, 0, p); break;
    case objtype::LandscapeOnTorus:
      torusPoint(r, c, double(height(r, c)) * sx_ * depth_ / 16384, p);
      break;
    case objtype::Sun:
    case objtype::Lamp:
      p.px = 32 * sinW_[r] * cosU_[c];
      p.py = 32 * sinW_[r] * sinU_[c];
      p.pz = 32 * cosW_[r];
      break;
    case objtype::TubeLoft: loftPoint(r, c, p); break;
    case objtype::TubeLoft2: loft2Point(r, c, p); break;
    default: p.px = p.py = p.pz = 0; break;
  }
}

void PointGenerator::cubePoint(double u, double v, double distance, MeshPoint& p) const {
  const double U = u - 180, V = v - 180, R = distance;
  if (face_ < 4) {
    const double a = radians(90.0 * face_);
    p.px = std::cos(a) * U - std::sin(a) * R;
    p.pz = std::sin(a) * U + std::cos(a) * R;
    p.py = V;
  } else {
    const double a = radians(36.0 * (5 * face_ - 20) + 90);
    p.px = U;
    p.pz = std::cos(a) * R - std::sin(a) * V;
    p.py = std::sin(a) * R + std::cos(a) * V;
  }
  p.px = -sx_ * p.px / 180;
  p.py = -sy_ * p.py / 180;
  p.pz = -sz_ * p.pz / 180;
}

void PointGenerator::torusPoint(int r, int c, double ht, MeshPoint& p) const {
  const double sx = sx_ + ht, sy = sy_ + ht;
  const double q = 1 + sy * cosU_[c] / 64;
  p.px = -sx * sinU_[c] * sz_ / 64;
  p.py = -sz_ * q * cosB_[r];
  p.pz = sz_ * q * sinB_[r];
}

void PointGenerator::loftPoint(int r, int c, MeshPoint& p) const {
  p.px = sx_ * sinU_[c];
  p.py = sy_ * cosU_[c];
  p.pz = sz_ * v_[r] / 180 - sz_;
  if (r >= path_.count) return;
  const Modifier& k = path_.entries[r];
  const double S = k.p4;
  p.px = k.p1 + S * p.px / 256;
  p.py = k.p2 + S * p.py / 256;
  p.pz = k.p3 + p.pz;
}

void PointGenerator::loft2Point(int r, int c, MeshPoint& p) const {
  if (r >= path_.count) {
    p.px = sx_ * sinU_[c];
    p.py = sy_ * cosU_[c];
    p.pz = 0;
    return;
  }
  const auto& entries = path_.entries;
  const Modifier& k = entries[r];
  const double x = k.p4 * sx_ * sinU_[c] / 256;
  const double y = k.p4 * sy_ * cosU_[c] / 256;
  if (r > 0 && r < segV_) {
    // The entry after the last slot of the list does not exist: the outgoing direction is then 0.
    const Modifier& before = entries[r - 1];
    const Modifier& after = entries[r + 1 < kModifierCapacity ? r + 1 : r];
    tilt_ = (std::atan2(double(k.p2 - before.p2), double(k.p3 - before.p3)) +
             std::atan2(double(after.p2 - k.p2), double(after.p3 - k.p3))) / 2;
  }
  const bool tilted = r > 0;
  const double yOffset = tilted ? std::cos(tilt_) * y : y;
  const double zOffset = tilted ? -std::sin(tilt_) * y : 0;
  p.px = k.p1 + x;
  p.py = k.p2 + yOffset;
  p.pz = sz_ * v_[r] / 180 - sz_ + zOffset + k.p3;
}

}  // namespace tess
