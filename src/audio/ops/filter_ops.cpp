#include "audio/ops/filter_ops.hpp"

#include <algorithm>
#include <cstdint>

#include "audio/synth_math.hpp"

namespace tess {

using namespace synth;

namespace {

struct EqBand {
  int a;
  int b;
  int normMultiple;  // gain = g * N * normMultiple
};

constexpr EqBand kEqBands[6] = {{5, 35, 1},    {35, 70, 1},   {70, 100, 1},
                                {100, 150, 1}, {150, 250, 2}, {250, 400, 3}};

}  // namespace

void synthEq(const SynthInvocation& op) {
  std::int64_t gainSum = 0;
  for (int b = 0; b < 6; ++b) gainSum += op.p[b];
  // 391,680 = 255 * 6 * 256. With every gain 0 the factor is meaningless but each band's gain is 0.
  const int norm = truncToInt(391'680.0 / wrap32(gainSum));
  for (int i = 0; i < op.length; ++i) op.out.set(i, 0);
  BandFilter& filter = op.store.filter;
  for (int b = 0; b < 6; ++b) {
    const EqBand& band = kEqBands[b];
    const int gain = wrap32(std::int64_t{op.p[b]} * wrap32(std::int64_t{norm} * band.normMultiple));
    filter.reset();
    filter.setWindows(band.a, band.b);
    for (int i = 0; i < op.length; ++i) {
      const int y = wrap16(filter.step(op.in[i]));
      const double sum = static_cast<double>(std::int64_t{gain} * y) / 256 / 256 + op.out[i];
      op.out.set(i, wrap16(truncToInt(clampSample(sum))));
    }
  }
}

void synthPluck(const SynthInvocation& op) {
  const int f1 = op.p[0], f2 = op.p[1], bw = op.p[2];
  BandFilter& filter = op.store.filter;
  filter.reset();
  for (int i = 0; i < op.length; ++i) {
    const double t = static_cast<double>(i) / op.length;
    const double c = f2 * (1 - t) + f1 * t;
    // A bandwidth wider than the band's centre would give a negative window: windows stop at 0.
    filter.setWindows(std::max(0, truncToInt(c - bw)), std::max(0, truncToInt(c + bw)));
    op.out.set(i, wrap16(clampSample(static_cast<int>(wrap16(filter.step(op.in[i]))))));
  }
}

}  // namespace tess
