// Every operation of the table, at every size, with parameter extremes: run under the sanitizer
// build this proves no operation reads or writes outside the stage and scratch areas.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "texture/operation_table.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

constexpr int kExtremes[] = {0, 1, 127, 128, 254, 255};

// Writes the whole read-back image, as a real renderer does.
class FillingRenderer : public SceneRenderer {
 public:
  bool renderSceneImage(int, int, int size, std::uint8_t* pixels) override {
    std::fill_n(pixels, StageArea::stageBytes(size), std::uint8_t{0x5A});
    return true;
  }
};

// The escape-time fractals write every pixel exactly once whatever their parameters, which only
// decide how long each pixel iterates. At the two large sizes one run each covers their memory
// use and keeps this test short under the sanitizer.
bool oneRunIsEnough(int op, int size) { return size >= 512 && (op == texop::Mandelbrot || op == texop::Julia); }

class AllOpsBounds : public ::testing::TestWithParam<int> {};

TEST_P(AllOpsBounds, EveryOperationStaysInsideItsAreas) {
  const int size = GetParam();
  auto store = testing::makeStore(size);
  // Three finished stages with content, so operations that read other stages find some.
  for (int k = 0; k <= 3; ++k) testing::fillPattern(*store, k, k + 1);
  store->font.bytes.fill(0xFF);  // every glyph all ink: DrwTxt writes every pixel it may reach
  FillingRenderer renderer;
  store->sceneRenderer = &renderer;
  for (int op = 1; op < kOperationRowCount; ++op) {
    if (!isRunnableOperation(op)) continue;
    store->currentTexture().commands[3].text = "HELLO, WORLD! 0123456789 ?.XYZ";
    // Each extreme twice: all parameters equal, then every second one mirrored (255 - extreme).
    const int runs = oneRunIsEnough(op, size) ? 1 : 2 * static_cast<int>(std::size(kExtremes));
    for (int run = 0; run < runs; ++run) {
      const int extreme = kExtremes[run / 2];
      const bool alternate = run % 2 != 0;
      OpParams params;
      for (int j = 0; j < kParamCount; ++j) params[j] = alternate && j % 2 ? 255 - extreme : extreme;
      store->workingStage = 3;
      runTextureOp(*store, op, params);
    }
  }
  SUCCEED();
}

INSTANTIATE_TEST_SUITE_P(Sizes, AllOpsBounds, ::testing::ValuesIn(kTextureSizes));

}  // namespace
}  // namespace tess
