// Frames on the headless OpenGL device (Mesa llvmpipe here): fifty lit, textured spheres with a
// sun and a lamp, each frame rebuilding every mesh on the CPU and submitting it.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "engine/gl/frame_renderer.hpp"
#include "engine/gl/headless_context.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

constexpr int kWidth = 640, kHeight = 480;

void fiftyLitSpheres(SceneStore& store) {
  Scene& scene = store.scenes[0];
  scene.objectCount = 52;
  for (int i = 0; i < 50; ++i) {
    SceneObject& o = scene.objects[i];
    o = SceneObject{};
    o.posX = static_cast<std::int16_t>(64 * (i % 10 - 5) * 2);
    o.posY = static_cast<std::int16_t>(64 * (i / 10 - 2) * 2);
    o.texture = 1;
    o.material = 1;
    scene.modifiers[i].count = 1;
    scene.modifiers[i].entries[0] = Modifier{0, 0, 0, 128, 32, 4};  // twist
  }
  scene.objects[50].type = objtype::Sun;
  scene.objects[50].posZ = 640;
  scene.objects[51].type = objtype::Lamp;
  scene.objects[51].posY = -320;
  scene.objects[51].sizeX = 64 * 40;
  Material& m = store.materials[1];
  m.surface.diffuse = ColorValue{0.8f, 0.7f, 0.6f, 1};
  m.surface.ambient = ColorValue{0.2f, 0.2f, 0.2f, 1};
  m.surface.specular = ColorValue{1, 1, 1, 1};
  m.surface.power = 20;
  m.stage1Texture = 2;
  m.stage1Blend = 6;  // sphere map, modulate
  store.liveCamera.eyeY = -100;
  store.liveCamera.eyeZ = 60;
  store.liveCamera.zoom = 0.3;
}

void BM_RenderFrameFiftyLitSpheres(benchmark::State& state) {
  std::string error;
  const auto context = gl::HeadlessContext::create(error);
  const auto device = context ? gl::CreateRenderDevice(kWidth, kHeight, error) : nullptr;
  if (!device) {
    state.SkipWithError(error.c_str());
    return;
  }
  auto scenes = std::make_unique<SceneStore>();
  auto textures = std::make_unique<TextureStore>();
  TextureImages images;
  for (int slot : {1, 2}) {
    TextureImage image;
    image.size = 256;
    image.pixels.resize(256 * 256 * 4);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
      image.pixels[i] = static_cast<std::uint8_t>(i * slot * 7 / 5);
    device->uploadTexture(slot, image);
  }
  fiftyLitSpheres(*scenes);
  gl::FrameRenderer renderer(*device, *scenes, *textures, images);
  renderer.switches.guidesHidden = true;
  double meshSeconds = 0, frameSeconds = 0;
  std::uint64_t clock = 0;
  const gl::FrameView view = gl::currentView(*scenes);
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    renderer.RenderFrame(clock += 16, view);
    device->finish();
    frameSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    meshSeconds += renderer.lastMeshSeconds();
  }
  const double frames = static_cast<double>(state.iterations());
  state.counters["mesh_ms"] = 1000 * meshSeconds / frames;
  state.counters["gl_ms"] = 1000 * (frameSeconds - meshSeconds) / frames;
  state.counters["fps"] = frames / frameSeconds;
}
BENCHMARK(BM_RenderFrameFiftyLitSpheres)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tess
