#pragma once

#include <array>

#include "engine/mesh_point.hpp"
#include "engine/texture_images.hpp"
#include "scene/scene_types.hpp"

namespace tess {

// Whether objects of this type are built into a mesh (types 0..18 except the zbuf cleaner).
bool typeHasGeometry(int type);

// The per-type point generators of one grid (one face of a cube type). The sines and cosines of
// the grid's angles are taken once per grid; every point then reads them.
class PointGenerator {
 public:
  // heights: the image of the material's displace map, or nothing (height 0). face: 0..5 for the
  // cube types, otherwise 0. tilt carries the loft ring's tilt angle from point to point.
  PointGenerator(const SceneObject& object, const ModifierList& path, const TextureImage* heights,
                 int displaceDepth, int face, double& tilt);

  // Writes the point of grid row r, column c (before the 1/64 scaling).
  void generate(int r, int c, MeshPoint& p) const;

 private:
  int height(int r, int c) const;  // the blue byte of the wrapped texel, 0 without an image
  void cubePoint(double u, double v, double distance, MeshPoint& p) const;
  void torusPoint(int r, int c, double ht, MeshPoint& p) const;
  void loftPoint(int r, int c, MeshPoint& p) const;
  void loft2Point(int r, int c, MeshPoint& p) const;

  const SceneObject& o_;
  const ModifierList& path_;
  const TextureImage* heights_;
  int depth_;
  int face_;
  double& tilt_;
  int segU_, segV_;
  double sx_, sy_, sz_;
  std::array<double, 256> u_{}, v_{}, sinU_{}, cosU_{}, sinW_{}, cosW_{}, sinB_{}, cosB_{};
};

}  // namespace tess
