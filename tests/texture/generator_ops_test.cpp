// Generators: pixel values worked out by hand from their formulas at small sizes.

#include <gtest/gtest.h>

#include "core/msvc_random.hpp"
#include "op_test_support.hpp"
#include "texture/operation_table.hpp"

namespace tess {
namespace {

using testing::grey;
using testing::pixel;
using testing::Bgra;
using testing::runOnPattern;
using testing::stageBytes;

// Alpha of the working stage before the operation ran: the generators that do not copy keep it.
std::uint8_t oldAlpha(int size, int row, int column) {
  return testing::pixel(*testing::storeWithPattern(size), 1, row, column)[kAlpha];
}

// Alpha of the previous stage: the generators that copy first keep that one.
std::uint8_t previousAlpha(int size, int row, int column) {
  return testing::pixel(*testing::storeWithPattern(size), 0, row, column)[kAlpha];
}

TEST(Cells, OneCellDarkensByDistanceFromItsCentre) {
  // One cell (complexity 8) at the centre (density 0); brightness 64 at 256: t = 64, R = 127.
  auto store = runOnPattern(256, texop::Cells, {0, 0, 64, 8});
  EXPECT_EQ(pixel(*store, 1, 127, 128), grey(0, oldAlpha(256, 127, 128)));  // u = 0, dx = 0
  EXPECT_EQ(pixel(*store, 1, 128, 128)[kBlue], 2);    // u = 1: D = 64
  EXPECT_EQ(pixel(*store, 1, 130, 131)[kBlue], 8);    // u = 3, dx = 3: D = 271
  EXPECT_EQ(pixel(*store, 1, 1, 114)[kBlue], 253);    // u = -126, dx = -14: D = 8113
  EXPECT_EQ(pixel(*store, 1, 1, 113)[kBlue], 255);    // w = 15: columns 114..142 only
  EXPECT_EQ(pixel(*store, 1, 0, 128), grey(255, oldAlpha(256, 0, 128)));  // u = -127: w = 0
}

TEST(Cells, CentreWrapsOnceBySizeMinusOne) {
  // Density 255: offset 4 is 255 sin(97 degrees) = 253.099, so cx = -125.099 + 255 = 129.901.
  auto store = runOnPattern(256, texop::Cells, {0, 255, 64, 8});
  EXPECT_EQ(pixel(*store, 1, 127, 129)[kBlue], 1);  // dx = -0.901: D = 57
  EXPECT_EQ(pixel(*store, 1, 127, 130)[kBlue], 0);  // dx = 0.099: D = 6
  EXPECT_EQ(pixel(*store, 1, 127, 131)[kBlue], 2);  // dx = 1.099: D = 70
}

TEST(Plasm, SumsTwoSinesAndRoundsHalvesToEven) {
  // freq x 64 at size 32: one full wave across; freq y 0 and disp y 0 leave sin(0) = 0.
  auto store = runOnPattern(32, texop::Plasm, {64, 0, 0, 0});
  EXPECT_EQ(pixel(*store, 1, 5, 24)[kBlue], 190);   // 190.5
  EXPECT_EQ(pixel(*store, 1, 5, 8)[kBlue], 64);     // 63.5
  EXPECT_EQ(pixel(*store, 1, 5, 0)[kBlue], 127);    // 126.99999999999999
  EXPECT_EQ(pixel(*store, 1, 9, 28), grey(172, oldAlpha(32, 9, 28)));  // 63.5 sin(pi/4) + 127
}

TEST(ChessField, CellSizesFollowTheParameters) {
  auto wide = runOnPattern(32, texop::ChessField, {64, 128});  // cells 8 wide, 16 high
  EXPECT_EQ(pixel(*wide, 1, 0, 7), grey(0, oldAlpha(32, 0, 7)));
  EXPECT_EQ(pixel(*wide, 1, 0, 8)[kBlue], 255);
  EXPECT_EQ(pixel(*wide, 1, 15, 0)[kBlue], 0);
  EXPECT_EQ(pixel(*wide, 1, 16, 0)[kBlue], 255);
  EXPECT_EQ(pixel(*wide, 1, 16, 8)[kBlue], 0);

  // Parameters 0 give 1-pixel cells (S / 256 is at least 1); 255 at size 256 one black cell.
  for (int size : {32, 256}) {
    auto fine = runOnPattern(size, texop::ChessField, {0, 0});
    EXPECT_EQ(pixel(*fine, 1, 0, 0)[kBlue], 0);
    EXPECT_EQ(pixel(*fine, 1, 0, 1)[kBlue], 255);
    EXPECT_EQ(pixel(*fine, 1, 1, 0)[kBlue], 255);
    EXPECT_EQ(pixel(*fine, 1, 1, 1)[kBlue], 0);
  }
  auto whole = runOnPattern(256, texop::ChessField, {255, 255});
  EXPECT_EQ(pixel(*whole, 1, 255, 255)[kBlue], 0);
  EXPECT_EQ(pixel(*whole, 1, 0, 200)[kBlue], 0);
}

TEST(LGradient, RunsFromTheSecondColourAtRowZeroTowardTheFirst) {
  auto store = runOnPattern(32, texop::LGradient, {0, 100, 200, 255, 50, 10});
  EXPECT_EQ(pixel(*store, 1, 0, 3), (Bgra{10, 50, 255, oldAlpha(32, 0, 3)}));
  EXPECT_EQ(pixel(*store, 1, 16, 3), (Bgra{105, 75, 127, oldAlpha(32, 16, 3)}));
  EXPECT_EQ(pixel(*store, 1, 31, 3), (Bgra{194, 98, 7, oldAlpha(32, 31, 3)}));
}

TEST(Mandelbrot, CountsSinglePrecisionSteps) {
  // With both zooms 0 every pixel has the same c.
  auto corner = runOnPattern(32, texop::Mandelbrot, {0, 0, 0, 0});  // c = (-0.777, -0.777)
  EXPECT_EQ(pixel(*corner, 1, 0, 0), grey(4, oldAlpha(32, 0, 0)));
  EXPECT_EQ(pixel(*corner, 1, 31, 17)[kBlue], 4);
  auto other = runOnPattern(32, texop::Mandelbrot, {100, 0, 200, 0});  // c = (-0.652, -0.527)
  EXPECT_EQ(pixel(*other, 1, 9, 9)[kBlue], 8);
  // c = (-0.45825, -0.45825) lies in the main cardioid: never escapes.
  auto inside = runOnPattern(64, texop::Mandelbrot, {255, 0, 255, 0});
  for (int row : {0, 33, 63}) EXPECT_EQ(pixel(*inside, 1, row, row)[kBlue], 255);
}

TEST(Julia, GreyFromTheStepsLeft) {
  auto store = runOnPattern(32, texop::Julia, {0, 0});  // c = 0: z <- z^2
  EXPECT_EQ(pixel(*store, 1, 0, 0), grey(255, oldAlpha(32, 0, 0)));  // stays at 0: 120 steps
  EXPECT_EQ(pixel(*store, 1, 0, 31)[kBlue], 255);                     // |z| < 1 shrinks
  // z0 = (0.96875, 0.96875): |z1|^2 = 3.52, |z2|^2 = 12.4; 118 steps left: 255 - 250.
  EXPECT_EQ(pixel(*store, 1, 31, 31)[kBlue], 5);
}

TEST(List, ZeroIterationsLeaveBlackWithThePreviousAlpha) {
  auto store = runOnPattern(64, texop::List, {0, 0, 64, 64, 64, 64, 64});
  for (int row : {0, 20, 63})
    for (int column : {0, 31, 63}) EXPECT_EQ(pixel(*store, 1, row, column), grey(0, previousAlpha(64, row, column)));
}

TEST(List, PlotsTheSeededSequence) {
  // Seed 0 draws r = 0.00116 (stem: stays at 0,0), 0.2356 and 0.6481 (q = -0.5, E = -1: to
  // (-1, 0) and (-0.5, 0.5)), 0.0744 (stem: (-0.08, 0)): rows 24, 6, 15, 22.
  auto store = runOnPattern(256, texop::List, {0, 1, 64, 64, 64, 64, 64});
  EXPECT_EQ(pixel(*store, 1, 24, 113), grey(255, previousAlpha(256, 24, 113)));
  EXPECT_EQ(pixel(*store, 1, 6, 113)[kBlue], 255);
  EXPECT_EQ(pixel(*store, 1, 15, 126)[kBlue], 255);
  EXPECT_EQ(pixel(*store, 1, 22, 113)[kBlue], 255);
  EXPECT_EQ(pixel(*store, 1, 0, 0)[kBlue], 0);
}

TEST(Clouds, OneOctaveReadsTheTableWithRowsOfLengthS) {
  // Layers 2: one octave (l = 1), scale 0: divisor 1, so pixel (y, x) reads n(x + 1, y + 1)
  // with weight (1 + 2) / 2.
  auto store = runOnPattern(32, texop::Clouds, {0, 7, 2});
  MsvcRandom random;
  random.seed(7);
  std::vector<int> table(288 * 288);
  for (int& entry : table) entry = (random.next() + 47) % 256;
  for (int y : {0, 5, 31}) {
    for (int x : {0, 17, 31}) {
      const int v = table[(y + 1) * 32 + x + 1];
      EXPECT_EQ(pixel(*store, 1, y, x), grey(std::min(v * 3 / 2, 255), previousAlpha(32, y, x)));
    }
  }
}

TEST(Clouds, SeedsOneAnd255AreTheSameAndFewLayersGiveBlack) {
  auto one = runOnPattern(64, texop::Clouds, {32, 1, 32});
  auto other = runOnPattern(64, texop::Clouds, {32, 255, 32});
  auto two = runOnPattern(64, texop::Clouds, {32, 2, 32});
  EXPECT_EQ(stageBytes(*one, 1), stageBytes(*other, 1));
  EXPECT_NE(stageBytes(*one, 1), stageBytes(*two, 1));
  auto flat = runOnPattern(64, texop::Clouds, {32, 9, 1});
  EXPECT_EQ(pixel(*flat, 1, 10, 20), grey(0, previousAlpha(64, 10, 20)));
}

}  // namespace
}  // namespace tess
