// Every operation of the table, at every size, with parameter extremes: run under the sanitizer
// build this proves no operation reads or writes outside the stage and scratch areas.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

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

// Each extreme twice: all parameters equal, then every second one mirrored (255 - extreme).
std::vector<OpParams> extremeParameterSets() {
  std::vector<OpParams> sets;
  for (int extreme : kExtremes) {
    for (bool alternate : {false, true}) {
      OpParams params;
      for (int j = 0; j < kParamCount; ++j) params[j] = alternate && j % 2 ? 255 - extreme : extreme;
      sets.push_back(params);
    }
  }
  return sets;
}

// The escape-time fractals write every pixel exactly once whatever their parameters, which only
// decide how long each pixel iterates. From size 128 up one run each, with parameters whose
// orbits escape quickly, covers their memory use and keeps this test short under the sanitizer.
std::optional<OpParams> singleRun(int op, int size) {
  if (size < 128) return std::nullopt;
  if (op == texop::Mandelbrot) return OpParams{0, 0, 0, 0};
  if (op == texop::Julia) return OpParams{254, 254};
  return std::nullopt;
}

// The operations of one tab of the editor (the rows after its header up to the next header), so
// that the sizes and tabs run as separate tests side by side.
struct OperationGroup {
  const char* name;
  int first, last;
};
constexpr OperationGroup kGroups[] = {{"Generators", texop::GeneratorsHeader + 1, texop::GeometryHeader - 1},
                                      {"Geometry", texop::GeometryHeader + 1, texop::FiltersHeader - 1},
                                      {"Filters", texop::FiltersHeader + 1, texop::ColorHeader - 1},
                                      {"Color", texop::ColorHeader + 1, kOperationRowCount - 1}};

class AllOpsBounds : public ::testing::TestWithParam<std::tuple<int, OperationGroup>> {};

TEST_P(AllOpsBounds, EveryOperationStaysInsideItsAreas) {
  const auto [size, group] = GetParam();
  auto store = testing::makeStore(size);
  // Three finished stages with content, so operations that read other stages find some.
  for (int k = 0; k <= 3; ++k) testing::fillPattern(*store, k, k + 1);
  store->font.bytes.fill(0xFF);  // every glyph all ink: DrwTxt writes every pixel it may reach
  FillingRenderer renderer;
  store->sceneRenderer = &renderer;
  store->currentTexture().commands[3].text = "HELLO, WORLD! 0123456789 ?.XYZ";
  for (int op = group.first; op <= group.last; ++op) {
    ASSERT_TRUE(isRunnableOperation(op));
    const std::optional<OpParams> single = singleRun(op, size);
    for (OpParams params : single ? std::vector<OpParams>{*single} : extremeParameterSets()) {
      store->workingStage = 3;
      runTextureOp(*store, op, params);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, AllOpsBounds,
                         ::testing::Combine(::testing::ValuesIn(kTextureSizes), ::testing::ValuesIn(kGroups)),
                         [](const auto& info) {
                           return std::string(std::get<1>(info.param).name) + std::to_string(std::get<0>(info.param));
                         });

}  // namespace
}  // namespace tess
