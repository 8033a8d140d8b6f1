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

// Blue, green and red of every pixel as expected(prev pixel); alpha as the working stage held it.
template <typename Expected>
void expectColours(const TextureStore& store, Expected expected) {
  const auto before = stageBytes(store, 0);
  const auto after = stageBytes(store, 1);
  for (std::size_t i = 0; i < before.size(); i += 4) {
    const Bgra want = expected(Bgra{before[i], before[i + 1], before[i + 2], before[i + 3]});
    for (int c = 0; c < 3; ++c) ASSERT_EQ(after[i + c], want[c]) << "byte " << i + c;
    ASSERT_EQ(after[i + 3], 66) << "alpha " << i;
  }
}

TEST(PShift, ZeroShiftsKeepTheColoursOrMakeThemGrey) {
  for (int op : {texop::PShift, texop::RadialPShift}) {
    auto store = makeStore(64);
    fillPattern(*store, 0);
    testing::fillStage(*store, 1, grey(0, 66));
    runOn(*store, op, {0, 0, 0, 255});
    expectColours(*store, [](Bgra p) { return p; });
    runOn(*store, op, {0, 0, 0, 0});
    expectColours(*store, [](Bgra p) {
      const auto g = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
      return Bgra{g, g, g, 0};
    });
  }
}

TEST(PShift, ReadsPastTheEndOfPrevIntoTheResultsAlreadyWritten) {
  // r-shift 255 moves blue by 31 * B / 64 pixels: 31 for blue 64. Pixel 0 reads pixel 31, which
  // alone holds blue 7; pixel 993 reads pixel 1024, the first pixel of out, which by then holds 7.
  auto store = makeStore(32);
  testing::fillStage(*store, 0, Bgra{64, 0, 0, 0});
  setPixel(*store, 0, 0, 31, Bgra{7, 0, 0, 0});
  runOn(*store, texop::PShift, {255, 0, 0, 255});
  EXPECT_EQ(pixel(*store, 1, 0, 0)[0], 7);
  EXPECT_EQ(pixel(*store, 1, 0, 31)[0], 64);  // 31 * 7 / 64 = 3 pixels on
  EXPECT_EQ(pixel(*store, 1, 31, 1)[0], 7);   // pixel 993
  EXPECT_EQ(pixel(*store, 1, 31, 0)[0], 64);
  EXPECT_EQ(pixel(*store, 1, 31, 2)[0], 64);
}

TEST(PShift, SaturationMixesGreyAndColour) {
  // o = (B + G + R) (255 - s) / 765, channel = o + s x / 255: (30, 60, 90), s = 100 -> o = 36.
  auto store = makeStore(32);
  testing::fillStage(*store, 0, Bgra{30, 60, 90, 1});
  testing::fillStage(*store, 1, grey(0, 2));
  runOn(*store, texop::PShift, {0, 0, 0, 100});
  EXPECT_EQ(pixel(*store, 1, 3, 3), (Bgra{47, 59, 71, 2}));  // alpha as the working stage held it
}

TEST(RadialPShift, PullsEachChannelTowardsTheCentreByItsValue) {
  // Blue 255 with r-shift 255 at S = 32: f = 255 * 31 + 65536 = 73441; pixel (0, 0) reads row
  // and column 16 + (-16 * 65536) / 73441 = 16 - 14 = 2 (truncated toward zero).
  auto store = makeStore(32);
  testing::fillStage(*store, 0, Bgra{255, 0, 0, 0});
  setPixel(*store, 0, 2, 2, Bgra{11, 0, 0, 0});
  runOn(*store, texop::RadialPShift, {255, 0, 0, 255});
  EXPECT_EQ(pixel(*store, 1, 0, 0)[0], 11);
  EXPECT_EQ(pixel(*store, 1, 0, 1)[0], 255);
}

TEST(Map2dPShift, OffsetsComeFromTheMapStageAndWrap) {
  auto store = makeStore(32);
  testing::fillStage(*store, 1, grey(16, 0));  // the map, blue = green = S / 2: no offset
  fillPattern(*store, 2);                      // prev of working stage 3
  runOn(*store, texop::Map2dPShift, {1, 255, 255}, 3);
  for (int row : {0, 13, 31})
    for (int column : {0, 31})
      EXPECT_EQ(pixel(*store, 3, row, column)[1], pixel(*store, 2, row, column)[1]);

  // Blue 17 with x-scale 128: one column on (the last wraps to 0). Green 13 with y-scale 64:
  // 64 * (13 - 16) / 128 = -1.5, truncated to -1 row (row 0 wraps to 31).
  testing::fillStage(*store, 1, Bgra{17, 13, 0, 0});
  runOn(*store, texop::Map2dPShift, {1, 128, 64}, 3);
  EXPECT_EQ(pixel(*store, 3, 5, 7)[0], pixel(*store, 2, 4, 8)[0]);
  EXPECT_EQ(pixel(*store, 3, 0, 31)[2], pixel(*store, 2, 31, 0)[2]);
}

}  // namespace
}  // namespace tess
