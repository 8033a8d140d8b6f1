#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/mesh_vertex.hpp"
#include "engine/modifier_engine.hpp"
#include "engine/texture_images.hpp"
#include "engine/view_transform.hpp"
#include "scene/scene_store.hpp"

namespace tess {

// One grid point as stored: position (X = px, Y = pz, Z = py), texture coordinates, normal.
struct GridPoint {
  double x, y, z;
  double tu, tv;
  double nx, ny, nz;
};

inline constexpr int kGridSide = 256;
inline constexpr int kGridPoints = kGridSide * kGridSide;

// What every build of a scene pass shares: the camera, its rotation and view mode, the modifier
// time and the CPU images of the textures.
struct MeshInputs {
  const TextureImages* images = nullptr;  // nothing: every landscape has height 0
  Camera camera;
  ViewRotation rotation;
  ViewMode viewMode = ViewMode::Normal;
  double time = 0;
  TrigPrecision trig = TrigPrecision::Fast;
};

// The work areas of a mesh build, reused by every build on one thread.
struct MeshScratch {
  std::vector<GridPoint> grid = std::vector<GridPoint>(kGridPoints);
  std::vector<std::uint8_t> selection = std::vector<std::uint8_t>(kGridPoints);
  ModifierProgram modifiers;
};

// A build's result. The vertex buffer grows to the largest mesh an object can have (a cube type
// of 255 x 255 cells per face), so nothing is ever cut off or written past its end; it is
// allocated when a build first needs it and then kept.
struct BuiltMesh {
  std::vector<MeshVertex> vertices;
  int vertexCount = 0;
  int triangleCount = 0;
};

// Work areas and result together, for one build after another.
struct MeshBuffers : MeshScratch, BuiltMesh {};

// Builds the current object of the current scene into buffers.vertices from index 0 and sets the
// counts; types without geometry, and segU or segV of 0, give no vertices.
void BuildObjectMesh(const SceneStore& scenes, const MeshInputs& inputs, MeshBuffers& buffers);

// Builds object index of scene sceneIndex, current or not.
void buildMesh(const SceneStore& scenes, int sceneIndex, int index, const MeshInputs& inputs,
               MeshBuffers& buffers);
void buildMesh(const SceneStore& scenes, int sceneIndex, int index, const MeshInputs& inputs,
               MeshScratch& scratch, BuiltMesh& mesh);

// Whether the type's points read the height image of its material's displace map.
bool isLandscape(int type);

}  // namespace tess
