// Every operation of the table, at every size, with parameter extremes: run under the sanitizer
// build this proves no operation reads or writes outside the stage and scratch areas.

#include <gtest/gtest.h>

#include "texture/operation_table.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

constexpr int kExtremes[] = {0, 1, 127, 128, 254, 255};

class AllOpsBounds : public ::testing::TestWithParam<int> {};

TEST_P(AllOpsBounds, EveryOperationStaysInsideItsAreas) {
  const int size = GetParam();
  auto store = testing::makeStore(size);
  // Three finished stages with content, so operations that read other stages find some.
  for (int k = 0; k <= 3; ++k) testing::fillPattern(*store, k, k + 1);
  for (int op = 1; op < kOperationRowCount; ++op) {
    if (!isRunnableOperation(op)) continue;
    store->currentTexture().commands[3].text = "HELLO, WORLD! 0123456789 ?.XYZ";
    for (int extreme : kExtremes) {
      for (bool alternate : {false, true}) {
        OpParams params;
        for (int j = 0; j < kParamCount; ++j) params[j] = alternate && j % 2 ? 255 - extreme : extreme;
        store->workingStage = 3;
        runTextureOp(*store, op, params);
      }
    }
  }
  SUCCEED();
}

INSTANTIATE_TEST_SUITE_P(Sizes, AllOpsBounds, ::testing::ValuesIn(kTextureSizes));

}  // namespace
}  // namespace tess
