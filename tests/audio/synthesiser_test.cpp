#include "audio/synthesiser.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "audio_test_support.hpp"

namespace tess::testing {
namespace {

using namespace sampleop;

bool silent(const std::vector<int>& values) {
  return std::all_of(values.begin(), values.end(), [](int v) { return v == 0; });
}

TEST(RunSampleListTest, CopiesTheCurrentStageOverTheNextAndRestoresTheCursor) {
  auto store = storeWithList(
      {command(Saw, {440, 255, 0}), command(Invert), command(Reverse), command(Noise, {440, 255})});
  store->currentCommand = 2;
  runSampleList(*store);
  EXPECT_EQ(store->currentCommand, 2);
  EXPECT_EQ(stageValues(*store, 3), stageValues(*store, 2));
  EXPECT_FALSE(silent(stageValues(*store, 3)));
}

TEST(RunSampleListTest, RunCommandRunsOnlyTheCurrentCommand) {
  auto store = storeWithList({command(Saw, {440, 255, 0}), command(Invert)});
  store->currentCommand = 0;
  runCommand(*store);
  EXPECT_FALSE(silent(stageValues(*store, 0)));
  EXPECT_TRUE(silent(stageValues(*store, 1)));
  store->currentCommand = -1;
  runCommand(*store);  // no command current: nothing happens
  EXPECT_TRUE(silent(stageValues(*store, 1)));
}

TEST(RunSampleListTest, ACommandBeyondTheListReadsTheListsSecondLastStage) {
  auto store = storeWithList({command(Saw, {440, 255, 0}), command(Reverse)});
  runSampleList(*store);
  store->currentRow()[3] = command(Invert);
  store->currentCommand = 3;
  runCommand(*store);
  const std::vector<int> saw = stageValues(*store, 0), out = stageValues(*store, 3);
  EXPECT_EQ(out[10], -saw[10]);
}

TEST(RunSampleListTest, UnknownOperationsLeaveTheirStage) {
  auto store = storeWithList({command(Saw, {440, 255, 0})});
  const std::vector<int> saw = runAndRead(*store, 0);
  for (int op : {-1, 29, INT_MAX}) {
    store->currentRow()[0].op = op;
    runSampleList(*store);
    EXPECT_EQ(stageValues(*store, 0), saw) << op;
  }
}

TEST(SetSizeTest, TheNewLengthHoldsAtOnceAndMovesTheStages) {
  auto store = storeWithList({command(SetSize, {5}), command(Saw, {440, 255, 0}), command(Invert)});
  runSampleList(*store);
  EXPECT_EQ(store->length(), 22'050);
  const std::vector<int> saw = stageValues(*store, 1), inverted = stageValues(*store, 2);
  ASSERT_EQ(saw.size(), 22'050u);
  EXPECT_EQ(inverted[7], -saw[7]);
  // Stage 1 at half a second lies where the second half of stage 0 at one second would be.
  const ConstStageView oneSecondStage0 = std::as_const(store->stages).stage(0, 44'100);
  EXPECT_EQ(oneSecondStage0[44'100 + 7], saw[7]);
}

TEST(SetSizeTest, SetSizeWritesNoStageOfItsOwn) {
  // Invert reads stage 1, which SetSize leaves as it is: here the silent second half of the
  // one-second stage 0.
  auto store = storeWithList({command(Saw, {440, 255, 0}), command(SetSize, {5}), command(Invert)});
  runSampleList(*store);
  EXPECT_TRUE(silent(stageValues(*store, 2)));
}

TEST(SetSizeTest, LengthZeroStopsEveryLaterOperation) {
  auto store = storeWithList({command(Saw, {440, 255, 0})});
  const std::vector<int> saw = runAndRead(*store, 0);
  store->currentRow()[0] = command(SetSize, {0});
  store->currentRow()[1] = command(Noise, {440, 255});
  store->currentRow()[2] = command(Mixer, {1, 1, 255, 255, 0, 0, 0});
  store->counts[0] = 3;
  runSampleList(*store);
  EXPECT_EQ(store->length(), 0);
  store->lengths[0] = 44'100;
  EXPECT_EQ(stageValues(*store, 0), saw);
}

TEST(SetSizeTest, LengthsStayWithinTenSeconds) {
  auto store = storeWithList({command(SetSize, {1'000})});
  runSampleList(*store);
  EXPECT_EQ(store->length(), 441'000);
  store->currentRow()[0].p[0] = -3;
  runSampleList(*store);
  EXPECT_EQ(store->length(), 0);
}

TEST(StageCapacityTest, ListsThatDoNotFitStopAtTheLastStageThatFits) {
  // At ten seconds, stages 0..28 fit the stage store.
  auto store = std::make_unique<SampleStore>();
  CommandRow& row = store->currentRow();
  row[0] = command(SetSize, {100});
  for (int k = 1; k < 40; ++k) row[k] = command(Square, {440, 255, 0});
  store->counts[0] = 40;
  store->currentCommand = 39;
  runSampleList(*store);
  EXPECT_EQ(soundStage(*store), 28);
  EXPECT_FALSE(silent(stageValues(*store, 28)));
  EXPECT_FALSE(StageStore::fits(29, store->length()));
}

TEST(StageCapacityTest, SoundStageIsTheLastCommandsStage) {
  auto empty = storeWithList({});
  EXPECT_EQ(soundStage(*empty), -1);
  auto two = storeWithList({command(Saw, {1, 1, 1}), command(Saw, {1, 1, 1})});
  EXPECT_EQ(soundStage(*two), 1);
}

// Parameters come unchecked from files: no value may make an operation reach outside the store.
TEST(RobustnessTest, EveryOperationSurvivesExtremeParameters) {
  const int extremes[] = {INT_MIN, -1, INT_MAX};
  for (int length : {4'410, 441'000}) {
    auto store = storeWithList({command(SetSize, {length / 4'410}), command(Noise, {1'000, 255})});
    runSampleList(*store);
    store->counts[0] = 255;  // stage numbers up to 253 may be read
    store->currentCommand = 2;
    for (int op = 0; op < kSampleOpCount; ++op) {
      if (op == SetSize) continue;
      for (int value : extremes) {
        SampleCommand& c = store->currentRow()[2];
        c.op = op;
        c.p.fill(value);
        runCommand(*store);
        ASSERT_EQ(store->length(), length);
      }
    }
  }
}

}  // namespace
}  // namespace tess::testing
