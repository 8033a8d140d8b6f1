#include "texture/command_list.hpp"

#include <gtest/gtest.h>

#include "texture/operation_table.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

using testing::appendOp;
using testing::command;
using testing::makeStore;
using testing::stageBytes;

// A list of n Empty commands with the given commands placed at their indices.
void setCommands(TextureStore& store, int commandCount, std::initializer_list<std::pair<int, TextureCommand>> placed) {
  Texture& texture = store.currentTexture();
  for (int k = 1; k <= commandCount; ++k) texture.commands[k] = command(texop::Empty);
  for (const auto& [index, value] : placed) texture.commands[index] = value;
  texture.stageCount = commandCount + 1;
  regenerateTexture(store);
}

TEST(CommitCommand, AppendsAndRefusesGroupHeaders) {
  auto store = makeStore();
  EXPECT_TRUE(appendOp(*store, texop::Invert));
  EXPECT_FALSE(commitCommand(*store, texop::FiltersHeader, {}));
  EXPECT_FALSE(commitCommand(*store, texop::End, {}));
  EXPECT_FALSE(commitCommand(*store, -3, {}));
  const Texture& texture = store->currentTexture();
  EXPECT_EQ(texture.stageCount, 2);
  EXPECT_EQ(texture.commands[1].op, texop::Invert);
  EXPECT_EQ(store->workingStage, 2);
  EXPECT_EQ(stageBytes(*store, 2), stageBytes(*store, 1));
}

TEST(CommitCommand, StoresOnlyTheOperationsOwnParameters) {
  auto store = makeStore();
  store->currentTexture().commands[1].params = {1, 2, 3, 4, 5, 6, 7};
  OpParams params{99, 99, 200, 100, 1, 250, 250};
  runTextureOp(*store, texop::Mixer, params);
  ASSERT_TRUE(commitCommand(*store, texop::Mixer, params));
  EXPECT_EQ(store->currentTexture().commands[1].params, (OpParams{0, 0, 200, 100, 1, 6, 7}));
}

TEST(CommitCommand, RefusesPastTheCommandListAndTheStageArea) {
  auto small = makeStore(256);
  int commits = 0;
  while (appendOp(*small, texop::Empty)) ++commits;
  EXPECT_EQ(commits, 254);
  EXPECT_EQ(small->currentTexture().stageCount, 255);

  auto large = makeStore(1024);
  commits = 0;
  while (appendOp(*large, texop::Empty)) ++commits;
  EXPECT_EQ(commits, 20);  // stages 0..21 fill the area
  EXPECT_EQ(large->currentTexture().stageCount, 21);
  EXPECT_FALSE(insertCommand(*large, 1));
}

TEST(ChangeMode, ReplacesOneCommandAndRerunsTheLaterOnes) {
  auto store = makeStore();
  ASSERT_TRUE(appendOp(*store, texop::ClearAlfa));
  ASSERT_TRUE(appendOp(*store, texop::Invert));
  ASSERT_TRUE(appendOp(*store, texop::CopyBlueToAlfa));
  ASSERT_TRUE(beginChange(*store, 2));
  EXPECT_FALSE(beginChange(*store, 1));
  EXPECT_FALSE(insertCommand(*store, 1));
  EXPECT_EQ(store->workingStage, 2);

  ASSERT_TRUE(appendOp(*store, texop::Empty));  // Invert becomes Empty
  const Texture& texture = store->currentTexture();
  EXPECT_FALSE(store->changeMode);
  EXPECT_EQ(texture.stageCount, 4);
  EXPECT_EQ(texture.commands[2].op, texop::Empty);
  EXPECT_EQ(texture.commands[3].op, texop::CopyBlueToAlfa);
  // Stage 3 was re-run on the black image: alpha = blue = 0.
  EXPECT_EQ(store->stage(3)[3], 0);
  const auto changed = stageBytes(*store, 3);
  regenerateTexture(*store);
  EXPECT_EQ(stageBytes(*store, 3), changed);
}

