#include "texture/ops/sine_noise_ops.hpp"

#include <gtest/gtest.h>

#include "stage_pixels.hpp"
#include "texture/operation_table.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

using testing::Bgra;
using testing::makeStore;
using testing::pixel;
using testing::runOn;

// Noise bytes of pixels 1..5 (pixel 0 gets none): trunc(sin 97i sin 47i sin 22i 32768) & 255.
constexpr int kNoise[] = {0, 243, 99, 222, 39, 242};

TEST(AddNoise, AddsTheSineNoiseScaledByAmpWithSaturation) {
  auto store = makeStore(32);
  testing::fillStage(*store, 0, Bgra{0, 10, 200, 44});
  runOn(*store, texop::AddNoise, {100});
  for (int i = 0; i <= 5; ++i) {
    const int add = 100 * kNoise[i] / 255;
    EXPECT_EQ(pixel(*store, 1, 0, i), (Bgra{std::uint8_t(add), std::uint8_t(10 + add),
                                            std::uint8_t(std::min(200 + add, 255)), 44}))
        << "pixel " << i;
  }
  runOn(*store, texop::AddNoise, {0});
  EXPECT_EQ(testing::stageBytes(*store, 1), testing::stageBytes(*store, 0));
}

TEST(AddStars, PlacesGreyStarsAtSinePositions) {
  auto store = makeStore(256);
  testing::fillStage(*store, 0, Bgra{1, 2, 3, 4});
  runOn(*store, texop::AddStars, {5, 200});
  // Star k: column S * b(sin k) / 256, row S * b(cos k) / 256, b = low byte of trunc(v 32768):
  // star 0 (0, 0), star 1 (40, 181), star 2 (188, 99), star 3 (72, 16), star 4 (86, 34); sin 4
  // is negative and wraps to 34.
  const int stars[][2] = {{0, 0}, {40, 181}, {188, 99}, {72, 16}, {86, 34}};
  for (auto [row, column] : stars)
    EXPECT_EQ(pixel(*store, 1, row, column), (Bgra{200, 200, 200, 4}));
  int changed = 0;
  const auto before = testing::stageBytes(*store, 0);
  const auto after = testing::stageBytes(*store, 1);
  for (std::size_t i = 0; i < after.size(); i += 4) changed += after[i] != before[i];
  EXPECT_EQ(changed, 5);
  EXPECT_EQ(pixel(*store, 1, 79, 66), (Bgra{1, 2, 3, 4}));  // star 5 is not drawn with count 5
}

}  // namespace
}  // namespace tess
