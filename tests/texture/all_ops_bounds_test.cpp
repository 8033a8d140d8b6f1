// Every operation of the table, at every size, with parameter extremes: run under the sanitizer
// build this proves no operation reads or writes outside the stage and scratch areas.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <tuple>

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

// The escape-time fractals write every pixel exactly once whatever their parameters, which only
// decide how long each pixel iterates. From size 128 up one run each, with parameters whose
// orbits escape quickly, covers their memory use and keeps this test short under the sanitizer.
std::optional<OpParams> singleRun(int op, int size) {
  if (size < 128) return std::nullopt;
  if (op == texop::Mandelbrot) return OpParams{0, 0, 0, 0};
  if (op == texop::Julia) return OpParams{254, 254};
  return std::nullopt;
}

// The distinct parameter sets an operation sees: each extreme with all parameters equal, then
// with every second one mirrored (255 - extreme). Parameters past the operation's count are never
// read, so sets differing only there run once.
std::set<OpParams> extremeParameterSets(int op, int size) {
  if (auto single = singleRun(op, size)) return {*single};
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

// Writes the whole read-back image, as a real renderer does.
class FillingRenderer : public SceneRenderer {
 public:
  bool renderSceneImage(int, int, int size, std::uint8_t* pixels) override {
    std::fill_n(pixels, StageArea::stageBytes(size), std::uint8_t{0x5A});
    return true;
  }
};

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
    for (OpParams params : extremeParameterSets(op, size)) {
      store->workingStage = 3;
      runTextureOp(*store, op, params);
    }
  }
  SUCCEED();
}

INSTANTIATE_TEST_SUITE_P(Sizes, AllOpsBounds,
                         ::testing::Combine(::testing::ValuesIn(kTextureSizes), ::testing::ValuesIn(kGroups)),
                         [](const auto& info) {
                           return std::string(std::get<1>(info.param).name) + std::to_string(std::get<0>(info.param));
                         });

}  // namespace
}  // namespace tess
