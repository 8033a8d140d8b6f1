#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "audio/band_filter.hpp"
#include "audio/synth_math.hpp"
#include "audio_test_support.hpp"

namespace tess::testing {
namespace {

using namespace sampleop;

// Eq as a list of six passes, each with its own freshly reset band filter, adding to the stage.
std::vector<int> eqBandByBand(const std::vector<int>& in, const SampleParams& g) {
  const int windows[7] = {5, 35, 70, 100, 150, 250, 400};
  const int multiple[6] = {1, 1, 1, 1, 2, 3};
  const int norm = synth::truncToInt(391'680.0 / (g[0] + g[1] + g[2] + g[3] + g[4] + g[5]));
  std::vector<int> out(in.size(), 0);
  for (int b = 0; b < 6; ++b) {
    BandFilter filter;
    filter.reset();
    filter.setWindows(windows[b], windows[b + 1]);
    const int gain = g[b] * norm * multiple[b];
    for (std::size_t i = 0; i < in.size(); ++i) {
      const int y = synth::wrap16(filter.step(in[i]));
      out[i] = synth::truncToInt(
          synth::clampSample(static_cast<double>(std::int64_t{gain} * y) / 256 / 256 + out[i]));
    }
  }
  return out;
}

TEST(EqTest, EqualsSixBandsRunOneAfterAnother) {
  for (const SampleParams& gains :
       {SampleParams{128, 128, 128, 128, 128, 128}, SampleParams{255, 0, 0, 0, 0, 255},
        SampleParams{1, 2, 3, 4, 5, 6}, SampleParams{0, 0, 0, 0, 255, 0}}) {
    auto store = storeWithList({command(SetSize, {3}), command(Noise, {3'000, 255}), command(Eq)});
    store->currentRow()[2].p = gains;
    runSampleList(*store);
    EXPECT_EQ(stageValues(*store, 2), eqBandByBand(stageValues(*store, 1), gains))
        << gains[0] << "," << gains[5];
  }
}

TEST(EqTest, AllGainsZeroIsSilent) {
  auto store = storeWithList({command(Noise, {3'000, 255}), command(Eq, {0, 0, 0, 0, 0, 0})});
  const std::vector<int> out = runAndRead(*store, 1);
  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](int v) { return v == 0; }));
}

TEST(PluckTest, AWindowBelowZeroStopsAtZero) {
  // Centre 0, bandwidth 50: A = 0 (its sum stays 0), B = 50; a constant 5,119 gives
  // -(5,119 * samples so far, at most 50) / 51.
  auto store = storeWithList({command(Saw, {0, 40, 0}), command(Pluck, {0, 0, 50})});
  const std::vector<int> out = runAndRead(*store, 1);
  EXPECT_EQ(out[0], -100);
  EXPECT_EQ(out[49], -5'018);
  EXPECT_EQ(out[44'099], -5'018);
}

}  // namespace
}  // namespace tess::testing
