#pragma once

#include <cstddef>
#include <cstdint>

namespace tess {

// One vertex as the renderer draws it: position, normal, diffuse colour, one texture coordinate
// pair (vertex format 0x152: XYZ | NORMAL | DIFFUSE | TEX1), 36 bytes with no padding.
struct MeshVertex {
  float x, y, z;
  float nx, ny, nz;
  std::uint32_t diffuse;
  float tu, tv;
};

inline constexpr std::uint32_t kMeshVertexFormat = 0x152;
inline constexpr std::uint32_t kMeshDiffuse = 0xFFFFFFFF;

static_assert(sizeof(MeshVertex) == 36);
static_assert(offsetof(MeshVertex, nx) == 12);
static_assert(offsetof(MeshVertex, diffuse) == 24);
static_assert(offsetof(MeshVertex, tu) == 28);

}  // namespace tess
