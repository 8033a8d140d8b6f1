#include "audio/list_edits.hpp"

#include <gtest/gtest.h>

#include "audio/command_text.hpp"
#include "audio_test_support.hpp"

namespace tess::testing {
namespace {

using namespace sampleop;

// Commands Saw(0..), Noise(1..), Invert, Reverse: distinct texts to follow them around.
std::unique_ptr<SampleStore> fourCommands() {
  return storeWithList(
      {command(Saw, {440, 255, 0}), command(Noise, {1, 255}), command(Invert), command(Reverse)});
}

using Entries = std::vector<std::string>;

TEST(AddCommandTest, AddOnAnEmptyListCreatesASilentSinus) {
  auto store = storeWithList({});
  ASSERT_TRUE(addCommand(*store));
  EXPECT_EQ(commandListEntries(*store), Entries{"00:Sinus(0,0,0)"});
  EXPECT_EQ(store->currentCommand, 0);
  EXPECT_EQ(stageValues(*store, 0), std::vector<int>(44'100, 0));
}

TEST(AddCommandTest, InsertsAfterTheCurrentCommandAndRunsIt) {
  auto store = fourCommands();
  store->currentCommand = 1;
  ASSERT_TRUE(addCommand(*store));
  EXPECT_EQ(commandListEntries(*store), (Entries{"04:Reverse()", "03:Invert()", "02:Sinus(0,0,0)",
                                                 "01:Noise(1,255)", "00:Saw(440,255,0)"}));
  EXPECT_EQ(store->currentCommand, 2);
  store->currentCommand = -1;  // no current command: at the front
  ASSERT_TRUE(addCommand(*store));
  EXPECT_EQ(commandListEntries(*store).back(), "00:Sinus(0,0,0)");
  EXPECT_EQ(store->count(), 6);
}

TEST(AddCommandTest, RefusedAtTwoHundredFiftyFiveCommands) {
  auto store = storeWithList({});
  for (int v = 0; v < 255; ++v) ASSERT_TRUE(addCommand(*store));
  EXPECT_FALSE(addCommand(*store));
  EXPECT_EQ(store->count(), 255);
}

TEST(DeleteCommandTest, TheNextCommandTakesTheDeletedOnesPlace) {
  auto store = fourCommands();
  // List index 2 shows command 1 (Noise); Invert moves into its place.
  EXPECT_EQ(deleteCommand(*store, 2), 1);
  EXPECT_EQ(store->currentCommand, 1);
  EXPECT_EQ(commandListEntries(*store),
            (Entries{"02:Reverse()", "01:Invert()", "00:Saw(440,255,0)"}));
}

TEST(DeleteCommandTest, DeletingTheLastMakesTheNewLastCurrent) {
  auto store = fourCommands();
  EXPECT_EQ(deleteCommand(*store, 0), 0);  // the top entry stays selected
  EXPECT_EQ(store->currentCommand, 2);
  EXPECT_EQ(deleteCommand(*store, -1), 0);  // no selection: the last command goes
  EXPECT_EQ(commandListEntries(*store), (Entries{"01:Noise(1,255)", "00:Saw(440,255,0)"}));
  EXPECT_EQ(store->currentCommand, 1);
}

TEST(DeleteCommandTest, DeletingTheOnlyCommandLeavesNoneCurrent) {
  auto store = storeWithList({command(Saw, {1, 2, 3})});
  EXPECT_EQ(deleteCommand(*store, 0), -1);
  EXPECT_EQ(store->count(), 0);
  EXPECT_EQ(store->currentCommand, -1);
  EXPECT_EQ(deleteCommand(*store, 0), -1);  // an empty list: nothing happens
  EXPECT_EQ(store->count(), 0);
}

TEST(MoveCommandTest, UpAndDownSwapThroughTheExchangeSlot) {
  auto store = fourCommands();
  store->currentCommand = 1;
  EXPECT_EQ(moveCommandUp(*store, 2), 1);  // Noise (list index 2) moves up past Invert
  EXPECT_EQ(commandListEntries(*store),
            (Entries{"03:Reverse()", "02:Noise(1,255)", "01:Invert()", "00:Saw(440,255,0)"}));
  EXPECT_EQ(store->currentRow()[kExchangeSlot], command(Noise, {1, 255}));
  EXPECT_EQ(store->currentCommand, 1);  // the cursor stays on slot 1, now Invert, and runs it
  EXPECT_EQ(stageValues(*store, 1)[100], 0);

  EXPECT_EQ(moveCommandDown(*store, 1), 2);
  EXPECT_EQ(commandListEntries(*store),
            (Entries{"03:Reverse()", "02:Invert()", "01:Noise(1,255)", "00:Saw(440,255,0)"}));
  EXPECT_EQ(store->currentRow()[kExchangeSlot], command(Noise, {1, 255}));
}

TEST(MoveCommandTest, NothingMovesAtTheEnds) {
  auto store = fourCommands();
  const Entries before = commandListEntries(*store);
  EXPECT_EQ(moveCommandUp(*store, 0), 0);    // the top entry
  EXPECT_EQ(moveCommandDown(*store, 3), 3);  // the bottom entry
  EXPECT_EQ(moveCommandUp(*store, 4), 4);    // outside the list
  EXPECT_EQ(moveCommandDown(*store, -1), -1);
  EXPECT_EQ(commandListEntries(*store), before);
}

TEST(SelectCommandTest, SelectingMakesTheEntrysCommandCurrentAndRunsIt) {
  auto store = fourCommands();
  selectCommand(*store, 3);
  EXPECT_EQ(store->currentCommand, 0);
  EXPECT_EQ(currentListIndex(*store), 3);
  EXPECT_EQ(stageValues(*store, 0)[0], 32'639);
  selectCommand(*store, 4);
  EXPECT_EQ(store->currentCommand, 0);
}

TEST(ChangeSampleTest, StaysWithinTheSamplesAndRunsTheNewList) {
  auto store = storeWithList({});
  previousSample(*store);
  EXPECT_EQ(store->currentSample, 0);
  store->rows[1][0] = command(Saw, {440, 255, 0});
  store->rows[1][1] = command(Invert);
  store->counts[1] = 2;
  nextSample(*store);
  EXPECT_EQ(store->currentSample, 1);
  EXPECT_EQ(store->currentCommand, 1);
  EXPECT_EQ(stageValues(*store, 1)[0], -32'639);
  store->currentSample = 254;
  nextSample(*store);
  EXPECT_EQ(store->currentSample, 254);
  EXPECT_EQ(store->currentCommand, -1);
}

TEST(ParameterTest, TypedValuesFollowTheEditRules) {
  EXPECT_EQ(typedParameterValue("99999", 1'760), 1'760);
  EXPECT_EQ(typedParameterValue("99999999999999999999", 1'760), 1'760);
  EXPECT_EQ(typedParameterValue("abc", 1'760), 0);
  EXPECT_EQ(typedParameterValue("12abc", 1'760), 0);
  EXPECT_EQ(typedParameterValue("", 1'760), 0);
  EXPECT_EQ(typedParameterValue("-5", 1'760), 0);
  EXPECT_EQ(typedParameterValue(" 440 ", 1'760), 440);
  EXPECT_EQ(typedParameterValue("+7", 255), 7);
}

TEST(ParameterTest, StepsStayWithinZeroAndTheMaximum) {
  auto store = storeWithList({command(Sinus, {1'760, 0, 5})});
  stepParameter(*store, 0, 1);
  EXPECT_EQ(store->currentRow()[0].p[0], 1'760);
  stepParameter(*store, 1, -1);
  EXPECT_EQ(store->currentRow()[0].p[1], 0);
  stepParameter(*store, 2, -1);
  EXPECT_EQ(store->currentRow()[0].p[2], 4);
  setParameter(*store, 1, 255);
  auto expected = storeWithList({command(Sinus, {1'760, 255, 4})});
  EXPECT_EQ(stageValues(*store, 0), runAndRead(*expected, 0));  // the new value was run
}

TEST(ParameterTest, RetypingGivesTheDefaultsAndRuns) {
  auto store = storeWithList({command(Sinus, {1, 2, 3})});
  store->currentRow()[0].p[6] = 99;
  retypeCommand(*store, Pluck);
  EXPECT_EQ(store->currentRow()[0], command(Pluck, {23, 32, 10, 0, 0, 0, 99}));
  retypeCommand(*store, Saw);
  EXPECT_EQ(store->currentRow()[0].p[0], 440);
  EXPECT_EQ(stageValues(*store, 0)[0], 32'639);
  retypeCommand(*store, -1);  // no operation picked: the code changes, the parameters stay
  EXPECT_EQ(store->currentRow()[0].op, -1);
  EXPECT_EQ(store->currentRow()[0].p[0], 440);
}

TEST(ParameterTest, NothingChangesWhileNoCommandIsCurrent) {
  auto store = storeWithList({command(Sinus, {1, 2, 3})});
  store->currentCommand = -1;
  retypeCommand(*store, Saw);
  setParameter(*store, 0, 7);
  stepParameter(*store, 0, 1);
  EXPECT_EQ(store->currentRow()[0], command(Sinus, {1, 2, 3}));
}

}  // namespace
}  // namespace tess::testing
