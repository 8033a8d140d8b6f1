// The fast sine and cosine against the C library's, from small angles to those past the reduction
// limit, with the quadrant edges and special values.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

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

// The row forms run vectorised (AVX2 where the processor has it): every lane must equal the scalar
// result bit for bit, the arguments past the reduction and the special values included.
TEST(FastTrig, RowsEqualTheScalarFormLaneForLane) {
  std::mt19937_64 random(11);
  std::vector<double> x;
  for (double range : {1.0, 1e4, 1e9})
    for (int i = 0; i < 1000; ++i) x.push_back(std::uniform_real_distribution<double>(-range, range)(random));
  x.insert(x.begin() + 5, {std::nan(""), -std::numeric_limits<double>::infinity(), -0.0});
  const int n = static_cast<int>(x.size());  // not a multiple of the vector width
  std::vector<double> s(n), c(n), sineOnly(n);
  FastTrig::sincosRow(x.data(), s.data(), c.data(), n);
  FastTrig::sinRow(x.data(), sineOnly.data(), n);
  for (int i = 0; i < n; ++i) {
    double es, ec;
    FastTrig::sincos(x[i], es, ec);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(s[i]), std::bit_cast<std::uint64_t>(es)) << x[i];
    EXPECT_EQ(std::bit_cast<std::uint64_t>(c[i]), std::bit_cast<std::uint64_t>(ec)) << x[i];
    EXPECT_EQ(std::bit_cast<std::uint64_t>(sineOnly[i]), std::bit_cast<std::uint64_t>(es)) << x[i];
  }
}

}  // namespace
}  // namespace tess
