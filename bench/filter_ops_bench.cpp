// Filter, colour and combining operations at their default parameters; Blur and MotionBlur also
// with 8 and 64 passes. The goal is one 60 Hz frame (16 ms) at 512 x 512, so a slider drag stays
// live, and 64 ms at 1024 x 1024. Each figure comes on one thread and on every core.

#include <benchmark/benchmark.h>

#include <memory>

#include "texture/interpreter.hpp"
#include "texture/operation_table.hpp"
#include "texture/texture_store.hpp"
#include "thread_limit.hpp"

namespace tess {
namespace {

// Working stage 2 over two stages with varied content, so Mixer and Map2dPShift read real data.
std::unique_ptr<TextureStore> storeWithContent(int size) {
  auto store = std::make_unique<TextureStore>();
  store->currentTexture().size = size;
  for (int k = 0; k <= 1; ++k) {
    std::uint8_t* stage = store->stage(k);
    const std::size_t bytes = StageArea::stageBytes(size);
    for (std::size_t i = 0; i < bytes; ++i)
      stage[i] = static_cast<std::uint8_t>((i * 37 + k * 101 + i / 7) & 0xFF);
  }
  store->workingStage = 2;
  return store;
}

void runOperation(benchmark::State& state, int op, int firstParam, int threads) {
  const ThreadLimit limit(threads);
  const int size = static_cast<int>(state.range(0));
  auto store = storeWithContent(size);
  OpParams defaults = pristineOperationTable()[op].values;
  if (firstParam >= 0) defaults[0] = firstParam;
  for (auto _ : state) {
    OpParams params = defaults;
    runTextureOp(*store, op, params);
    benchmark::DoNotOptimize(store->stage(2)[0]);
  }
}

void BM_Operation(benchmark::State& state, int op) {
  runOperation(state, op, -1, static_cast<int>(state.range(1)));
}
void BM_Passes(benchmark::State& state, int op) {
  runOperation(state, op, static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
}

// Threads 1 and 0 (every core).
#define TESS_OP_BENCH(name)                          \
  BENCHMARK_CAPTURE(BM_Operation, name, texop::name) \
      ->ArgsProduct({{256, 512, 1024}, {1, 0}})      \
      ->ArgNames({"size", "threads"})                \
      ->UseRealTime()                                \
      ->Unit(benchmark::kMillisecond)

TESS_OP_BENCH(SolidFill);
TESS_OP_BENCH(AddNoise);
TESS_OP_BENCH(AddStars);
TESS_OP_BENCH(Blur);
TESS_OP_BENCH(MotionBlur);
TESS_OP_BENCH(RadialBlur);
TESS_OP_BENCH(Sharpen);
TESS_OP_BENCH(PShift);
TESS_OP_BENCH(RadialPShift);
TESS_OP_BENCH(Map2dPShift);
TESS_OP_BENCH(Median);
TESS_OP_BENCH(Dilate);
TESS_OP_BENCH(Erode);
TESS_OP_BENCH(Edge);
TESS_OP_BENCH(Emboss);
TESS_OP_BENCH(Mixer);
TESS_OP_BENCH(CrossFade);
TESS_OP_BENCH(ScaleColor);
TESS_OP_BENCH(AdjustColor);
TESS_OP_BENCH(SinColor);

BENCHMARK_CAPTURE(BM_Passes, Blur, texop::Blur)
    ->ArgsProduct({{256, 512, 1024}, {8, 64}, {1, 0}})
    ->ArgNames({"size", "passes", "threads"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Passes, MotionBlur, texop::MotionBlur)
    ->ArgsProduct({{256, 512, 1024}, {8, 64}, {1, 0}})
    ->ArgNames({"size", "passes", "threads"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tess
