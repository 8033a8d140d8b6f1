// Mesh builds as a frame runs them: every object rebuilt with its modifiers through the camera.

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/mesh_builder.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

struct BenchScene {
  std::unique_ptr<SceneStore> store = std::make_unique<SceneStore>();
  std::unique_ptr<MeshBuffers> mesh = std::make_unique<MeshBuffers>();
  TextureImages images;
  MeshInputs inputs;

  BenchScene() {
    Camera& camera = store->liveCamera;
    camera.eyeX = 300, camera.eyeY = -200, camera.eyeZ = 150;
    inputs.camera = camera;
    inputs.rotation = ComputeViewRotation(camera);
    inputs.time = 1.25;
    inputs.images = &images;
  }

  void object(int i, int type, int seg, const std::initializer_list<Modifier>& modifiers) {
    Scene& scene = store->scenes[0];
    scene.objectCount = static_cast<std::uint8_t>(i + 1);
    SceneObject& o = scene.objects[i];
    o.type = static_cast<std::uint8_t>(type);
    o.segU = o.segV = static_cast<std::uint8_t>(seg);
    o.posX = static_cast<std::int16_t>(64 * i);
    ModifierList& list = scene.modifiers[i];
    list.count = 0;
    for (const Modifier& m : modifiers) list.entries[list.count++] = m;
  }

  void buildAll(benchmark::State& state) {
    const int count = store->scenes[0].objectCount;
    // A frame rebuilds into buffers already sized by earlier frames: size them outside the timing.
    for (int i = 0; i < count; ++i) buildMesh(*store, 0, i, inputs, *mesh);
    for (auto _ : state) {
      for (int i = 0; i < count; ++i) buildMesh(*store, 0, i, inputs, *mesh);
      benchmark::DoNotOptimize(mesh->vertices.data());
    }
  }
};

constexpr Modifier kTwist{0, 0, 0, 128, 32, 4};
constexpr Modifier kRotate{0, 0, 0, 0, 20, 12};
constexpr Modifier kSinBend{0, 0, 0, 96, 16, 5};
constexpr Modifier kWaves{32, 0, 32, 16, 16, 37};
constexpr Modifier kTextureWaves{0, 0, 0, 64, 8, 47};

void BM_FiftySpheres(benchmark::State& state) {
  BenchScene scene;
  for (int i = 0; i < 50; ++i)
    scene.object(i, objtype::Sphere, 32, {kTwist, kRotate, kSinBend, kWaves, kTextureWaves});
  scene.buildAll(state);
}
BENCHMARK(BM_FiftySpheres)->Unit(benchmark::kMillisecond);

void BM_Landscape255(benchmark::State& state) {
  BenchScene scene;
  TextureImage& image = scene.images.slots[1];
  image.size = 256;
  image.pixels.resize(256 * 256 * 4);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = static_cast<std::uint8_t>(i * 7);
  scene.store->materials[0].displaceDepth = 64;
  scene.object(0, objtype::Landscape, 255,
               {kTwist, kRotate, kSinBend, kWaves, kTextureWaves, kTwist, kRotate, kSinBend,
                kWaves, kTextureWaves});
  scene.buildAll(state);
}
BENCHMARK(BM_Landscape255)->Unit(benchmark::kMillisecond);

void BM_Cube30(benchmark::State& state) {
  BenchScene scene;
  scene.object(0, objtype::Cube, 30, {});
  scene.buildAll(state);
}
BENCHMARK(BM_Cube30)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tess
