#include <gtest/gtest.h>

#include <cstring>
#include <vector>

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

TEST(Blur, NoPassesCopyAndFullBrightnessSaturatesColourOnly) {
  for (int op : {texop::Blur, texop::MotionBlur}) {
    auto store = makeStore(64);
    fillPattern(*store, 0);
    fillPattern(*store, 1, 3);
    runOn(*store, op, {0, 200});
    EXPECT_EQ(stageBytes(*store, 1), stageBytes(*store, 0)) << op;
    runOn(*store, op, {3, 255});
    for (int row : {0, 31, 63})
      for (int column : {0, 40, 63})
        EXPECT_EQ(pixel(*store, 1, row, column),
                  (Bgra{255, 255, 255, pixel(*store, 0, row, column)[3]}))
            << op;
  }
}

TEST(Blur, OnePassMixesTheRowBelowAndTheUpdatedRowAbove) {
  // Pass 0: P = D/2 + 3 (P/8) + Up/8 with D one row below and Up the already blurred row above.
  auto store = makeStore(32);
  testing::fillStage(*store, 0, grey(0, 9));
  setPixel(*store, 0, 10, 5, Bgra{200, 0, 80, 9});
  runOn(*store, texop::Blur, {1, 0});
  EXPECT_EQ(pixel(*store, 1, 9, 5), (Bgra{100, 0, 40, 9}));
  EXPECT_EQ(pixel(*store, 1, 10, 5), (Bgra{87, 0, 35, 9}));  // 3 * 25 + 100 / 8; 3 * 10 + 40 / 8
  EXPECT_EQ(pixel(*store, 1, 11, 5), (Bgra{10, 0, 4, 9}));
  EXPECT_EQ(pixel(*store, 1, 12, 5), (Bgra{1, 0, 0, 9}));
  EXPECT_EQ(pixel(*store, 1, 13, 5), grey(0, 9));
  EXPECT_EQ(pixel(*store, 1, 10, 4), grey(0, 9));
  EXPECT_EQ(pixel(*store, 1, 10, 6), grey(0, 9));
}

TEST(Blur, ReachesIntoTheZeroImagesAroundTheCopy) {
  // Row 0's light goes up into the last row of zero image 0 (row -1, the first row walked) and
  // comes back in pass 1, whose Up lies two rows above. Column 3:
  //   pass 0: row -1 = 240/2 = 120; row 0 = 3 (240/8) + 120/8 = 105; row 1 = 13; row 2 = 1.
  //   pass 1: row -1 = 105/2 + 15/8 (Lt, already 120/8) + 120/8 = 68;
  //           row 0 = 13/2 + 13/8 (Lt) + 0 (row -2 is never walked) + 105/8 = 20;
  //           row 1 = 1/2 + 2/8 (Lt) + 68/8 + 13/8 = 9.
  auto store = makeStore(32);
  testing::fillStage(*store, 0, grey(0, 0));
  setPixel(*store, 0, 0, 3, grey(240, 0));
  runOn(*store, texop::Blur, {2, 0});
  EXPECT_EQ(pixel(*store, 1, 0, 3), grey(20, 0));
  EXPECT_EQ(pixel(*store, 1, 1, 3), grey(9, 0));
}

// The walk written out plainly, one byte at a time over a zero-padded column of rows, for
// comparison with the operation's vectorised passes.
std::vector<std::uint8_t> plainBlur(const std::vector<std::uint8_t>& image, int size, int passes,
                                    int add, bool cross) {
  const std::size_t row = static_cast<std::size_t>(size) * 4;
  const std::size_t pad = 300 * row;
  std::vector<std::uint8_t> rows(pad + 3 * image.size() + pad, 0);
  const std::size_t middle = pad + image.size();
  std::copy(image.begin(), image.end(), rows.begin() + middle);
  for (int i = 0; i < passes; ++i) {
    const std::size_t below = cross ? ((i + 1) / 8 + 1) * row : 0,
                      above = cross ? (i + 1) * row : 0;
    for (std::size_t at = middle - row; at < middle + image.size() + row; ++at) {
      if (at % 4 == 3) continue;
      const int v = rows[at + below] / 2 + rows[at + 4 * i] / 8 + rows[at - 4 * i] / 8 +
                    rows[at - above] / 8 + rows[at] / 8 + add;
      rows[at] = static_cast<std::uint8_t>(std::min(v, 255));
    }
  }
  return {rows.begin() + middle, rows.begin() + middle + image.size()};
}

