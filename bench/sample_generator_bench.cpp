// The sample generator window while editing a 10-second sample: one parameter change (the
// current command reruns) with the waveform drawn again, per operation; and the drawing alone.

#include <benchmark/benchmark.h>

#include <vector>

#include "audio/sample_operation_table.hpp"
#include "audio/synthesiser.hpp"
#include "editor/editor_session.hpp"
#include "editor/sample_generator_model.hpp"

namespace tess {
namespace {

constexpr int kViewWidth = 1000;
constexpr int kViewHeight = 200;

// SetSize(100), Noise(1000,255) and op with its defaults, op current.
void tenSecondList(EditorSession& session, int op) {
  SampleStore& store = session.samples();
  CommandRow& row = store.currentRow();
  row[0] = {sampleop::SetSize, {100}};
  row[1] = {sampleop::Noise, {1'000, 255}};
  row[2] = {op, sampleOperations()[op].defaults};
  store.counts[0] = 3;
  store.currentCommand = 2;
  runSampleList(store);
}

void BM_ParameterChangeAndRedraw(benchmark::State& state) {
  const int op = static_cast<int>(state.range(0));
  EditorSession session;
  SampleGeneratorModel model(session);
  tenSecondList(session, op);
  std::vector<std::uint32_t> picture(kViewWidth * kViewHeight);
  for (auto _ : state) {
    // Picking the operation again gives it its defaults and reruns it, like any parameter edit,
    // also for operations without parameters.
    model.pickOperation(op);
    model.drawWaveform(kViewWidth, kViewHeight, picture.data());
    benchmark::DoNotOptimize(picture.data());
  }
  state.SetLabel(std::string(sampleOperations()[op].name));
}
BENCHMARK(BM_ParameterChangeAndRedraw)
    ->DenseRange(0, kSampleOpCount - 2)
    ->Unit(benchmark::kMillisecond);

void BM_WaveformRedraw(benchmark::State& state) {
  EditorSession session;
  SampleGeneratorModel model(session);
  tenSecondList(session, sampleop::Sinus);
  model.setZoomPosition(160);  // the widest window: 81 samples a column
  std::vector<std::uint32_t> picture(kViewWidth * kViewHeight);
  for (auto _ : state) {
    model.drawWaveform(kViewWidth, kViewHeight, picture.data());
    benchmark::DoNotOptimize(picture.data());
  }
}
BENCHMARK(BM_WaveformRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tess
