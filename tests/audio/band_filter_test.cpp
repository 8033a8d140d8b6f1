#include "audio/band_filter.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace tess {
namespace {

std::vector<int> response(BandFilter& filter, const std::vector<int>& input) {
  std::vector<int> out;
  for (int x : input) out.push_back(filter.step(x));
  return out;
}

TEST(BandFilterTest, ImpulseResponseIsTheDifferenceOfTwoMovingAverages) {
  BandFilter filter;
  filter.reset();
  filter.setWindows(5, 35);
  std::vector<int> impulse(50, 0);
  impulse[0] = 32'000;
  const std::vector<int> out = response(filter, impulse);
  // 32,000 / 6 - 32,000 / 36 while the impulse is in both windows, then -32,000 / 36 truncated.
  for (int t = 0; t < 5; ++t) EXPECT_EQ(out[t], 4'444) << t;
  for (int t = 5; t < 35; ++t) EXPECT_EQ(out[t], -888) << t;
  for (int t = 35; t < 50; ++t) EXPECT_EQ(out[t], 0) << t;
}

TEST(BandFilterTest, ConstantInputSettlesAtTheWindowsShare) {
  BandFilter filter;
  filter.reset();
  filter.setWindows(5, 35);
  const std::vector<int> out = response(filter, std::vector<int>(100, 3'600));
  EXPECT_EQ(out.back(), 3'000 - 3'500);  // 5/6 and 35/36 of the input
}

TEST(BandFilterTest, ResetForgetsEverything) {
  BandFilter filter;
  filter.reset();
  filter.setWindows(5, 35);
  response(filter, std::vector<int>(20, 10'000));
  filter.reset();
  EXPECT_EQ(filter.step(0), 0);
  EXPECT_EQ(filter.step(0), 0);
}

}  // namespace
}  // namespace tess
