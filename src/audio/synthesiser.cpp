#include "audio/synthesiser.hpp"

#include <algorithm>
#include <array>
#include <cstring>

#include "audio/ops/filter_ops.hpp"
#include "audio/ops/generator_ops.hpp"
#include "audio/ops/mix_ops.hpp"
#include "audio/ops/processor_ops.hpp"
#include "audio/sample_operation_table.hpp"

namespace tess {

namespace {

// SetSize: t tenths of a second, taking effect for the rest of the list at once. Values beyond
// 0..100 would move the stages out of the store, so the length stays within 0..441,000.
void synthSetSize(const SynthInvocation& op) {
  op.store.lengths[op.store.currentSample] = std::clamp(op.p[0], 0, 100) * 4'410;
}

using DispatchTable = std::array<SynthOpFunction, kSampleOpCount>;

constexpr DispatchTable kDispatch = [] {
  DispatchTable table{};
  table[sampleop::Sinus] = synthSinus;
  table[sampleop::AbsSinus] = synthAbsSinus;
  table[sampleop::Square] = synthSquare;
  table[sampleop::Triangle] = synthTriangle;
  table[sampleop::Saw] = synthSaw;
  table[sampleop::SoftSaw] = synthSoftSaw;
  table[sampleop::Noise] = synthNoise;
  table[sampleop::Mixer] = synthMixer;
  table[sampleop::Morf] = synthMorf;
  table[sampleop::Env] = synthEnv;
  table[sampleop::Flanger] = synthFlanger;
  table[sampleop::Eq] = synthEq;
  table[sampleop::Reverse] = synthReverse;
  table[sampleop::SinPack] = synthSinPack;
  table[sampleop::Pluck] = synthPluck;
  table[sampleop::VRoll] = synthVRoll;
  table[sampleop::Reverb] = synthReverb;
  table[sampleop::SinPackSlide] = synthSinPackSlide;
  table[sampleop::BaseDrum] = synthBaseDrum;
  table[sampleop::Resample] = synthResample;
  table[sampleop::Invert] = synthInvert;
  table[sampleop::Compress] = synthCompress;
  table[sampleop::Compress2] = synthCompress2;
  table[sampleop::SinPack2] = synthSinPack2;
  table[sampleop::SSawPack] = synthSSawPack;
  table[sampleop::Vibrato] = synthVibrato;
  table[sampleop::Shift] = synthShift;
  table[sampleop::Roll] = synthRoll;
  table[sampleop::SetSize] = synthSetSize;
  return table;
}();

// Whether command k may run: it must be a slot of the row, and its stage must lie inside the
// stage store at the current length.
bool canRun(const SampleStore& store, int k) {
  return k >= 0 && k < kCommandSlots && StageStore::fits(k, store.length());
}

}  // namespace

void runCommand(SampleStore& store) {
  const int k = store.currentCommand;
  if (!canRun(store, k)) return;
  const SampleCommand& command = store.currentRow()[k];
  if (!isSampleOp(command.op)) return;
  const int n = store.count();
  const int length = store.length();
  const StageView out = store.stages.stage(k, length);
  const StageView in = store.stages.stage(std::min(k - 1, n - 2), length);
  kDispatch[command.op]({store, out, in, k, n, length, command.p});
}

void runSampleList(SampleStore& store) {
  const int c = store.currentCommand;
  for (store.currentCommand = 0; store.currentCommand < store.count(); ++store.currentCommand) {
    if (!canRun(store, store.currentCommand)) break;
    runCommand(store);
  }
  store.currentCommand = c;
  const int length = store.length();
  if (c > 0 && StageStore::fits(c + 1, length)) {
    StageView from = store.stages.stage(c, length), to = store.stages.stage(c + 1, length);
    for (int i = 0; i < length; ++i) to.set(i, static_cast<std::int16_t>(from[i]));
  }
}

int soundStage(const SampleStore& store) {
  int stage = store.count() - 1;
  while (stage >= 0 && !StageStore::fits(stage, store.length())) --stage;
  return stage;
}

}  // namespace tess
