#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "audio_test_support.hpp"

namespace tess::testing {
namespace {

using namespace sampleop;

// A busy input (noise) as command 0 and the operation under test as command 1.
struct Processed {
  std::vector<int> in;
  std::vector<int> out;
};

Processed process(SampleCommand op, SampleCommand source = command(Noise, {1'000, 255})) {
  auto store = storeWithList({source, op});
  runSampleList(*store);
  return {stageValues(*store, 0), stageValues(*store, 1)};
}

TEST(ProcessorTest, TheFirstCommandReadsSilence) {
  auto store = storeWithList({command(Invert), command(Noise, {440, 255})});
  runSampleList(*store);
  runSampleList(*store);  // the second run finds noise in stage 1
  const std::vector<int> first = stageValues(*store, 0);
  EXPECT_TRUE(std::all_of(first.begin(), first.end(), [](int v) { return v == 0; }));
}

TEST(ProcessorTest, IdentitiesLeaveTheInputUnchanged) {
  for (const SampleCommand& op :
       {command(Shift, {50}), command(Roll, {50}), command(Roll, {100}), command(Roll, {0}),
        command(Resample, {441}), command(Env, {30, 255, 30, 0}), command(Env, {0, 64, 100, 64}),
        command(Compress, {255}), command(Compress2, {255}), command(VRoll, {127}),
        command(Flanger, {200, 0}), command(Reverb, {44'100, 255, 255}),
        command(Reverb, {50'000, 255, 255})}) {
    const Processed p = process(op);
    EXPECT_EQ(p.out, p.in) << sampleOperations()[op.op].name << "(" << op.p[0] << ")";
  }
}

TEST(ProcessorTest, ShiftMovesAndRollRotates) {
  const Processed shifted = process(command(Shift, {75}));  // d = 2 * (25 * 44,100 / 100) = 22,050
  const Processed rolled = process(command(Roll, {75}));
  for (int i : {0, 1, 22'049}) {
    EXPECT_EQ(shifted.out[i], shifted.in[i + 22'050]);
    EXPECT_EQ(rolled.out[i], rolled.in[i + 22'050]);
  }
  for (int i : {22'050, 44'099}) {
    EXPECT_EQ(shifted.out[i], 0);
    EXPECT_EQ(rolled.out[i], rolled.in[i - 22'050]);
  }
  for (int p : {0, 100}) {
    const Processed gone = process(command(Shift, {p}));
    EXPECT_TRUE(std::all_of(gone.out.begin(), gone.out.end(), [](int v) { return v == 0; })) << p;
  }
}

TEST(ProcessorTest, ResampleAt882PlaysTwiceAsFastThenFallsSilent) {
  const Processed p = process(command(Resample, {882}));
  for (int i : {0, 1, 1'000, 22'049}) EXPECT_EQ(p.out[i], p.in[2 * i]);
  EXPECT_TRUE(std::all_of(p.out.begin() + 22'050, p.out.end(), [](int v) { return v == 0; }));
}

TEST(ProcessorTest, InvertAndReverse) {
  const Processed inverted =
      process(command(Invert), command(Square, {0, 256, 128}));  // -32,767 throughout
  EXPECT_EQ(inverted.out[5], 32'767);
  const Processed wrapped =
      process(command(Invert), command(Saw, {1, 256, 255}));  // reaches saw[65,535]
  EXPECT_EQ(wrapped.in[172], -32'768);
  EXPECT_EQ(wrapped.out[172], -32'768);  // -(-32,768) keeps its 16 bits
  const Processed reversed = process(command(Reverse));
  EXPECT_EQ(reversed.out.front(), reversed.in.back());
  EXPECT_EQ(reversed.out[100], reversed.in[44'099 - 100]);
}

TEST(ProcessorTest, VRollFoldsAtTheLimits) {
  // A constant 127 moved up by 128 * 512 = 65,536: 65,663 reflects to -129.
  const Processed p = process(command(VRoll, {255}), command(Saw, {0, 1, 0}));
  EXPECT_EQ(p.in[0], 127);
  EXPECT_EQ(p.out[0], -129);
}

TEST(ProcessorTest, EnvRampsBetweenItsGains) {
  const Processed silenced = process(command(Env, {0, 0, 100, 0}));
  EXPECT_TRUE(std::all_of(silenced.out.begin(), silenced.out.end(), [](int v) { return v == 0; }));
  // From gain 4 * 255 down to 0 over the second half; the first half keeps the input.
  const Processed ramp =
      process(command(Env, {50, 255, 100, 0}), command(Saw, {0, 128, 0}));  // 16,383
  EXPECT_EQ(ramp.out[22'049], 16'383);
  EXPECT_EQ(ramp.out[22'050], 32'767);  // 1,020 * 16,383 / 256, clamped
  EXPECT_EQ(ramp.out[40'000], 12'137);  // h = 17,950 / 22,050
  EXPECT_EQ(ramp.out[44'099], 2);
}

TEST(ProcessorTest, ReverbFeedsItsEchoBack) {
  // A constant 127; the echo gain rises one step per 64.25 samples up to 3 / 64.
  const Processed p = process(command(Reverb, {10, 3, 255}), command(Saw, {0, 1, 0}));
  EXPECT_EQ(p.out[74], 127);  // gain 0 before sample 65
  EXPECT_EQ(p.out[75], 128);  // 127 + 127 / 64
  EXPECT_EQ(p.out[85], 129);  // 127 + 128 / 64: the echo of the echo
}

TEST(ProcessorTest, ReverbFoldsLoudEchoes) {
  const Processed p = process(command(Reverb, {1, 255, 255}), command(Square, {0, 255, 0}));
  EXPECT_TRUE(
      std::all_of(p.out.begin(), p.out.end(), [](int v) { return v >= -32'767 && v <= 32'767; }));
  EXPECT_NE(p.out, p.in);
}

TEST(ProcessorTest, FlangerAndVibratoAtDepthZero) {
  const Processed vibrato = process(command(Vibrato, {100, 0}));
  for (int i : {0, 17, 44'099}) EXPECT_EQ(vibrato.out[i], vibrato.in[i] / 2);  // half level
}

TEST(ProcessorTest, CompressLiftsQuietSamplesMoreThanLoudOnes) {
  const Processed quiet = process(command(Compress, {0}), command(Saw, {0, 1, 0}));  // 127
  EXPECT_EQ(quiet.out[0], 507);  // 127 * 4 * (32,768 - 127) / 32,678
  const Processed loud = process(command(Compress2, {0}), command(Square, {0, 256, 0}));  // 32,767
  EXPECT_EQ(loud.out[0], 0);  // 4 * 32,767 * (1 / 32,678)^2
}

}  // namespace
}  // namespace tess::testing
