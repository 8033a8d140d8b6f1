#pragma once

#include <cstdint>

namespace tess {

// The point being built and its normalised texture coordinates, in generator axes (pz along the
// primitive's main axis), double precision.
struct MeshPoint {
  double px = 0, py = 0, pz = 0;
  double tu0 = 0, tv0 = 0;
};

// Where the point lies in its grid: row r of segV rows, column c of segU columns (as doubles, so
// that grid quotients are real), and its selection weight (1 selected, 0 not).
struct GridCell {
  double r = 0, c = 0;
  double segU = 1, segV = 1;
  std::uint8_t* weight = nullptr;
};

}  // namespace tess
