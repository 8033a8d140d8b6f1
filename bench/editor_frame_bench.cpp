// What the editor does for every idle frame and every texture change: a frame of the example
// project on a screen-sized back buffer read back for the 3D view (Mesa llvmpipe here), and the
// texture view's picture of a stage.

#include "editor/editor_session.hpp"
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scene/pack_files.hpp"
#include "editor/texture_view_picture.hpp"
#include "ui/view3d_graphics.hpp"

namespace tess {
namespace {

void BM_EditorIdleFrame(benchmark::State& state) {
  EditorSession project;
  std::string error;
  auto graphics = View3dGraphics::create(project.project(), static_cast<int>(state.range(0)),
                                         static_cast<int>(state.range(1)), error);
  if (!graphics) {
    state.SkipWithError(error.c_str());
    return;
  }
  const auto pack = std::filesystem::path(TESS_SOURCE_DIR) / "data/examples/demo.tsc";
  PackLoadOptions options;
  options.afterTexture = [&](int) { graphics->textureChanged(); };
  if (!loadPack(project.project(), pack, options).status.ok()) {
    state.SkipWithError("the example project does not load");
    return;
  }
  graphics->uploadAllTextures();
  std::uint64_t now = 0;
  double meshSeconds = 0;
  for (auto _ : state) {
    graphics->renderFrame(now += 16);
    meshSeconds += graphics->renderer().lastMeshSeconds();
    benchmark::DoNotOptimize(graphics->picture()[0]);
  }
  // The CPU time of the frame's mesh builds (the cache keeps all but the animated ones).
  state.counters["mesh_ms"] = benchmark::Counter(meshSeconds * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_EditorIdleFrame)->Args({640, 480})->Args({1280, 1024})->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);

void BM_TextureViewPicture(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  std::vector<std::uint8_t> stage(static_cast<std::size_t>(size) * size * 4, 77);
  std::vector<std::uint32_t> picture(640 * 480);
  TextureViewState view;
  for (auto _ : state) {
    drawTextureView(stage.data(), size, view, 640, 480, picture.data());
    benchmark::DoNotOptimize(picture[0]);
  }
}
BENCHMARK(BM_TextureViewPicture)->Arg(256)->Arg(1024)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tess
