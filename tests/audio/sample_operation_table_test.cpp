#include "audio/sample_operation_table.hpp"

#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(SampleOperationTableTest, NamesFindTheirCodes) {
  for (int op = 0; op < kSampleOpCount; ++op) EXPECT_EQ(sampleOpByName(sampleOperations()[op].name), op);
  EXPECT_EQ(sampleOpByName("sinus"), -1);
  EXPECT_EQ(sampleOpByName("SinPack2"), sampleop::SinPack2);
  EXPECT_EQ(sampleOpByName("SetSize"), 28);
}

TEST(SampleOperationTableTest, RowsAsTheEditorShowsThem) {
  const SampleOpInfo& mixer = sampleOperations()[sampleop::Mixer];
  EXPECT_EQ(mixer.count, 7);
  EXPECT_EQ(mixer.labels[6], "режим смешивания");
  EXPECT_EQ(mixer.defaults, (SampleParams{1, 1, 128, 128, 0, 0, 0}));
  EXPECT_EQ(mixer.maxima, (SampleParams{255, 255, 255, 255, 8192, 8192, 255}));
  const SampleOpInfo& reverb = sampleOperations()[sampleop::Reverb];
  EXPECT_EQ(reverb.labels[1], "ст.амп");
  EXPECT_EQ(reverb.maxima[0], 10'000);
  const SampleOpInfo& resample = sampleOperations()[sampleop::Resample];
  EXPECT_EQ(resample.labels[0], "частота,Гц*100");
  EXPECT_EQ(resample.maxima[0], 2'550);
  const SampleOpInfo& env = sampleOperations()[sampleop::Env];
  EXPECT_EQ(env.defaults, (SampleParams{0, 255, 100, 0}));
  EXPECT_EQ(sampleOperations()[sampleop::Pluck].maxima, (SampleParams{100, 100, 50}));
  EXPECT_EQ(sampleOperations()[sampleop::SetSize].labels[0], "десятых долей сек.");
  int withoutParameters = 0;
  for (const SampleOpInfo& info : sampleOperations()) withoutParameters += info.count == 0;
  EXPECT_EQ(withoutParameters, 4);  // Reverse, SinPack, BaseDrum, Invert
}

}  // namespace
}  // namespace tess
