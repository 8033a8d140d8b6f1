#include "texture/interpreter.hpp"

#include <gtest/gtest.h>

#include "texture/operation_table.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

using testing::appendOp;
using testing::fillPattern;
using testing::makeStore;
using testing::stageBytes;

TEST(OperationTable, HoldsTheRowsLabelsAndDefaultsAsWritten) {
  const OperationTable& table = pristineOperationTable();
  EXPECT_EQ(table[texop::Box].labels[3], "heith");
  EXPECT_EQ(table[texop::PShift].labels[3], "saturnation");
  EXPECT_EQ(table[texop::Mixer].values, (OpParams{99, 99, 128, 128, 0, 0, 0}));
  EXPECT_EQ(table[texop::List].count, 7);
  EXPECT_EQ(table[texop::Empty].name, "Empty");
  EXPECT_EQ(table[texop::End].name, "end");
  for (int header : {0, 10, 16, 46}) {
    EXPECT_TRUE(isGroupHeader(header));
    EXPECT_FALSE(isRunnableOperation(header));
  }
  EXPECT_FALSE(isRunnableOperation(texop::End));
  EXPECT_FALSE(isRunnableOperation(-1));
  EXPECT_TRUE(isRunnableOperation(texop::Cells));
  EXPECT_TRUE(isRunnableOperation(texop::Empty));
}

TEST(OperationTable, StoreKeepsEditedValuesBesideThePristineCopy) {
  auto store = makeStore();
  store->operations[texop::Blur].values[0] = 9;
  EXPECT_EQ(pristineOperationTable()[texop::Blur].values[0], 1);
}

TEST(Regenerate, TextureWithoutCommandsLeavesStagesZeroAndOneBlank) {
  auto store = makeStore(64);
  fillPattern(*store, 0);
  fillPattern(*store, 1);
  regenerateTexture(*store);
  const std::vector<std::uint8_t> zero(StageArea::stageBytes(64), 0);
  EXPECT_EQ(stageBytes(*store, 0), zero);
  EXPECT_EQ(stageBytes(*store, 1), zero);
  EXPECT_EQ(store->workingStage, 1);
}

TEST(Regenerate, RunsCommandsInOrderAndCopiesEachResultForward) {
  auto store = makeStore(32);
  ASSERT_TRUE(appendOp(*store, texop::ClearAlfa));
  ASSERT_TRUE(appendOp(*store, texop::Invert));
  ASSERT_TRUE(appendOp(*store, texop::CopyBlueToAlfa));
  const auto beforeStage2 = stageBytes(*store, 2);
  const auto beforeStage3 = stageBytes(*store, 3);
  fillPattern(*store, 2);
  fillPattern(*store, 3);

  regenerateTexture(*store);
  EXPECT_EQ(stageBytes(*store, 2), beforeStage2);
  EXPECT_EQ(stageBytes(*store, 3), beforeStage3);
  EXPECT_EQ(stageBytes(*store, 4), stageBytes(*store, 3));  // the working stage starts from the result
  // Stage 1: alpha 255 on black; stage 2: white, alpha 255; stage 3: alpha = blue = 255.
  const std::uint8_t* px = store->stage(2);
  EXPECT_EQ(px[0], 255);
  EXPECT_EQ(px[3], 255);
  EXPECT_EQ(store->stage(1)[0], 0);
  EXPECT_EQ(store->workingStage, 4);
}

TEST(RunTextureOp, ClampsParametersAndStageReferencesAndWritesThemBack) {
  auto store = makeStore();
  OpParams mixer{99, 0, 300, -5, 0};
  store->workingStage = 3;
  runTextureOp(*store, texop::Mixer, mixer);
  EXPECT_EQ(mixer[0], 2);  // 99 -> working stage - 1
  EXPECT_EQ(mixer[1], 1);  // raised to 1
  EXPECT_EQ(mixer[2], 255);
  EXPECT_EQ(mixer[3], 0);

  store->workingStage = 1;
  OpParams atFirst{99, 99, 128, 128, 0};
  runTextureOp(*store, texop::Mixer, atFirst);
  EXPECT_EQ(atFirst[0], 0);
  EXPECT_EQ(atFirst[1], 0);

  store->workingStage = 5;
  OpParams map{0, 128, 128};
  runTextureOp(*store, texop::Map2dPShift, map);
  EXPECT_EQ(map[0], 1);

  OpParams sprite{128, 128, 99, 128, 128};
  runTextureOp(*store, texop::AddSprite, sprite);
  EXPECT_EQ(sprite[2], 99);  // AddSprite's reference is not clamped by the interpreter
}

TEST(RunTextureOp, HeadersAndCodesOutsideTheTableLeaveTheWorkingStage) {
  auto store = makeStore();
  fillPattern(*store, 0, 3);
  fillPattern(*store, 1, 5);
  const auto before = stageBytes(*store, 1);
  for (int op : {-1, 0, 10, 16, 46, 52, 53, 1000}) {
    OpParams params{};
    runTextureOp(*store, op, params);
    EXPECT_EQ(stageBytes(*store, 1), before) << "op " << op;
  }
  OpParams params{};
  runTextureOp(*store, texop::Empty, params);
  EXPECT_EQ(stageBytes(*store, 1), stageBytes(*store, 0));
}

TEST(SelectTexture, SwitchesSlotsAndRegeneratesEach) {
  auto store = makeStore(32);
  ASSERT_TRUE(appendOp(*store, texop::Invert));
  store->slots[7].size = 128;
  selectTexture(*store, 7);
  EXPECT_EQ(store->current, 7);
  EXPECT_EQ(store->size(), 128);
  EXPECT_EQ(store->stage(1)[0], 0);
  selectTexture(*store, 0);
  EXPECT_EQ(store->stage(1)[0], 255);
  EXPECT_EQ(store->displayedStage, 2);
  selectTexture(*store, 255);
  selectTexture(*store, -1);
  EXPECT_EQ(store->current, 0);
}

TEST(SetTextureSize, RegeneratesAtTheNewSizeAndRefusesWhatDoesNotFit) {
  auto store = makeStore(32);
  for (int i = 0; i < 30; ++i) ASSERT_TRUE(appendOp(*store, texop::Invert));
  EXPECT_TRUE(setTextureSize(*store, 256));
  EXPECT_EQ(store->size(), 256);
  EXPECT_EQ(store->stage(29)[256 * 256 * 4 - 2], 255);  // odd stages are white
  EXPECT_EQ(store->stage(30)[256 * 256 * 4 - 2], 0);
  EXPECT_FALSE(setTextureSize(*store, 1024));  // 31 stages of 4 MiB do not fit
  EXPECT_FALSE(setTextureSize(*store, 100));
  EXPECT_EQ(store->size(), 256);
}

TEST(StagesFit, MatchesTheStageAreaCapacity) {
  EXPECT_TRUE(stagesFit(21, 1024));  // stages 0..21 = 22 stages of 4 MiB
  EXPECT_FALSE(stagesFit(22, 1024));
  EXPECT_TRUE(stagesFit(90, 512));
  EXPECT_FALSE(stagesFit(91, 512));
  EXPECT_TRUE(stagesFit(255, 256));
  EXPECT_FALSE(stagesFit(256, 32));
  EXPECT_FALSE(stagesFit(0, 32));
}

}  // namespace
}  // namespace tess
