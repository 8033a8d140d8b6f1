#include "audio/ops/filter_ops.hpp"

#include <algorithm>
#include <cstdint>

#include "audio/synth_math.hpp"

namespace tess {

using namespace synth;

namespace {

// The six bands' windows: band b runs over windows b (A) and b + 1 (B).
constexpr int kEqWindows[7] = {5, 35, 70, 100, 150, 250, 400};
constexpr int kEqNormMultiple[6] = {1, 1, 1, 1, 2, 3};  // band gain = g * N * multiple

}  // namespace

// Each band runs a freshly reset band filter over the same input and adds its share to the stage,
// band after band. Filters reset together over the same input hold the same ring, and windows of
// the same length the same running sum, so the six bands share one ring and seven sums and run
// in one pass: the results are those of six passes, bit for bit.
void synthEq(const SynthInvocation& op) {
  std::int64_t gainSum = 0;
  for (int b = 0; b < 6; ++b) gainSum += op.p[b];
  // 391,680 = 255 * 6 * 256. With every gain 0 the factor is meaningless but each band's gain is 0.
  const int norm = truncToInt(391'680.0 / wrap32(gainSum));
  int gains[6];
  for (int b = 0; b < 6; ++b)
    gains[b] = wrap32(std::int64_t{op.p[b]} * wrap32(std::int64_t{norm} * kEqNormMultiple[b]));

  std::int32_t* ring = op.store.filter.clearedRing();
  std::int32_t sums[7] = {};
  int position = 0;
  for (int i = 0; i < op.length; ++i) {
    const int x = op.in[i];
    position = position == 0 ? BandFilter::kRingSize - 1 : position - 1;
    ring[position] = x;
    double averages[7];
    for (int w = 0; w < 7; ++w) {
      sums[w] = wrap32(std::int64_t{sums[w]} + x -
                       ring[(position + kEqWindows[w]) & (BandFilter::kRingSize - 1)]);
      averages[w] = sums[w] / (kEqWindows[w] + 1.0);
    }
    int value = 0;  // the cleared stage
    for (int b = 0; b < 6; ++b) {
      const int y = wrap16(truncToInt(averages[b] - averages[b + 1]));
      value = truncToInt(
          clampSample(static_cast<double>(std::int64_t{gains[b]} * y) / 256 / 256 + value));
    }
    op.out.set(i, wrap16(value));
  }
}

void synthPluck(const SynthInvocation& op) {
  const int f1 = op.p[0], f2 = op.p[1], bw = op.p[2];
  BandFilter& filter = op.store.filter;
  filter.reset();
  BandFilter::Pass pass(filter);
  for (int i = 0; i < op.length; ++i) {
    const double t = static_cast<double>(i) / op.length;
    const double c = f2 * (1 - t) + f1 * t;
    // A bandwidth wider than the band's centre would give a negative window: windows stop at 0.
    pass.setWindows(std::max(0, truncToInt(c - bw)), std::max(0, truncToInt(c + bw)));
    op.out.set(i, wrap16(clampSample(static_cast<int>(wrap16(pass.step(op.in[i]))))));
  }
}

}  // namespace tess
