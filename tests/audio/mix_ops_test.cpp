#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "audio_test_support.hpp"

namespace tess::testing {
namespace {

using namespace sampleop;

// Stage 0: a saw at 32,639 .. -32,639; stage 1: the same saw inverted; command 2: mixer.
std::unique_ptr<SampleStore> mixerStore(SampleCommand mixer) {
  return storeWithList({command(Saw, {440, 255, 0}), command(Invert), mixer});
}

TEST(MixerTest, ModesClipWrapSubtractAndMultiply) {
  auto sum = mixerStore(command(Mixer, {0, 0, 255, 255, 0, 0, 0}));
  auto wrap = mixerStore(command(Mixer, {0, 0, 255, 255, 0, 0, 1}));
  auto difference = mixerStore(command(Mixer, {0, 1, 255, 255, 0, 0, 2}));
  auto product = mixerStore(command(Mixer, {0, 0, 255, 255, 0, 0, 3}));
  const std::vector<int> saw = runAndRead(*sum, 0);
  ASSERT_EQ(saw[0], 32'639);
  EXPECT_EQ(runAndRead(*sum, 2)[0], 32'767);         // 65,022 clipped
  EXPECT_EQ(runAndRead(*wrap, 2)[0], -513);          // 65,023 keeps its low 16 bits
  EXPECT_EQ(runAndRead(*difference, 2)[0], 32'767);  // 32,511 - (-32,511)
  const std::vector<int> squared = runAndRead(*product, 2);
  EXPECT_EQ(squared[0], 32'767);
  EXPECT_GE(*std::min_element(squared.begin(), squared.end()), 0);
  for (auto* store : {sum.get(), difference.get(), product.get()}) {
    const std::vector<int> out = stageValues(*store, 2);
    EXPECT_GE(*std::min_element(out.begin(), out.end()), -32'767);
  }
}

TEST(MixerTest, UnknownModeLeavesTheStageAsItWas) {
  auto store = mixerStore(command(Mixer, {0, 0, 255, 255, 0, 0, 0}));
  const std::vector<int> before = runAndRead(*store, 2);
  store->currentRow()[2].p[6] = 4;
  runSampleList(*store);
  EXPECT_EQ(stageValues(*store, 2), before);
}

TEST(MixerTest, StageNumbersAboveTheListReadItsSecondLastStage) {
  auto store = mixerStore(command(Mixer, {200, 0, 256, 0, 0, 0, 0}));
  runSampleList(*store);
  EXPECT_EQ(stageValues(*store, 2), stageValues(*store, 1));
}

TEST(MixerTest, OffsetsRotateAndOffsetsBeyondTheLengthWrapAround) {
  // One tenth of a second (4,410 samples); offset 8,192 starts at 8,192 - 4,410 = 3,782.
  auto store = storeWithList({command(SetSize, {1}), command(Noise, {1'000, 255}),
                              command(Mixer, {1, 0, 256, 0, 100, 0, 0}),
                              command(Mixer, {1, 0, 256, 0, 8'192, 0, 0})});
  runSampleList(*store);
  const std::vector<int> in = stageValues(*store, 1);
  const std::vector<int> near = stageValues(*store, 2);
  const std::vector<int> far = stageValues(*store, 3);
  for (int i : {0, 1, 4'309}) EXPECT_EQ(near[i], in[i + 100]);
  EXPECT_EQ(near[4'310], in[0]);
  EXPECT_EQ(far[0], in[3'782]);
  EXPECT_EQ(far[627], in[4'409]);
  EXPECT_EQ(far[628], in[0]);
}

TEST(MorfTest, FadesFromTheSecondStageToTheFirst) {
  auto store = storeWithList({command(Saw, {440, 255, 0}), command(Invert), command(Morf, {0, 1})});
  runSampleList(*store);
  const std::vector<int> saw = stageValues(*store, 0), inverted = stageValues(*store, 1);
  const std::vector<int> out = stageValues(*store, 2);
  EXPECT_EQ(out[0], inverted[0]);
  EXPECT_EQ(out[22'050], 0);  // halfway: -x / 2 + x / 2
  EXPECT_NEAR(out[44'099], saw[44'099], 2);
}

}  // namespace
}  // namespace tess::testing
