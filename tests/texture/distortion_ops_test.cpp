// Distortions: source positions worked out by hand, the neutral settings, and alpha kept.

#include <gtest/gtest.h>

#include "op_test_support.hpp"
#include "texture/operation_table.hpp"

namespace tess {
namespace {

using testing::pixel;
using testing::Bgra;
using testing::runOnPattern;
using testing::stageBytes;

// Blue, green and red of prev at (sourceRow, sourceColumn) with the alpha of prev at (row, column).
Bgra moved(const TextureStore& store, int row, int column, int sourceRow, int sourceColumn) {
  Bgra p = pixel(store, 0, sourceRow, sourceColumn);
  p[kAlpha] = pixel(store, 0, row, column)[kAlpha];
  return p;
}

void expectIdentity(int size, int op, OpParams params) {
  auto store = runOnPattern(size, op, params);
  EXPECT_EQ(stageBytes(*store, 1), stageBytes(*store, 0)) << "operation " << op << " at size " << size;
}

TEST(Distortions, NeutralSettingsReproducePrev) {
  for (int size : {32, 256}) {
    expectIdentity(size, texop::SinDistort, {0, 77, 0, 150});
    expectIdentity(size, texop::Lenz, {128, 128, 128, 64});
    expectIdentity(size, texop::Lenz, {40, 90, 100, 255});  // (100 - 128) / 32 truncates to 0
    expectIdentity(size, texop::Twirl, {128, 128, 200, 30, 0});  // radius 0
    expectIdentity(size, texop::Mozaic, {0});
    expectIdentity(size, texop::Roll, {255, 127, 0});  // a whole image across, none up
    expectIdentity(size, texop::Roll, {0, 0, 4});      // flips from 4 up write nothing
  }
  expectIdentity(256, texop::RotorZoom, {128, 128, 0, 64, 64, 64});
}

TEST(SinDistort, UsesThreeFourteenAndTruncatesTowardZero) {
  // amp y 128, freq y 64 at 256: row 45 shifts by 128 sin(45 * 64 * 3.14 / 180 / 32) = 127.99996.
  auto rows = runOnPattern(256, texop::SinDistort, {0, 0, 128, 64});
  EXPECT_EQ(pixel(*rows, 1, 45, 200), moved(*rows, 45, 200, 45, 71));  // 200 + 127 - 256
  // amp x 128, freq x 64: column 135 reads row 10 - 117.9996, truncated to -117, wrapped to 139.
  auto columns = runOnPattern(256, texop::SinDistort, {128, 64, 0, 0});
  EXPECT_EQ(pixel(*columns, 1, 10, 135), moved(*columns, 10, 135, 139, 135));
}

TEST(Twirl, RotatesByItsOwnAngleUnit) {
  // Rotation 192: 64 * 3.14 / 128 = 1.57 radians; pixel 10 right of the centre reads
  // (128 + 9.9999968, 128 + 0.008), truncated.
  auto store = runOnPattern(256, texop::Twirl, {128, 128, 192, 128, 64});
  EXPECT_EQ(pixel(*store, 1, 128, 138), moved(*store, 128, 138, 137, 128));
  EXPECT_EQ(pixel(*store, 1, 0, 0), pixel(*store, 0, 0, 0));  // outside the radius
}

TEST(Twirl, NeutralRotationAndForceKeepTheTruncation) {
  // Rotation and force 128 turn by nothing, but d cos(atan2(dy, dx)) is not always exact: at
  // size 32 (centre 16, radius 16) pixel (1, 11) reads column 10.999999999999998, truncated.
  auto store = runOnPattern(32, texop::Twirl, {128, 128, 128, 128, 128});
  EXPECT_EQ(pixel(*store, 1, 1, 11), moved(*store, 1, 11, 1, 10));
  EXPECT_EQ(pixel(*store, 1, 1, 12), pixel(*store, 0, 1, 12));
  EXPECT_EQ(pixel(*store, 1, 2, 10), moved(*store, 2, 10, 1, 10));  // row 1.9999999999999982
}

TEST(Lenz, ScalesTheDistanceInsideTheRadius) {
  // Force 192: k = 2 * (64 - 10) / 64 + 1 = 2.6875; column 128 + 10 k = 154.875.
  auto store = runOnPattern(256, texop::Lenz, {128, 128, 192, 64});
  EXPECT_EQ(pixel(*store, 1, 128, 138), moved(*store, 128, 138, 128, 154));
  EXPECT_EQ(pixel(*store, 1, 128, 128), pixel(*store, 0, 128, 128));
}

TEST(RotorZoom, ZoomAndDeformScaleTheSourcePosition) {
  auto zero = runOnPattern(64, texop::RotorZoom, {128, 128, 0, 0, 64, 64});
  for (int row : {0, 40}) EXPECT_EQ(pixel(*zero, 1, row, 63), moved(*zero, row, 63, 32, 32));

  // x-deform 128 doubles the source column (0.34 + c) * 2; from column 128 it leaves the image.
  auto stretched = runOnPattern(256, texop::RotorZoom, {128, 128, 0, 64, 128, 64});
  EXPECT_EQ(pixel(*stretched, 1, 7, 100), moved(*stretched, 7, 100, 7, 200));
  EXPECT_EQ(pixel(*stretched, 1, 7, 127), moved(*stretched, 7, 127, 7, 254));
  EXPECT_EQ(pixel(*stretched, 1, 7, 128), (Bgra{0, 0, 0, pixel(*stretched, 0, 7, 128)[kAlpha]}));
}

TEST(Roll, ShiftsWrapsAndFlips) {
  // At 256, x 0 shifts by one column and y 127 by no row; y 63 shifts by 128 rows.
  auto shifted = runOnPattern(256, texop::Roll, {0, 127, 0});
  EXPECT_EQ(pixel(*shifted, 1, 5, 255), moved(*shifted, 5, 255, 5, 0));
  EXPECT_EQ(pixel(*shifted, 1, 5, 10), moved(*shifted, 5, 10, 5, 11));
  auto mirrored = runOnPattern(256, texop::Roll, {0, 127, 1});  // source (i, j + 1) to (i, 255 - j)
  EXPECT_EQ(pixel(*mirrored, 1, 5, 255), moved(*mirrored, 5, 255, 5, 1));
  auto upsideDown = runOnPattern(256, texop::Roll, {0, 127, 2});  // to (255 - i, j)
  EXPECT_EQ(pixel(*upsideDown, 1, 250, 10), moved(*upsideDown, 250, 10, 5, 11));
  auto both = runOnPattern(256, texop::Roll, {0, 127, 3});
  EXPECT_EQ(pixel(*both, 1, 250, 245), moved(*both, 250, 245, 5, 11));
  auto vertical = runOnPattern(256, texop::Roll, {255, 63, 0});
  EXPECT_EQ(pixel(*vertical, 1, 200, 9), moved(*vertical, 200, 9, 72, 9));
}

TEST(Mozaic, RepeatsTheImageAtASmallerScale) {
  auto store = runOnPattern(32, texop::Mozaic, {1});
  EXPECT_EQ(pixel(*store, 1, 20, 5), moved(*store, 20, 5, 8, 10));
}

// Stage 0 with blue = row, green = column, red 1, alpha 2.
std::unique_ptr<TextureStore> tilingOn32(int anglestep, int mixType) {
  auto store = testing::makeStore(32);
  for (int row = 0; row < 32; ++row)
    for (int column = 0; column < 32; ++column) {
      std::uint8_t* p = pixelAt(store->stage(0), 32, row, column);
      p[kBlue] = static_cast<std::uint8_t>(row);
      p[kGreen] = static_cast<std::uint8_t>(column);
      p[kRed] = 1;
      p[kAlpha] = 2;
    }
  OpParams params{0, 0, anglestep, mixType};  // the roll of (0, 0) at size 32 moves nothing
  runTextureOp(*store, texop::Tiling, params);
  return store;
}

TEST(Tiling, OverlaysRotatedCopies) {
  // Anglestep 128: 0 and 180 degrees. Bgra (20, 10) reads itself and (12, 22).
  auto added = tilingOn32(128, 0);
  EXPECT_EQ(pixel(*added, 1, 20, 10), (Bgra{32, 32, 2, 6}));  // alpha 2 + 2 + 2
  // Bgra (0, 5): row 0 is not strictly inside, and 180 degrees reads row 32: nothing added.
  EXPECT_EQ(pixel(*added, 1, 0, 5), (Bgra{0, 0, 0, 2}));
  auto lighter = tilingOn32(128, 1);
  EXPECT_EQ(pixel(*lighter, 1, 20, 10), (Bgra{20, 22, 1, 2}));
  auto neither = tilingOn32(128, 2);
  EXPECT_EQ(pixel(*neither, 1, 20, 10), (Bgra{0, 0, 0, 2}));
  // Anglestep 0: at least 15 degrees, 24 copies; the centre reads itself every time.
  auto many = tilingOn32(0, 0);
  EXPECT_EQ(pixel(*many, 1, 16, 16), (Bgra{255, 255, 24, 50}));
}

}  // namespace
}  // namespace tess
