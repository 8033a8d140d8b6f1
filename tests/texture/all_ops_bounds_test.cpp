// Every operation of the table, at every size, with parameter extremes: run under the sanitizer
// build this proves no operation reads or writes outside the stage and scratch areas.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>

#include "texture/operation_table.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

constexpr int kExtremes[] = {0, 1, 127, 128, 254, 255};
// At 512 and 1024 a full sweep takes minutes under the sanitizer. Positions scale with the size,
// so the farthest addresses come from 0 and 255; the values in between run at the smaller sizes.
constexpr int kLargeSizeExtremes[] = {0, 255};

// Blur, MotionBlur and RadialBlur repeat their whole work p1 times, which under the sanitizer
// costs seconds per hundred passes at the large sizes. Every pass addresses the same areas except
// for the reach of blur pass i (i + 1 rows up, (i + 1) / 8 + 1 rows down, i pixels sideways),
// which goes farthest beyond the zero images at 256 and below: there the full 255 passes run once;
// at 512 and 1024 that reach stays deep inside the zero images and two passes cover the addressing.
int passLimited(int op, int value, bool alternate, int size) {
  if (op != texop::Blur && op != texop::MotionBlur && op != texop::RadialBlur) return value;
  if (value == 255 && !alternate && size <= 256) return value;
  return std::min(value, 2);
}

// The distinct parameter sets an operation sees: parameters past its count are never read, so
// sets differing only there are run once.
std::set<OpParams> extremeParameterSets(int op, int size) {
  const int count = pristineOperationTable()[op].count;
  std::set<OpParams> sets;
  const auto extremes = size >= 512 ? std::span<const int>(kLargeSizeExtremes) : std::span<const int>(kExtremes);
  for (int extreme : extremes) {
    for (bool alternate : {false, true}) {
      OpParams params{};
      for (int j = 0; j < count; ++j) params[j] = alternate && j % 2 ? 255 - extreme : extreme;
      params[0] = passLimited(op, params[0], alternate, size);
      sets.insert(params);
    }
  }
  return sets;
}

class AllOpsBounds : public ::testing::TestWithParam<int> {};

TEST_P(AllOpsBounds, EveryOperationStaysInsideItsAreas) {
  const int size = GetParam();
  auto store = testing::makeStore(size);
  // Three finished stages with content, so operations that read other stages find some.
  for (int k = 0; k <= 3; ++k) testing::fillPattern(*store, k, k + 1);
  for (int op = 1; op < kOperationRowCount; ++op) {
    if (!isRunnableOperation(op)) continue;
    store->currentTexture().commands[3].text = "HELLO, WORLD! 0123456789 ?.XYZ";
    for (OpParams params : extremeParameterSets(op, size)) {
      store->workingStage = 3;
      runTextureOp(*store, op, params);
    }
  }
  SUCCEED();
}

INSTANTIATE_TEST_SUITE_P(Sizes, AllOpsBounds, ::testing::ValuesIn(kTextureSizes));

}  // namespace
}  // namespace tess
