// Synthesis at the largest length: a whole mixed list, and each operation alone.

#include <benchmark/benchmark.h>

#include <memory>

#include "audio/sample_operation_table.hpp"
#include "audio/sample_store.hpp"
#include "audio/synthesiser.hpp"

namespace tess {
namespace {

using namespace sampleop;

SampleCommand make(int op, SampleParams p = {}) {
  return {op, p};
}

// Ten seconds of oscillators mixed, filtered, echoed and shaped: 20 commands.
void BM_RunSampleListTenSecondsTwentyCommands(benchmark::State& state) {
  auto store = std::make_unique<SampleStore>();
  const SampleCommand list[] = {
      make(SetSize, {100}),
      make(Sinus, {440, 255, 0}),
      make(Square, {220, 128, 0}),
      make(Mixer, {1, 2, 128, 128, 0, 0, 0}),
      make(Saw, {110, 200, 0}),
      make(Eq, {128, 128, 128, 128, 128, 128}),
      make(Noise, {440, 128}),
      make(Mixer, {5, 6, 200, 64, 0, 100, 0}),
      make(Pluck, {23, 32, 10}),
      make(Triangle, {880, 128, 0}),
      make(Mixer, {8, 9, 128, 128, 0, 0, 0}),
      make(Reverb, {2'205, 40, 22}),
      make(SoftSaw, {330, 200, 0}),
      make(Mixer, {11, 12, 128, 128, 0, 0, 0}),
      make(Env, {0, 255, 100, 0}),
      make(Eq, {200, 128, 64, 64, 128, 200}),
      make(Sinus, {660, 128, 64}),
      make(Mixer, {15, 16, 128, 128, 0, 0, 0}),
      make(Reverb, {4'410, 30, 22}),
      make(Compress, {128}),
  };
  int n = 0;
  for (const SampleCommand& command : list) store->currentRow()[n++] = command;
  store->counts[0] = n;
  store->currentCommand = n - 1;
  for (auto _ : state) {
    runSampleList(*store);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RunSampleListTenSecondsTwentyCommands)->Unit(benchmark::kMillisecond);

// One operation with its default parameters over ten seconds of noise.
void BM_Operation(benchmark::State& state) {
  const int op = static_cast<int>(state.range(0));
  auto store = std::make_unique<SampleStore>();
  CommandRow& row = store->currentRow();
  row[0] = make(SetSize, {100});
  row[1] = make(Noise, {1'000, 255});
  row[2] = make(op, sampleOperations()[op].defaults);
  store->counts[0] = 3;
  store->currentCommand = 1;
  runSampleList(*store);
  store->currentCommand = 2;
  for (auto _ : state) {
    runCommand(*store);
    benchmark::ClobberMemory();
  }
  state.SetLabel(std::string(sampleOperations()[op].name));
}
BENCHMARK(BM_Operation)->DenseRange(0, kSampleOpCount - 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tess
