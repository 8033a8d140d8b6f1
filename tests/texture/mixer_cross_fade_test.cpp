#include <gtest/gtest.h>

#include "stage_pixels.hpp"
#include "texture/operation_table.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

using testing::Bgra;
using testing::fillPattern;
using testing::grey;
using testing::makeStore;
using testing::pixel;
using testing::runOn;
using testing::setPixel;
using testing::stageBytes;

// Stage 1 and stage 2 hold one pixel each as sources; the working stage is 3.
Bgra mixed(int type, int brightness1, int brightness2, Bgra first, Bgra second) {
  auto store = makeStore(32);
  testing::fillStage(*store, 1, first);
  testing::fillStage(*store, 2, second);
  testing::fillStage(*store, 3, grey(0, 42));
  runOn(*store, texop::Mixer, {1, 2, brightness1, brightness2, type}, 3);
  return pixel(*store, 3, 17, 9);
}

TEST(Mixer, EachTypeWithHandValues) {
  // x = 128 a, y = 128 b with a = 100, b = 60 in blue; a = 200, b = 250 in green; a = b = 255 in
  // red.
  const Bgra a{100, 200, 255, 1}, b{60, 250, 255, 2};
  EXPECT_EQ(mixed(0, 128, 128, a, b), (Bgra{80, 225, 254, 42}));  // 127 + 127 for 255
  EXPECT_EQ(mixed(1, 128, 128, a, b), (Bgra{20, 0, 0, 42}));      // clamped at 0, no wrap
  EXPECT_EQ(mixed(2, 128, 128, a, b), (Bgra{0, 25, 0, 42}));
  // y (4x / 256) / 65536: 7680 * 200 / 65536 = 23; 32000 * 400 / 65536 = 195; 32640 * 510 = 254.
  EXPECT_EQ(mixed(3, 128, 128, a, b), (Bgra{23, 195, 254, 42}));
  EXPECT_EQ(mixed(4, 128, 128, a, b), (Bgra{100, 250, 255, 42}));
  EXPECT_EQ(mixed(5, 128, 128, a, b), (Bgra{60, 200, 255, 42}));
  EXPECT_EQ(mixed(0, 255, 255, a, b), (Bgra{158, 255, 255, 42}));  // 99 + 59 in blue
  EXPECT_EQ(mixed(1, 255, 0, a, b), (Bgra{99, 199, 254, 42}));
}

TEST(Mixer, TypesWithoutAMixLeaveTheCopyOfThePreviousStage) {
  for (int type : {6, 200, 255}) {
    auto store = makeStore(32);
    fillPattern(*store, 2);
    fillPattern(*store, 3, 11);  // what a live preview left there must not matter
    runOn(*store, texop::Mixer, {1, 1, 128, 128, type}, 3);
    EXPECT_EQ(stageBytes(*store, 3), stageBytes(*store, 2)) << type;
  }
}

TEST(CrossFade, ZoneZeroAndOtherDirectionsLeaveTheImage) {
  auto store = makeStore(64);
  fillPattern(*store, 0);
  for (OpParams params : {OpParams{0, 0}, OpParams{0, 1}, OpParams{255, 2}, OpParams{255, 255}}) {
    runOn(*store, texop::CrossFade, params);
    EXPECT_EQ(stageBytes(*store, 1), stageBytes(*store, 0));
  }
}

TEST(CrossFade, FadesOppositeEdgesTowardsTheirAverage) {
  // Zone 64 * 32 / 512 = 4. Step j: m = (4 - j) ((c + e) / 2) / 4, then m + j c / 4 and m + j e
  // / 4.
  for (int direction : {0, 1}) {
    auto store = makeStore(32);
    testing::fillStage(*store, 0, grey(50, 8));
    auto at = [&](int line, int k) {
      return direction == 0 ? std::pair{line, k} : std::pair{k, line};
    };
    for (int line = 0; line < 32; ++line) {
      for (int k : {0, 1, 3}) {
        auto [r, c] = at(line, k);
        setPixel(*store, 0, r, c, grey(100, 8));
        auto [r2, c2] = at(line, 31 - k);
        setPixel(*store, 0, r2, c2, grey(21, 8));
      }
    }
    runOn(*store, texop::CrossFade, {64, direction});
    auto value = [&](int k) {
      auto [r, c] = at(9, k);
      return pixel(*store, 1, r, c)[0];
    };
    EXPECT_EQ(value(0), 60);  // both edge pixels become the average (100 + 21) / 2
    EXPECT_EQ(value(31), 60);
    EXPECT_EQ(value(1), 45 + 25);  // m = 3 * 60 / 4 = 45
    EXPECT_EQ(value(30), 45 + 5);
    EXPECT_EQ(value(2), 25 + 25);  // m = 2 * 50 / 4, then 2 * 50 / 4
    EXPECT_EQ(value(3), 15 + 75);  // m = 1 * 60 / 4, then 3 * 100 / 4
    EXPECT_EQ(value(28), 15 + 15);
    EXPECT_EQ(value(4), 50);  // outside the zone
    EXPECT_EQ(pixel(*store, 1, 9, 9)[3], 8);
  }
}

}  // namespace
}  // namespace tess
