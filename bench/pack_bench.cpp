// Loading and saving a full complex pack: 64 scenes of 255 objects with 64 modifiers each, 254
// textures of 20 commands at 256 x 256. Parsing and writing are measured apart from texture
// regeneration, which a load runs afterwards.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <numeric>
#include <vector>

#include "core/msvc_random.hpp"
#include "editor/editor_session.hpp"
#include "scene/complex_pack_text.hpp"
#include "scene/pack_files.hpp"
#include "texture/interpreter.hpp"
#include "texture/operation_table.hpp"
#include "texture/slot_regeneration.hpp"
#include "texture/texture_text.hpp"
#include "thread_limit.hpp"

namespace tess {
namespace {

struct FullProject : EditorSession {
  std::filesystem::path file = undoSnapshots().folder() / "full.tsc";

  FullProject() {
    MsvcRandom random;
    random.seed(1);
    const auto value = [&](int range) { return random.next() % (2 * range + 1) - range; };
    scenes().sceneCount = kSceneCapacity;
    for (Scene& scene : scenes().scenes) {
      scene.objectCount = kMaxObjects;
      for (int i = 0; i < kMaxObjects; ++i) {
        SceneObject& o = scene.objects[i];
        o.posX = static_cast<std::int16_t>(value(3000));
        o.sizeY = static_cast<std::int16_t>(value(500));
        o.type = static_cast<std::uint8_t>(random.next() % 19);
        o.texture = static_cast<std::uint8_t>(random.next() % 254);
        scene.modifiers[i].count = kModifierCapacity;
        for (Modifier& m : scene.modifiers[i].entries)
          m = {static_cast<std::int16_t>(value(1000)),
               static_cast<std::int16_t>(value(1000)),
               static_cast<std::int16_t>(value(1000)),
               static_cast<std::int16_t>(value(255)),
               static_cast<std::int16_t>(value(255)),
               static_cast<std::uint8_t>(random.next() % 63)};
      }
    }
    // Every runnable operation but RenderScene, with its default parameters.
    const OperationTable& table = pristineOperationTable();
    int op = 1;
    for (int t = 0; t < kPackTextureEntries; ++t) {
      Texture& texture = textures().slots[t];
      texture.size = 256;
      texture.stageCount = 21;
      for (int k = 1; k <= 20; ++k) {
        do op = op % (kOperationRowCount - 1) + 1;
        while (!isRunnableOperation(op) || op == texop::RenderScene);
        texture.commands[k].op = op;
        texture.commands[k].params = table[op].values;
      }
    }
    for (int row = 0; row < kTrackerRows; row += 3)
      tracker().events[row] = {1, static_cast<std::uint8_t>(row % 64), 0, 0, 0};
    tess::savePack(project(), file);
  }
};

FullProject& fullProject() {
  static FullProject project;
  return project;
}

void BM_WritePackText(benchmark::State& state) {
  FullProject& p = fullProject();
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string text = packText(p.scenes(), p.textures().slots, p.tracker());
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WritePackText)->Unit(benchmark::kMillisecond);

void BM_ParsePackText(benchmark::State& state) {
  FullProject& p = fullProject();
  const std::string text = packText(p.scenes(), p.textures().slots, p.tracker());
  for (auto _ : state) {
    PackContents contents;
    benchmark::DoNotOptimize(readPackText(text, contents).ok());
  }
}
BENCHMARK(BM_ParsePackText)->Unit(benchmark::kMillisecond);

// Reading the file, parsing, replacing the project and the first undo snapshot; no regeneration.
void BM_LoadPackWithoutRegeneration(benchmark::State& state) {
  FullProject& p = fullProject();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        loadPack(p.project(), p.file, {.regenerateTextures = false, .afterTexture = {}}).status.ok());
}
BENCHMARK(BM_LoadPackWithoutRegeneration)->Unit(benchmark::kMillisecond);

// As a load regenerates them: on one thread, and side by side on every core (goal: under half the
// one-thread time).
void BM_RegenerateAllTextures(benchmark::State& state) {
  const ThreadLimit limit(static_cast<int>(state.range(0)));
  FullProject& p = fullProject();
  std::vector<int> slots(kPackTextureEntries);
  std::iota(slots.begin(), slots.end(), 0);
  for (auto _ : state) regenerateSlots(p.textures(), slots, {});
}
BENCHMARK(BM_RegenerateAllTextures)
    ->Arg(1)
    ->Arg(0)
    ->ArgName("threads")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The pre-save pass, the text and the atomic write with its flush to disk.
void BM_SavePack(benchmark::State& state) {
  FullProject& p = fullProject();
  for (auto _ : state) benchmark::DoNotOptimize(savePack(p.project(), p.file).ok());
}
BENCHMARK(BM_SavePack)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tess
