// Whole builds against checksums of the bytes they produced when recorded: any change of a single
// output bit in any generator, modifier, chain, clone or view path shows here.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "engine/clone_expansion.hpp"
#include "engine/modifier_engine.hpp"
#include "engine_test_support.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

constexpr int kLastGeometryType = objtype::TubeLoft2;

// FNV-1a over the counts and every emitted vertex byte.
struct Checksum {
  std::uint64_t value = 14695981039346656037ull;
  void add(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    for (std::size_t i = 0; i < size; ++i) value = (value ^ bytes[i]) * 1099511628211ull;
  }
  void add(const MeshBuffers& mesh) {
    add(&mesh.vertexCount, sizeof mesh.vertexCount);
    add(&mesh.triangleCount, sizeof mesh.triangleCount);
    add(mesh.vertices.data(), sizeof(MeshVertex) * static_cast<std::size_t>(mesh.vertexCount));
  }
};

// A camera off every axis, a modifier time and a height map for the landscape types.
struct GoldenFixture : MeshFixture {
  TextureImages images;

  GoldenFixture() {
    Camera& camera = inputs.camera;
    camera.eyeX = 300, camera.eyeY = -200, camera.eyeZ = 150;
    camera.targetX = 20, camera.targetY = 10, camera.targetZ = -30;
    camera.roll = 0.3;
    camera.zoom = 1.5;
    inputs.rotation = ComputeViewRotation(camera);
    inputs.time = modifierTime(123457);
    TextureImage& image = images.slots[1];
    image.size = 16;
    image.pixels.resize(16 * 16 * 4);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
      image.pixels[i] = static_cast<std::uint8_t>(i * 37 + 11);
    inputs.images = &images;
    store->materials[0].displaceDepth = 48;
  }

  SceneObject& place(int i, int type, int segU, int segV) {
    SceneObject& o = object(i);
    o.type = static_cast<std::uint8_t>(type);
    o.segU = static_cast<std::uint8_t>(segU);
    o.segV = static_cast<std::uint8_t>(segV);
    o.posX = static_cast<std::int16_t>(16 * i - 20);
    o.posY = 12, o.posZ = -7;
    o.sizeX = 70, o.sizeY = 50, o.sizeZ = 90;
    if (scene().objectCount <= i) scene().objectCount = static_cast<std::uint8_t>(i + 1);
    return o;
  }
  void animate(int i, int amplitudeCode) {
    add(i, 58, 40, -30, 20, 50, 60);
    add(i, 59, 10, 20, -30, 40, 50);
    add(i, amplitudeCode, 64, -32, 48, 96, 128);
  }
  void mixedList(int i) {
    add(i, 40, 8, 0, 40, 30, 0);  // deselects a ball
    add(i, 4, 0, 0, 0, 128, 32);
    add(i, 12, 0, 0, 0, 0, 20);
    add(i, 41);
    add(i, 5, 0, 0, 0, 96, 16);
    add(i, 37, 32, 0, 32, 16, 16);
    add(i, 47, 0, 0, 0, 64, 8);
  }
};

// Builds objects 0..count-1 of a fixture that setup prepared and sums them all.
std::uint64_t buildAll(const std::function<void(GoldenFixture&)>& setup, int count = 1) {
  GoldenFixture f;
  setup(f);
  Checksum sum;
  for (int i = 0; i < count; ++i) {
    f.build(i);
    sum.add(*f.mesh);
  }
  return sum.value;
}

std::uint64_t everyType(bool animated) {
  Checksum sum;
  for (int type = 0; type <= kLastGeometryType; ++type) {
    sum.add(&type, sizeof type);
    const std::uint64_t one = buildAll([&](GoldenFixture& f) {
      f.place(0, type, 7, 5).normalMode = static_cast<std::uint8_t>(type % 5);
      if (animated) f.animate(0, 60 + type % 3);
      f.mixedList(0);
    });
    sum.add(&one, sizeof one);
  }
  return sum.value;
}