TEST(ChangeMode, ChangingTheWorkingStageActsAsAppend) {
  auto store = makeStore();
  ASSERT_TRUE(appendOp(*store, texop::Invert));
  ASSERT_TRUE(beginChange(*store, 2));
  ASSERT_TRUE(appendOp(*store, texop::ClearAlfa));
  EXPECT_EQ(store->currentTexture().stageCount, 3);
  EXPECT_EQ(store->currentTexture().commands[2].op, texop::ClearAlfa);
}

TEST(InsertCommand, MovesCommandsUpAndRenumbersStageReferences) {
  auto store = makeStore();
  setCommands(*store, 5, {{5, command(texop::Mixer, {1, 3, 128, 128, 0})}, {2, command(texop::Invert)}});
  ASSERT_TRUE(insertCommand(*store, 2));
  const Texture& texture = store->currentTexture();
  EXPECT_EQ(texture.stageCount, 7);
  EXPECT_EQ(texture.commands[2].op, texop::Empty);
  EXPECT_EQ(texture.commands[3].op, texop::Invert);
  EXPECT_EQ(texture.commands[6].op, texop::Mixer);
  EXPECT_EQ(texture.commands[6].params[0], 1);
  EXPECT_EQ(texture.commands[6].params[1], 4);
  EXPECT_FALSE(insertCommand(*store, 0));
  EXPECT_FALSE(insertCommand(*store, 8));
}

TEST(DeleteCommand, MovesCommandsDownAndRenumbersStageReferences) {
  auto store = makeStore();
  setCommands(*store, 6,
              {{5, command(texop::Mixer, {3, 4, 128, 128, 0})},
               {6, command(texop::Map2dPShift, {2, 128, 128})},
               {4, command(texop::AddSprite, {128, 128, 3, 128, 128})}});
  ASSERT_TRUE(deleteCommand(*store, 2));
  const Texture& texture = store->currentTexture();
  EXPECT_EQ(texture.stageCount, 6);
  EXPECT_EQ(texture.commands[4].op, texop::Mixer);
  EXPECT_EQ(texture.commands[4].params[0], 2);
  EXPECT_EQ(texture.commands[4].params[1], 3);
  EXPECT_EQ(texture.commands[5].params[0], 2);  // equal to the deleted stage: unchanged
  EXPECT_EQ(texture.commands[3].params[2], 2);  // AddSprite's stage-num follows too
  EXPECT_EQ(store->displayedStage, 6);
}

TEST(DeleteCommand, RefusesWhereThereIsNoCommand) {
  auto store = makeStore();
  EXPECT_FALSE(deleteCommand(*store, 1));
  ASSERT_TRUE(appendOp(*store, texop::Invert));
  EXPECT_FALSE(deleteCommand(*store, 2));
  EXPECT_TRUE(deleteCommand(*store, 1));
  EXPECT_EQ(store->currentTexture().stageCount, 1);
  EXPECT_EQ(store->stage(1)[0], 0);
}

TEST(ClearCommands, EmptiesTheListAndTheFirstStages) {
  auto store = makeStore();
  ASSERT_TRUE(appendOp(*store, texop::Invert));
  store->currentTexture().commands[1].text = "HI";
  clearCommands(*store);
  EXPECT_EQ(store->currentTexture().stageCount, 1);
  EXPECT_TRUE(store->currentTexture().commands[1].text.empty());
  EXPECT_EQ(store->stage(1)[0], 0);
  EXPECT_EQ(store->displayedStage, 1);
}

TEST(StageList, EntriesAreNumberAndNameNewestFirst) {
  EXPECT_EQ(stageListEntry(12, texop::Twirl), "12Twirl");
  auto store = makeStore();
  ASSERT_TRUE(appendOp(*store, texop::Invert));
  ASSERT_TRUE(appendOp(*store, texop::ClearAlfa));
  EXPECT_EQ(stageListEntries(store->currentTexture()), (std::vector<std::string>{"2ClearAlfa", "1Invert"}));
  EXPECT_EQ(stageFromListPosition(3, 0), 2);
  EXPECT_EQ(stageFromListPosition(3, 1), 1);
  EXPECT_EQ(stageFromListPosition(3, -1), 2);
}

}  // namespace
}  // namespace tess
