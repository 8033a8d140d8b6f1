#include "texture/ops/solid_fill.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "stage_pixels.hpp"
#include "texture/operation_table.hpp"
#include "texture/ops/bounded_flood_fill.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

using testing::Bgra;
using testing::grey;
using testing::makeStore;
using testing::pixel;
using testing::runOn;
using testing::setPixel;

struct Position {
  int row, column;
  bool operator==(const Position&) const = default;
};

// Runs the fill over an image given by accept(row, column) and records the paint order.
template <typename Accept>
std::vector<Position> fillOrder(int size, Position seed, Accept accept,
                                FloodFillStats* stats = nullptr) {
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(size) * size, 0);
  std::vector<std::uint32_t> pending(static_cast<std::size_t>(size) * size);
  std::vector<Position> order;
  const FloodFillStats result = boundedFloodFill(
      FloodFillArea{size, mask.data(), pending.data()}, seed.row, seed.column,
      [&](std::uint32_t p) {
        return accept(static_cast<int>(p) / size, static_cast<int>(p) % size);
      },
      [&](std::uint32_t p) {
        order.push_back({static_cast<int>(p) / size, static_cast<int>(p) % size});
      });
  if (stats) *stats = result;
  return order;
}

void appendRun(std::vector<Position>& order, Position from, Position to) {
  const int dr = (to.row > from.row) - (to.row < from.row);
  const int dc = (to.column > from.column) - (to.column < from.column);
  for (Position p = from;; p = {p.row + dr, p.column + dc}) {
    order.push_back(p);
    if (p == to) break;
  }
}

TEST(SolidFillOrder, RunsStopAfter99PixelsAndPendingRunsFollowInOrder) {
  // A one-row corridor, seed at column 200: the first run goes left 99 pixels, then the pending
  // positions 100 (left end of that run) and 201 (right of the seed) start runs in that order.
  const auto order = fillOrder(256, {0, 200}, [](int row, int) { return row == 0; });
  std::vector<Position> expected;
  appendRun(expected, {0, 200}, {0, 101});
  appendRun(expected, {0, 100}, {0, 2});
  appendRun(expected, {0, 201}, {0, 255});
  appendRun(expected, {0, 1}, {0, 0});
  EXPECT_EQ(order, expected);
}

TEST(SolidFillOrder, PendingPositionPaintedByAnEarlierRunStartsNoRun) {
  // The border ring of a 32 x 32 image, seed on the top edge. Left, then up, down, right: the
  // first run goes round to (10, 31); (9, 31) and the seed's right neighbour (0, 17) are pending.
  // The run from (9, 31) comes round to (0, 17) and paints it, so its own entry starts nothing.
  FloodFillStats stats;
  const auto order = fillOrder(
      32, {0, 16},
      [](int row, int column) { return row == 0 || row == 31 || column == 0 || column == 31; },
      &stats);
  std::vector<Position> expected;
  appendRun(expected, {0, 16}, {0, 0});
  appendRun(expected, {1, 0}, {31, 0});
  appendRun(expected, {31, 1}, {31, 31});
  appendRun(expected, {30, 31}, {10, 31});
  appendRun(expected, {9, 31}, {0, 31});
  appendRun(expected, {0, 30}, {0, 17});
  EXPECT_EQ(order, expected);
  EXPECT_EQ(stats.maxPending, 2);
  EXPECT_EQ(stats.maxDepth, kFloodRunLength + 1);  // the seed and 99 accepted pixels
}

// Every position painted once, the expected count, the stack and the pending list within bounds.
template <typename Accept>
void expectBoundedFill(int size, Position seed, Accept accept, int expectedPainted) {
  FloodFillStats stats;
  const auto order = fillOrder(size, seed, accept, &stats);
  std::vector<std::uint8_t> seen(static_cast<std::size_t>(size) * size, 0);
  for (Position p : order) ASSERT_EQ(seen[static_cast<std::size_t>(p.row) * size + p.column]++, 0);
  EXPECT_EQ(stats.painted, expectedPainted);
  EXPECT_EQ(static_cast<int>(order.size()), expectedPainted);
  EXPECT_LE(stats.maxDepth, kFloodRunLength + 1);
  EXPECT_LT(stats.maxPending, size * size);
}

