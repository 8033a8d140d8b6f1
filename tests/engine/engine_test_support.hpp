#pragma once

#include <memory>

#include "engine/mesh_builder.hpp"

namespace tess {

// A fresh store whose scene 0 holds one object, built with the identity view (target at the
// origin, zoom 1, all angles 0), so that stored X, Y, Z are px, pz, py.
struct MeshFixture {
  std::unique_ptr<SceneStore> store = std::make_unique<SceneStore>();
  std::unique_ptr<MeshBuffers> mesh = std::make_unique<MeshBuffers>();
  MeshInputs inputs;

  Scene& scene() { return store->scenes[0]; }
  SceneObject& object(int i = 0) { return scene().objects[i]; }
  ModifierList& list(int i = 0) { return scene().modifiers[i]; }

  SceneObject& shape(int type, int segU, int segV, int size = 64) {
    SceneObject& o = object();
    o.type = static_cast<std::uint8_t>(type);
    o.segU = static_cast<std::uint8_t>(segU);
    o.segV = static_cast<std::uint8_t>(segV);
    o.sizeX = o.sizeY = o.sizeZ = static_cast<std::int16_t>(size);
    return o;
  }
  void add(int i, int code, int p1 = 0, int p2 = 0, int p3 = 0, int p4 = 0, int p5 = 0) {
    ModifierList& l = list(i);
    l.entries[l.count++] = Modifier{std::int16_t(p1), std::int16_t(p2), std::int16_t(p3),
                                    std::int16_t(p4), std::int16_t(p5), std::uint8_t(code)};
  }
  void build(int index = 0) { buildMesh(*store, 0, index, inputs, *mesh); }
  const GridPoint& at(int r, int c) { return mesh->grid[r * (object().segU + 1) + c]; }
};

}  // namespace tess
