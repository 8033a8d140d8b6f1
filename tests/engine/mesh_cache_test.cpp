// The mesh cache against fresh builds: after every kind of change each cached mesh is the same
// bytes as a build from scratch on one thread, and nothing is rebuilt while nothing changed.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "engine/clone_expansion.hpp"
#include "engine/mesh_cache.hpp"
#include "engine/modifier_engine.hpp"
#include "engine_test_support.hpp"
#include "scene/modifier_codes.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

constexpr int kObjects = 7;

// A sphere with a list, an object controlled by it (locCS), two clones of a tube, an animated
// torus, a landscape on a height image and a postprocessor.
struct CacheFixture : MeshFixture {
  TextureImages images;
  MeshCache cache;
  std::vector<int> all;

  CacheFixture() {
    Camera& camera = inputs.camera;
    camera.eyeX = 300, camera.eyeY = -200, camera.eyeZ = 150;
    camera.zoom = 1.5;
    inputs.rotation = ComputeViewRotation(camera);
    inputs.time = modifierTime(1000);
    inputs.images = &images;
    regenerate(3);
    store->materials[0].displaceDepth = 40;

    scene().objectCount = kObjects;
    place(0, objtype::Sphere);
    add(0, modcode::TwistZ, 0, 0, 0, 128, 32);
    add(0, modcode::GlobalWaves, 32, 0, 32, 16, 16);
    place(1, objtype::Cube);
    object(1).controlMode = 1;
    object(1).controlObject = 0;
    place(2, objtype::Tube);
    add(2, modcode::SinBendX, 0, 0, 0, 96, 16);
    scene().clones[2] = CloneSettings{0, 2, 100, 0};  // rotate xz into slots 3 and 4
    place(5, objtype::LandscapeOnTorus);
    add(5, modcode::AnimaSine, 64, -32, 48, 96, 128);
    place(6, objtype::Landscape);
    for (int i = 0; i < kObjects; ++i) all.push_back(i);
    ExpandClones(scene());
  }

  void place(int i, int type) {
    SceneObject& o = object(i);
    o.type = static_cast<std::uint8_t>(type);
    o.segU = 9, o.segV = 7;
    o.posX = static_cast<std::int16_t>(40 * i - 100);
    o.sizeX = 70, o.sizeY = 50, o.sizeZ = 90;
  }

  // A new height image in slot 1, as a texture capture leaves it.
  void regenerate(int seed) {
    TextureImage& image = images.slots[1];
    image.size = 8;
    image.pixels.resize(8 * 8 * 4);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
      image.pixels[i] = static_cast<std::uint8_t>(i * seed + 11);
    ++image.generation;
  }

  // Updates every object and compares each with a fresh build; returns how many were rebuilt.
  int updateAndCompare(const std::string& change) {
    const int built = cache.update(*store, 0, all, inputs);
    for (int i : all) {
      build(i);
      const BuiltMesh& cached = cache.entry(0, i).mesh;
      EXPECT_EQ(cached.vertexCount, mesh->vertexCount) << change << ", object " << i;
      EXPECT_EQ(cached.triangleCount, mesh->triangleCount) << change << ", object " << i;
      if (cached.vertexCount != mesh->vertexCount) continue;
      EXPECT_EQ(std::memcmp(cached.vertices.data(), mesh->vertices.data(),
                            sizeof(MeshVertex) * mesh->vertexCount),
                0)
          << change << ", object " << i;
    }
    return built;
  }
};

TEST(MeshCache, EqualsAFreshBuildAfterEveryKindOfChange) {
  CacheFixture f;
  EXPECT_EQ(f.updateAndCompare("first frame"), kObjects);
  EXPECT_EQ(f.updateAndCompare("nothing changed"), 0);

  using Edit = std::function<void(CacheFixture&)>;
  const std::pair<const char*, Edit> kRecordFields[] = {
      {"posX", [](CacheFixture& f) { f.object(0).posX += 3; }},
      {"posY", [](CacheFixture& f) { f.object(0).posY -= 5; }},
      {"posZ", [](CacheFixture& f) { f.object(0).posZ += 7; }},
      {"sizeX", [](CacheFixture& f) { f.object(0).sizeX += 9; }},
      {"sizeY", [](CacheFixture& f) { f.object(0).sizeY += 9; }},
      {"sizeZ", [](CacheFixture& f) { f.object(0).sizeZ += 9; }},
      {"type", [](CacheFixture& f) { f.object(0).type = objtype::Torus; }},
      {"segU", [](CacheFixture& f) { f.object(0).segU = 12; }},
      {"segV", [](CacheFixture& f) { f.object(0).segV = 3; }},
      {"mosaic1", [](CacheFixture& f) { f.object(0).mosaic1 = 3; }},
      {"mosaic2", [](CacheFixture& f) { f.object(0).mosaic2 = 2; }},
      {"normalMode", [](CacheFixture& f) { f.object(0).normalMode = 2; }},
      {"material", [](CacheFixture& f) { f.object(6).material = 1; }},
      {"controlMode", [](CacheFixture& f) { f.object(1).controlMode = 2; }},
  };
  for (const auto& [name, edit] : kRecordFields) {
    edit(f);
    EXPECT_GE(f.updateAndCompare(name), 1) << name;
  }

  const std::pair<const char*, Edit> kOtherChanges[] = {
      {"a modifier value", [](CacheFixture& f) { f.list(0).entries[1].p3 += 20; }},
      {"an entry past the count", [](CacheFixture& f) { f.list(2).entries[1].p4 = 77; }},
      {"the control object", [](CacheFixture& f) { f.object(1).controlObject = 2; }},
      {"a clone setting",
       [](CacheFixture& f) {
         f.scene().clones[2].cloneCoeff1 = 150;
         ExpandClones(f.scene());
       }},
      {"the camera",
       [](CacheFixture& f) {
         f.inputs.camera.eyeZ = 40;
         f.inputs.rotation = ComputeViewRotation(f.inputs.camera);
       }},
      {"the view mode", [](CacheFixture& f) { f.inputs.viewMode = ViewMode::Up; }},
      {"a texture regeneration", [](CacheFixture& f) { f.regenerate(5); }},
      {"the displace depth", [](CacheFixture& f) { f.store->materials[0].displaceDepth = -9; }},
  };
  for (const auto& [name, edit] : kOtherChanges) {
    edit(f);
    EXPECT_GE(f.updateAndCompare(name), 1) << name;
  }

  // The modifier time rebuilds the animated torus alone; the sphere that controls object 1
  // does not read it.
  f.inputs.time = modifierTime(2345);
  EXPECT_EQ(f.updateAndCompare("the modifier time"), 1);
  // The postprocessor ignores the camera; the others follow it.
  f.object(6).type = objtype::Postprocessor;
  EXPECT_EQ(f.updateAndCompare("a postprocessor"), 1);
  f.inputs.camera.zoom = 2;
  EXPECT_EQ(f.updateAndCompare("the zoom"), kObjects - 1);
}

}  // namespace
}  // namespace tess
