#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "engine/mesh_builder.hpp"

namespace tess {

// Everything one object's mesh is built from: the records and lists of the object and of its
// control chain (clone settings act through the records and lists they write), the camera
// where the build applies it, the modifier time where a list reads it, and a landscape's height
// image and depth. Equal keys build equal meshes.
struct MeshKey {
  std::vector<SceneObject> owners;
  std::vector<ModifierList> lists;
  Camera camera;
  ViewRotation rotation;
  ViewMode viewMode = ViewMode::Normal;
  double time = 0;
  const TextureImage* heights = nullptr;
  std::uint64_t heightsGeneration = 0;
  int displaceDepth = 0;
  TrigPrecision trig = TrigPrecision::Fast;
};

bool operator==(const MeshKey& a, const MeshKey& b);

// The meshes of the objects a renderer draws, kept from frame to frame and rebuilt only when
// their key changes. Rebuilds of one update run on all cores; each is the same build as on one
// thread, so the vertices are the same bytes.
class MeshCache {
 public:
  struct Entry {
    MeshKey key;
    BuiltMesh mesh;
    std::uint64_t version = 0;  // a number no other build of any cache had (0: never built)
  };

  MeshCache();
  ~MeshCache();

  // Brings the meshes of objects `indices` of the scene up to date; returns how many it built.
  int update(const SceneStore& scenes, int scene, std::span<const int> indices,
             const MeshInputs& inputs);
  // An object's entry, as the last update left it.
  const Entry& entry(int scene, int index);

 private:
  struct Workers;
  Entry& slot(int scene, int index);

  std::vector<std::unique_ptr<Entry>> entries_;
  std::unique_ptr<Workers> workers_;
  MeshKey probe_;  // the key being checked, kept to reuse its storage
};

// The key of object index of the scene for these inputs, written into key.
void makeMeshKey(const SceneStore& scenes, int scene, int index, const MeshInputs& inputs,
                 MeshKey& key);

}  // namespace tess