TEST(Blur, PassesMatchThePlainWalk) {
  auto store = makeStore(32);
  fillPattern(*store, 0);
  const auto image = stageBytes(*store, 0);
  for (int op : {texop::Blur, texop::MotionBlur}) {
    for (int passes : {1, 2, 3, 5, 9, 40}) {
      for (int add : {0, 3}) {
        runOn(*store, op, {passes, add});
        ASSERT_EQ(stageBytes(*store, 1), plainBlur(image, 32, passes, add, op == texop::Blur))
            << op << " " << passes << " " << add;
      }
    }
  }
}

TEST(Blur, ResultDoesNotDependOnWhatTheScratchAreaHeld) {
  for (int op : {texop::Blur, texop::MotionBlur, texop::RadialBlur}) {
    auto store = makeStore(32);
    fillPattern(*store, 0);
    std::memset(store->scratch.base(), 0, ScratchArea::kTotalBytes);
    runOn(*store, op, {255, 0});
    const auto clean = stageBytes(*store, 1);
    std::memset(store->scratch.base(), 0xA5, ScratchArea::kTotalBytes);
    runOn(*store, op, {255, 0});
    EXPECT_EQ(stageBytes(*store, 1), clean) << op;
  }
}

TEST(MotionBlur, SmearsAlongMemoryOrder) {
  // Pass 0 leaves the image (P/2 + 4 (P/8) with Rt = Lt = P); pass 1 mixes the neighbours one
  // pixel away, the left one already smeared: 25, 100 + 2 * 25 + 25 / 8 = 153, 153 / 8, 19 / 8.
  auto store = makeStore(32);
  testing::fillStage(*store, 0, grey(0, 1));
  setPixel(*store, 0, 4, 31, grey(200, 1));
  runOn(*store, texop::MotionBlur, {1, 0});
  EXPECT_EQ(pixel(*store, 1, 4, 31), grey(200, 1));
  runOn(*store, texop::MotionBlur, {2, 0});
  EXPECT_EQ(pixel(*store, 1, 4, 30), grey(25, 1));
  EXPECT_EQ(pixel(*store, 1, 4, 31), grey(153, 1));
  EXPECT_EQ(pixel(*store, 1, 5, 0), grey(19, 1));  // the smear runs on into the next row
  EXPECT_EQ(pixel(*store, 1, 5, 1), grey(2, 1));
  EXPECT_EQ(pixel(*store, 1, 3, 31), grey(0, 1));
}

TEST(RadialBlur, NoIterationsCopy) {
  auto store = makeStore(64);
  fillPattern(*store, 0);
  runOn(*store, texop::RadialBlur, {0, 128});
  EXPECT_EQ(stageBytes(*store, 1), stageBytes(*store, 0));
}

TEST(RadialBlur, FullZoomReadsTheCentreWhichChangesDuringThePass) {
  // Every source is the centre (16, 16): pixels up to it get (4 * 200 + 0) / 8 = 100, the pixels
  // after it read the updated centre: (4 * 100) / 8 = 50.
  auto store = makeStore(32);
  testing::fillStage(*store, 0, grey(0, 3));
  setPixel(*store, 0, 16, 16, grey(200, 3));
  runOn(*store, texop::RadialBlur, {1, 255});
  EXPECT_EQ(pixel(*store, 1, 0, 0), grey(100, 3));
  EXPECT_EQ(pixel(*store, 1, 16, 15), grey(100, 3));
  EXPECT_EQ(pixel(*store, 1, 16, 16), grey(100, 3));
  EXPECT_EQ(pixel(*store, 1, 16, 17), grey(50, 3));
  EXPECT_EQ(pixel(*store, 1, 31, 31), grey(50, 3));
}

TEST(RadialBlur, NoZoomAveragesInPlaceAndReadsZeroBelowTheLastRow) {
  // f = 1: each pixel is its own source; row 0 and column 0 are skipped. Right of the last column
  // lies the next row's first pixel in memory order; below the last row, and right of the last
  // pixel, lie zeros.
  auto store = makeStore(32);
  testing::fillStage(*store, 0, grey(80));
  runOn(*store, texop::RadialBlur, {1, 0});
  EXPECT_EQ(pixel(*store, 1, 0, 5), grey(80));
  EXPECT_EQ(pixel(*store, 1, 5, 5), grey(80));
  EXPECT_EQ(pixel(*store, 1, 5, 31), grey(80));
  EXPECT_EQ(pixel(*store, 1, 31, 5), grey(70));   // (4 * 80 + 3 * 80) / 8
  EXPECT_EQ(pixel(*store, 1, 31, 31), grey(60));  // (4 * 80 + 2 * 80) / 8
}

}  // namespace
}  // namespace tess
