#pragma once

#include "audio/sample_store.hpp"

namespace tess {

// Everything one synthesis operation uses: its output stage k, its input stage (stage
// min(k - 1, n - 2): normally the previous one, stage -1 (silence) for the first command), the
// list's command count n, the current length and the parameters. Other stages, the wave tables
// and the band filter are reached through the store.
struct SynthInvocation {
  SampleStore& store;
  StageView out;
  StageView in;
  int k;
  int n;
  int length;
  const SampleParams& p;

  StageView stage(int s) const { return store.stages.stage(s, length); }
};

using SynthOpFunction = void (*)(const SynthInvocation&);

}  // namespace tess