std::uint64_t everyCode(const Modifier& params, int amplitudeCode) {
  Checksum sum;
  for (int code = 0; code < kModifierCodeCount; ++code) {
    const std::uint64_t one = buildAll([&](GoldenFixture& f) {
      f.place(0, code % 2 ? objtype::Tube : objtype::Sphere, 9, 8);
      f.add(0, 40, -10, 8, 20, 24, 0);
      if (amplitudeCode) f.animate(0, amplitudeCode);
      f.add(0, code, params.p1, params.p2, params.p3, params.p4, params.p5);
      f.add(0, 13, 0, 0, 0, 0, 9);
    });
    sum.add(&one, sizeof one);
  }
  return sum.value;
}

TEST(MeshGolden, EveryObjectTypeWithAMixedList) {
  EXPECT_EQ(everyType(false), 12756712957551056013u);
  EXPECT_EQ(everyType(true), 5691420638700914631u);
}

TEST(MeshGolden, EveryModifierCodePlainAndAnimated) {
  const Modifier wide{16, -8, 24, 80, 40, 0}, inverted{-20, 30, 4, -70, -25, 0};
  EXPECT_EQ(everyCode(wide, 0), 9754340470304189231u);
  EXPECT_EQ(everyCode(inverted, 0), 1496474362619277471u);
  EXPECT_EQ(everyCode(wide, 60), 4621850648021526212u);
  EXPECT_EQ(everyCode(inverted, 61), 2909745380715331154u);
  EXPECT_EQ(everyCode(wide, 62), 10295048225266520383u);
}

TEST(MeshGolden, ControlChainsInBothCoordinateSystems) {
  const std::uint64_t sum = buildAll(
      [](GoldenFixture& f) {
        for (int i = 0; i < 4; ++i) {
          f.place(i, objtype::Sphere + 2 * i, 6, 6);
          if (i == 2) f.animate(i, 61);
          f.mixedList(i);
        }
        f.add(2, 10, 0, 0, 0, 60, 30);
        f.object(0).controlMode = 1, f.object(0).controlObject = 1;
        f.object(1).controlMode = 2, f.object(1).controlObject = 2;
        f.object(2).controlMode = 1, f.object(2).controlObject = 3;
        f.object(3).controlMode = 2, f.object(3).controlObject = 0;
      },
      4);
  EXPECT_EQ(sum, 2051709284404358172u);
}

TEST(MeshGolden, ClonesOfEveryType) {
  Checksum sum;
  for (int type = 0; type <= 12; ++type) {
    const std::uint64_t one = buildAll(
        [&](GoldenFixture& f) {
          f.place(0, objtype::Torus, 6, 5).normalMode = 3;
          f.mixedList(0);
          f.scene().clones[0] = CloneSettings{static_cast<std::uint8_t>(type), 3, 40, 2};
          for (int j = 1; j <= 3; ++j) f.place(j, objtype::Sphere, 4, 4);
          ExpandClones(f.scene());
        },
        4);
    sum.add(&one, sizeof one);
  }
  EXPECT_EQ(sum.value, 7256360253287982202u);
}

TEST(MeshGolden, ViewModesPostprocessorAndLargeGrids) {
  Checksum sum;
  for (int mode = 0; mode < 3; ++mode) {
    const std::uint64_t one = buildAll([&](GoldenFixture& f) {
      f.inputs.viewMode = static_cast<ViewMode>(mode);
      f.place(0, objtype::LandscapeOnCubeMinus, 20, 17);
      f.mixedList(0);
    });
    sum.add(&one, sizeof one);
  }
  const std::uint64_t post = buildAll([](GoldenFixture& f) {
    f.place(0, objtype::Postprocessor, 12, 10);
    f.mixedList(0);
    f.animate(0, 60);
    f.add(0, 50, 0, 0, 0, 30, 20);
  });
  sum.add(&post, sizeof post);
  const std::uint64_t large = buildAll([](GoldenFixture& f) {
    f.place(0, objtype::Landscape, 255, 255);
    f.mixedList(0);
    f.add(0, 44);
    f.add(0, 38, 0, 0, 0, 50, 20);
  });
  sum.add(&large, sizeof large);
  EXPECT_EQ(sum.value, 1857856309446577707u);
}

}  // namespace
}  // namespace tess
