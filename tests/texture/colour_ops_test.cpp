#include "texture/ops/colour_ops.hpp"

#include <gtest/gtest.h>

#include "stage_pixels.hpp"
#include "texture/operation_table.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

using testing::Bgra;
using testing::fillPattern;
using testing::makeStore;
using testing::pixel;
using testing::runOn;
using testing::setPixel;
using testing::stageBytes;

TEST(ColourOps, DefaultsLeaveTheImageUnchanged) {
  for (int op : {texop::ScaleColor, texop::AdjustColor}) {
    auto store = makeStore(64);
    fillPattern(*store, 0);
    runOn(*store, op, pristineOperationTable()[op].values);
    EXPECT_EQ(stageBytes(*store, 1), stageBytes(*store, 0)) << op;
  }
}

TEST(ScaleColor, ScalesEachChannelByItsOwnParameterUpTo255) {
  auto store = makeStore(32);
  setPixel(*store, 0, 0, 0, Bgra{100, 200, 100, 9});
  setPixel(*store, 0, 0, 1, Bgra{1, 2, 255, 9});
  runOn(*store, texop::ScaleColor, {255, 255, 255});
  EXPECT_EQ(pixel(*store, 1, 0, 0), (Bgra{199, 255, 199, 9}));
  runOn(*store, texop::ScaleColor, {64, 0, 200});  // red halves, green goes, blue * 200 / 128
  EXPECT_EQ(pixel(*store, 1, 0, 0), (Bgra{156, 0, 50, 9}));
  EXPECT_EQ(pixel(*store, 1, 0, 1), (Bgra{1, 0, 127, 9}));
}

TEST(SinColor, HandValues) {
  auto store = makeStore(32);
  setPixel(*store, 0, 0, 0, Bgra{200, 77, 100, 5});
  runOn(*store, texop::SinColor, {0, 0, 0, 0});
  EXPECT_EQ(pixel(*store, 1, 0, 0), (Bgra{128, 128, 128, 5}));
  // red: sin(255 * 100 * 255 / 2^19 = 12.4025) * 127 + 128 = 107.29; blue: sin(128 * 200 * 255
  // / 2^19 = 12.4512) * 127 + 128 = 113.40; green: factor 0.
  runOn(*store, texop::SinColor, {255, 0, 128, 255});
  EXPECT_EQ(pixel(*store, 1, 0, 0), (Bgra{113, 128, 107, 5}));
  runOn(*store, texop::SinColor, {0, 0, 128, 64});  // sin(3.125) * 127 + 128 = 130.11
  EXPECT_EQ(pixel(*store, 1, 0, 0)[0], 130);
}

TEST(AdjustColor, HueWeights) {
  EXPECT_EQ(hueWeight(41), 0);
  EXPECT_EQ(hueWeight(43), 6);
  EXPECT_EQ(hueWeight(83), 246);
  EXPECT_EQ(hueWeight(84), 252);
  EXPECT_EQ(hueWeight(168), 252);
  EXPECT_EQ(hueWeight(169), 246);
  EXPECT_EQ(hueWeight(209), 6);
  EXPECT_EQ(hueWeight(210), 0);
  for (int k = 252; k <= 255; ++k) EXPECT_EQ(hueWeight(k), 0);
}

TEST(AdjustColor, HueRotatesChannelsAndBrightnessAndContrastScale) {
  auto store = makeStore(32);
  setPixel(*store, 0, 0, 0, Bgra{10, 100, 201, 3});
  // Hue 215: f = 40, weights T[40] = 0, T[125] = 252, T[210] = 0: red takes green, green blue,
  // blue red.
  runOn(*store, texop::AdjustColor, {215, 128, 128});
  EXPECT_EQ(pixel(*store, 1, 0, 0), (Bgra{201, 10, 100, 3}));
  // Contrast 64 halves (c = 256): 201 / 2 = 100.5 -> 100; brightness 0 subtracts 256 from all.
  runOn(*store, texop::AdjustColor, {128, 128, 64});
  EXPECT_EQ(pixel(*store, 1, 0, 0), (Bgra{5, 50, 100, 3}));
  runOn(*store, texop::AdjustColor, {128, 0, 128});
  EXPECT_EQ(pixel(*store, 1, 0, 0), (Bgra{0, 0, 0, 3}));
  // Hue 0: f = 255 gives w0 = T[255] = 0, w1 = T[85] = 252, w2 = T[170] = 240:
  // red = 2 (240 B + 252 G) / 504 = 2 (2400 + 25200) / 504 = 109.5.
  runOn(*store, texop::AdjustColor, {0, 128, 128});
  EXPECT_EQ(pixel(*store, 1, 0, 0)[2], 109);
}

}  // namespace
}  // namespace tess
