#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "audio_test_support.hpp"
#include "core/msvc_random.hpp"

namespace tess::testing {
namespace {

using namespace sampleop;

TEST(WaveTablesTest, TablesHoldOnePeriodOfEachWave) {
  auto store = storeWithList({});
  const WaveTables& w = store->waves;
  EXPECT_EQ(w.square[32'767], 32'767);
  EXPECT_EQ(w.square[32'768], -32'767);
  EXPECT_EQ(w.triangle[0], -32'767);
  EXPECT_EQ(w.triangle[32'767], 32'767);
  EXPECT_EQ(w.triangle[65'535], -32'769);
  EXPECT_EQ(w.saw[0], 32'767);
  EXPECT_EQ(w.saw[65'535], -32'768);
  // Soft saw: the straight fall up to 32,815, then the cosine, which ends at -32,768.
  EXPECT_EQ(w.softSaw[0], 32'767);
  EXPECT_EQ(w.softSaw[32'815], -48);
  EXPECT_EQ(w.softSaw[49'152], -23'142);  // cosine, where the straight fall gives -16,385
  EXPECT_EQ(w.softSaw[65'535], -32'768);
  // The noise table: the generator's first draws after seeding with 0 (38, 7719, 21238, ...).
  EXPECT_EQ((std::vector<int>(w.noise.begin(), w.noise.begin() + 4)),
            (std::vector<int>{-32'692, -17'330, 9'708, -27'894}));
  EXPECT_TRUE(std::all_of(w.noise.begin(), w.noise.end(),
                          [](int v) { return v % 2 == 0 && v >= -32'768 && v <= 32'764; }));
}

TEST(WaveTablesTest, BuildingReseedsTheSharedGenerator) {
  sharedRandom().seed(1234);
  auto first = storeWithList({});
  sharedRandom().seed(99);
  auto second = storeWithList({});
  EXPECT_EQ(first->waves.noise, second->waves.noise);
}

// Values at samples 1, 37, 1000, 12345 and 44099, worked out from the formulas independently.
struct GeneratorCase {
  const char* name;
  SampleCommand command;
  std::vector<int> expected;
};

class GeneratorValuesTest : public ::testing::TestWithParam<GeneratorCase> {};

TEST_P(GeneratorValuesTest, MatchesTheFormulaAtChosenSamples) {
  auto store = storeWithList({GetParam().command});
  const std::vector<int> out = runAndRead(*store, 0);
  std::vector<int> picked;
  for (int i : {1, 37, 1000, 12'345, 44'099}) picked.push_back(out[i]);
  EXPECT_EQ(picked, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllGenerators, GeneratorValuesTest,
    ::testing::Values(
        GeneratorCase{"Sinus", command(Sinus, {440, 255, 0}), {2043, 23936, -5658, 20427, -32453}},
        GeneratorCase{"SinusWithPhase",
                      command(Sinus, {1000, 200, 77}),
                      {22987, 19562, -5727, 13704, -25392}},
        GeneratorCase{
            "AbsSinus", command(AbsSinus, {300, 255, 128}), {1342, 32637, 31103, 12629, 27463}},
        GeneratorCase{
            "Square", command(Square, {440, 255, 3}), {32639, 32639, -32639, 32639, 32639}},
        GeneratorCase{"TriangleWraps",
                      command(Triangle, {1760, 256, 0}),
                      {-27537, 29707, -20881, 9137, -27539}},
        GeneratorCase{"Saw", command(Saw, {100, 200, 10}), {23483, 19303, 9900, 23947, 23715}},
        GeneratorCase{
            "SoftSaw", command(SoftSaw, {700, 255, 0}), {31603, -8809, -30057, -32266, -32595}},
        GeneratorCase{"Noise", command(Noise, {1, 255}), {-17262, 15945, 20380, 784, -2587}},
        GeneratorCase{"SinPack", command(SinPack), {752, 11539, 4566, 4634, -9099}},
        GeneratorCase{"SinPack2",
                      command(SinPack2, {220, 255, 10, 128, 0, 77, 200}),
                      {1493, 6128, -4039, -1793, -1197}},
        GeneratorCase{"SSawPack",
                      command(SSawPack, {220, 255, 10, 128, 0, 77, 200}),
                      {13815, 4786, -14147, -4979, -14263}},
        GeneratorCase{"SinPackSlideDown",
                      command(SinPackSlide, {200, 440}),
                      {758, 11594, -1359, 10138, -11215}},
        GeneratorCase{
            "SinPackSlideUp", command(SinPackSlide, {0, 100}), {173, 6108, -12810, -7687, -2031}},
        GeneratorCase{"BaseDrum", command(BaseDrum), {4794, 7842, -22643, 10371, -26893}}),
    [](const ::testing::TestParamInfo<GeneratorCase>& info) { return info.param.name; });

TEST(SinusTest, PeaksAt32639WithThePeriodOf628InsteadOfTwoPi) {
  auto store = storeWithList({command(Sinus, {440, 255, 0})});
  const std::vector<int> out = runAndRead(*store, 0);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(*std::max_element(out.begin(), out.end()), 32'639);
  EXPECT_EQ(*std::min_element(out.begin(), out.end()), -32'639);
  std::vector<int> upward;
  for (int i = 1; i < 44'100; ++i)
    if (out[i - 1] < 0 && out[i] >= 0) upward.push_back(i);
  // 6.28 for 2 pi stretches the period from 100.23 to 100.28 samples: the hundredth rise is at
  // 10,028 (10,023 with 2 pi).
  ASSERT_EQ(upward.size(), 439u);
  EXPECT_EQ(upward[0], 101);
  EXPECT_EQ(upward[99], 10'028);
}

TEST(NoiseTest, FrequencyOneWalksTheWholeTableOnce) {
  auto store = storeWithList({command(Noise, {1, 256})});
  const std::vector<int> out = runAndRead(*store, 0);
  EXPECT_EQ(out[0], store->waves.noise[0]);
  EXPECT_EQ(out[44'099], store->waves.noise[65'534]);
}

TEST(GeneratorTest, AmplitudesAboveTheRangeWrapAtSixteenBits) {
  // 256 * 32,767 * 2 / 256 = 65,534 keeps its low 16 bits: -2.
  auto store = storeWithList({command(Square, {0, 512, 0})});
  EXPECT_EQ(runAndRead(*store, 0)[0], -2);
}

}  // namespace
}  // namespace tess::testing