TEST(SolidFillBounds, LargeImagesKeepDepthAndPendingListBounded) {
  const int size = 1024;
  expectBoundedFill(
      size, {500, 600}, [](int, int) { return true; }, size * size);  // uniform
  // Seeded from x = y = 255: appending a position each time it is reached would need more than
  // size * size entries here.
  expectBoundedFill(
      size, {1020, 1020}, [](int, int) { return true; }, size * size);
  // Checkerboards: cells of one colour touch only at corners.
  expectBoundedFill(
      size, {0, 0}, [](int row, int column) { return (row + column) % 2 == 0; }, 1);
  expectBoundedFill(
      size, {20, 20}, [](int row, int column) { return (row / 8 + column / 8) % 2 == 0; }, 64);
}

TEST(SolidFill, UniformImageFillsCompletelyAndKeepsAlpha) {
  auto store = makeStore(1024);
  testing::fillStage(*store, 0, Bgra{10, 20, 30, 77});
  runOn(*store, texop::SolidFill, {0, 255, 1, 2, 3, 1});
  const auto bytes = testing::stageBytes(*store, 1);
  for (std::size_t i = 0; i < bytes.size(); i += 4)
    ASSERT_EQ((Bgra{bytes[i], bytes[i + 1], bytes[i + 2], bytes[i + 3]}), (Bgra{3, 2, 1, 77}));
}

TEST(SolidFill, CheckerboardFillsWhollyWhenTheRangeTakesBothGreys) {
  auto store = makeStore(1024);
  for (int row = 0; row < 1024; ++row)
    for (int column = 0; column < 1024; ++column)
      setPixel(*store, 0, row, column, grey((row + column) % 2 ? 99 : 100));
  runOn(*store, texop::SolidFill, {128, 128, 255, 255, 255, 2});  // 99 lies within 2 of 100
  EXPECT_EQ(pixel(*store, 1, 0, 0), (Bgra{255, 255, 255, 255}));
  EXPECT_EQ(pixel(*store, 1, 1023, 1023), (Bgra{255, 255, 255, 255}));
  runOn(*store, texop::SolidFill, {128, 128, 255, 255, 255, 0});
  EXPECT_EQ(pixel(*store, 1, 512, 512), (Bgra{255, 255, 255, 255}));
  EXPECT_EQ(pixel(*store, 1, 512, 513), grey(99));
  EXPECT_EQ(pixel(*store, 1, 511, 512), grey(99));
  EXPECT_EQ(pixel(*store, 1, 511, 511), grey(100));
}

TEST(SolidFill, AcceptsGreysStrictlyInsideTheRangeOverFourNeighbours) {
  auto store = makeStore(32);
  testing::fillStage(*store, 0, grey(0));
  // Seed column 126 * 32 / 256 = 15, row 200 * 32 / 256 = 25; grey 100.
  setPixel(*store, 0, 25, 15, grey(100));
  setPixel(*store, 0, 25, 14, Bgra{100, 100, 103, 0});  // grey 303 / 3 = 101: inside range 2
  setPixel(*store, 0, 25, 13, grey(99));                // inside
  setPixel(*store, 0, 25, 12, grey(98));                // on the bound: outside
  setPixel(*store, 0, 24, 15, grey(102));               // on the bound: outside
  setPixel(*store, 0, 26, 16, grey(100));               // diagonal only: not connected
  runOn(*store, texop::SolidFill, {126, 200, 7, 8, 9, 2});
  const Bgra painted{9, 8, 7, 255};
  EXPECT_EQ(pixel(*store, 1, 25, 15), painted);
  EXPECT_EQ(pixel(*store, 1, 25, 14), (Bgra{9, 8, 7, 0}));
  EXPECT_EQ(pixel(*store, 1, 25, 13), painted);
  EXPECT_EQ(pixel(*store, 1, 25, 12), grey(98));
  EXPECT_EQ(pixel(*store, 1, 24, 15), grey(102));
  EXPECT_EQ(pixel(*store, 1, 26, 16), grey(100));
}

}  // namespace
}  // namespace tess
