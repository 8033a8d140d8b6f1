#include "texture/ops/neighbourhood_filters.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/msvc_random.hpp"
#include "stage_pixels.hpp"
#include "texture/operation_table.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

using testing::Bgra;
using testing::grey;
using testing::makeStore;
using testing::pixel;
using testing::runOn;
using testing::setPixel;

TEST(Median, NetworkPicksTheFifthOfNine) {
  MsvcRandom random;
  random.seed(5);
  for (int trial = 0; trial < 20000; ++trial) {
    std::array<int, 9> v;
    for (int& x : v) x = random.next() % (trial % 2 ? 4 : 256);  // many ties on odd trials
    const Neighbourhood n{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]};
    std::nth_element(v.begin(), v.begin() + 4, v.end());
    ASSERT_EQ(medianOfNine(n), v[4]) << "trial " << trial;
  }
}

TEST(Neighbourhood, DilateThenErodeKeepsASinglePixelAndErodeRemovesIt) {
  auto store = makeStore(32);
  testing::fillStage(*store, 0, grey(0, 50));
  setPixel(*store, 0, 7, 9, grey(255, 50));
  runOn(*store, texop::Dilate, {});
  for (int dr = -2; dr <= 2; ++dr)
    for (int dc = -2; dc <= 2; ++dc)
      EXPECT_EQ(pixel(*store, 1, 7 + dr, 9 + dc),
                grey(std::max(std::abs(dr), std::abs(dc)) <= 1 ? 255 : 0, 50));
  copyStage(store->stage(2), store->stage(1), 32);
  runOn(*store, texop::Erode, {}, 3);
  const auto erodedBack = testing::stageBytes(*store, 3);
  EXPECT_EQ(erodedBack, testing::stageBytes(*store, 0));
  runOn(*store, texop::Erode, {});
  EXPECT_EQ(pixel(*store, 1, 7, 9), grey(0, 50));
}

TEST(Neighbourhood, FlatImages) {
  auto store = makeStore(64);
  testing::fillStage(*store, 0, Bgra{90, 90, 90, 12});
  runOn(*store, texop::Edge, {});
  EXPECT_EQ(pixel(*store, 1, 30, 30), (Bgra{0, 0, 0, 12}));
  runOn(*store, texop::Emboss, {});  // trunc(sqrt(128^2 + 128^2))
  EXPECT_EQ(pixel(*store, 1, 0, 63), (Bgra{181, 181, 181, 12}));
  for (int op : {texop::Sharpen, texop::Median, texop::Dilate, texop::Erode}) {
    runOn(*store, op, {});
    EXPECT_EQ(testing::stageBytes(*store, 1), testing::stageBytes(*store, 0)) << op;
  }
}

TEST(Neighbourhood, RowGradientShowsWhichWayIsUpAndTheEdgeRows) {
  // Row r holds grey 10 r; "up" is row r - 1; rows outside repeat the edge row.
  auto store = makeStore(32);
  for (int row = 0; row < 32; ++row)
    for (int column = 0; column < 32; ++column)
      setPixel(*store, 0, row, column, grey(10 * row % 256, 1));
  runOn(*store, texop::Emboss, {});
  // Interior: gx = 128, gy = 3 (10 (r + 1)) - 3 (10 (r - 1)) + 128 = 188; sqrt(51728) = 227.4.
  EXPECT_EQ(pixel(*store, 1, 5, 5), grey(227, 1));
  // Row 0 reads itself above: gy = 30 + 128 = 158; sqrt(41348) = 203.3.
  EXPECT_EQ(pixel(*store, 1, 0, 5), grey(203, 1));
  runOn(*store, texop::Edge, {});
  EXPECT_EQ(pixel(*store, 1, 5, 0), grey(160, 1));   // 2 |4 * 40 - 4 * 60|
  EXPECT_EQ(pixel(*store, 1, 0, 5), grey(80, 1));    // 2 |4 * 0 - 4 * 10|
  EXPECT_EQ(pixel(*store, 1, 25, 5), grey(255, 1));  // 2 |4 * 240 - 4 * 4| (row 26 holds 260 & 255)
}

TEST(Sharpen, HandValuesAroundABrightPixelAndAlphaFromPrev) {
  auto store = makeStore(32);
  testing::fillStage(*store, 0, grey(100, 33));
  setPixel(*store, 0, 10, 10, grey(120, 33));
  testing::fillStage(*store, 1, grey(7, 7));  // the working stage's old contents do not matter
  runOn(*store, texop::Sharpen, {});
  EXPECT_EQ(pixel(*store, 1, 10, 10), grey(150, 33));  // 300 - 100 - 50
  EXPECT_EQ(pixel(*store, 1, 9, 10), grey(95, 33));    // 250 - 420 / 4 - 50
  EXPECT_EQ(pixel(*store, 1, 9, 9), grey(98, 33));     // 250 - 100 - 420 / 8
  EXPECT_EQ(pixel(*store, 1, 0, 0), grey(100, 33));
}

}  // namespace
}  // namespace tess
