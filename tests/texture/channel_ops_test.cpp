#include <gtest/gtest.h>

#include "texture/operation_table.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

using testing::fillPattern;
using testing::makeStore;
using testing::stageBytes;

// Runs op on stage 1 over a patterned stage 0 and checks every pixel against expected(before).
template <typename Expected>
void expectPerPixel(int op, Expected expected) {
  auto store = makeStore(64);
  fillPattern(*store, 0);
  fillPattern(*store, 1, 99);  // the working stage's old contents must not matter
  OpParams params{};
  runTextureOp(*store, op, params);
  const auto before = stageBytes(*store, 0);
  const auto after = stageBytes(*store, 1);
  for (std::size_t i = 0; i < before.size(); i += 4) {
    std::array<std::uint8_t, 4> want = expected(std::array<std::uint8_t, 4>{before[i], before[i + 1], before[i + 2], before[i + 3]});
    for (int c = 0; c < 4; ++c) ASSERT_EQ(after[i + c], want[c]) << "op " << op << " byte " << i + c;
  }
}

using Px = std::array<std::uint8_t, 4>;  // blue, green, red, alpha

TEST(ChannelOps, ChangeExactlyTheirChannels) {
  expectPerPixel(texop::Clear, [](Px) { return Px{0, 0, 0, 0}; });
  expectPerPixel(texop::ClearRGB, [](Px p) { return Px{0, 0, 0, p[3]}; });
  expectPerPixel(texop::CopyBlueToAlfa, [](Px p) { return Px{p[0], p[1], p[2], p[0]}; });
  expectPerPixel(texop::InvertAlfa, [](Px p) { return Px{p[0], p[1], p[2], std::uint8_t(255 - p[3])}; });
  expectPerPixel(texop::ClearAlfa, [](Px p) { return Px{p[0], p[1], p[2], 255}; });
  expectPerPixel(texop::Invert, [](Px p) {
    return Px{std::uint8_t(255 - p[0]), std::uint8_t(255 - p[1]), std::uint8_t(255 - p[2]), p[3]};
  });
  expectPerPixel(texop::Empty, [](Px p) { return p; });
}

TEST(ChannelOps, InvertTwiceRestoresTheImage) {
  auto store = makeStore(128);
  fillPattern(*store, 0);
  store->currentTexture().commands[1] = testing::command(texop::Invert);
  store->currentTexture().commands[2] = testing::command(texop::Invert);
  store->currentTexture().stageCount = 3;
  // Regeneration clears stage 0, so run by hand from the patterned stage.
  store->workingStage = 1;
  OpParams none{};
  runTextureOp(*store, texop::Invert, none);
  copyStage(store->stage(2), store->stage(1), 128);
  store->workingStage = 2;
  runTextureOp(*store, texop::Invert, none);
  EXPECT_EQ(stageBytes(*store, 2), stageBytes(*store, 0));
}

}  // namespace
}  // namespace tess
