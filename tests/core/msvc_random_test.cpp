#include "core/msvc_random.hpp"

#include <gtest/gtest.h>

namespace tess {
namespace {

// Sequences of the MSVC runtime's rand(): the default seed 1 and srand(0).
TEST(MsvcRandom, ReproducesTheRuntimeSequences) {
  MsvcRandom generator;
  EXPECT_EQ(generator.next(), 41);
  EXPECT_EQ(generator.next(), 18467);
  EXPECT_EQ(generator.next(), 6334);
  EXPECT_EQ(generator.next(), 26500);

  generator.seed(0);
  EXPECT_EQ(generator.next(), 38);
  EXPECT_EQ(generator.next(), 7719);
  EXPECT_EQ(generator.next(), 21238);
}

TEST(MsvcRandom, ReseedingRepeatsAndResultsStayInRange) {
  MsvcRandom generator;
  generator.seed(12345);
  int first[100];
  for (int& value : first) {
    value = generator.next();
    EXPECT_GE(value, 0);
    EXPECT_LE(value, MsvcRandom::kMax);
  }
  generator.seed(12345);
  for (int value : first) EXPECT_EQ(generator.next(), value);
}

TEST(MsvcRandom, SharedGeneratorIsOneInstance) { EXPECT_EQ(&sharedRandom(), &sharedRandom()); }

}  // namespace
}  // namespace tess
