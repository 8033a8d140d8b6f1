// One frame of playback: 64 object slides over objects with 64 modifiers each, 16 material slides
// and a camera slide whose end-marker scan runs over the whole table.

#include <benchmark/benchmark.h>

#include <memory>

#include "timeline/playback.hpp"
#include "timeline/timeline.hpp"

namespace tess {
namespace {

void BM_EvaluateTimeline(benchmark::State& state) {
  auto store = std::make_unique<SceneStore>();
  for (int s : {0, 1}) {
    Scene& scene = store->scenes[s];
    scene.objectCount = 128;
    for (int j = 0; j < 128; ++j) {
      scene.objects[j].posX = static_cast<std::int16_t>(s * 1000 + j);
      scene.modifiers[j].count = kModifierCapacity;
      for (Modifier& m : scene.modifiers[j].entries) m = {1, 2, 3, 4, static_cast<std::int16_t>(s * 99), 7};
    }
  }
  store->sceneCount = 2;
  TrackerTable tracker;
  tracker.events[0] = {trackcmd::SldCam, 0, 0, 0, 0};
  auto timeline = std::make_unique<Timeline>();
  startPlayback(*timeline, *store, 0, 0);
  for (int j = 0; j < 64; ++j) timeline->objects[j] = {true, j + 64, 1, 0, 998};
  for (int m = 0; m < 16; ++m) timeline->materials[m] = {true, m + 16, 0, 998};

  for (auto _ : state) {
    EvaluateTimeline(*timeline, *store, tracker, 300);
    benchmark::DoNotOptimize(store->scenes[0].objects[0].posX);
  }
}
BENCHMARK(BM_EvaluateTimeline)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tess
