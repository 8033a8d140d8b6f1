// The fast sine and cosine against the C library's, from small angles to those past the reduction
// limit, with the quadrant edges and special values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "engine/fast_trig.hpp"

namespace tess {
namespace {

double largestError(double x) {
  double s, c;
  FastTrig::sincos(x, s, c);
  return std::max(std::fabs(s - std::sin(x)), std::fabs(c - std::cos(x)));
}

TEST(FastTrig, WithinAFewUlpOfTheCLibraryEverywhere) {
  std::mt19937_64 random(7);
  double largest = 0;
  for (double range : {1e-3, 1.0, 100.0, 1e4, 1e6, FastTrig::kReducible, 1e12}) {
    std::uniform_real_distribution<double> draw(-range, range);
    for (int i = 0; i < 200000; ++i) largest = std::max(largest, largestError(draw(random)));
  }
  for (int k = -1000; k <= 1000; ++k)  // the quadrant edges, where the reduction is closest
    for (double nudge : {-1e-12, 0.0, 1e-12})
      largest = std::max(largest, largestError(k * std::numbers::pi / 4 + nudge));
  EXPECT_LE(largest, 4e-16);

  double s, c;
  FastTrig::sincos(0.0, s, c);
  EXPECT_EQ(s, 0.0);
  EXPECT_EQ(c, 1.0);
  FastTrig::sincos(std::numeric_limits<double>::infinity(), s, c);
  EXPECT_TRUE(std::isnan(s) && std::isnan(c));
  FastTrig::sincos(std::nan(""), s, c);
  EXPECT_TRUE(std::isnan(s) && std::isnan(c));
}

}  // namespace
}  // namespace tess
