#include "core/crt_text.hpp"

#include <gtest/gtest.h>

#include <climits>

namespace tess {
namespace {

TEST(AtoiAt, FollowsTheRuntimeRules) {
  EXPECT_EQ(atoiAt("123,"), 123);
  EXPECT_EQ(atoiAt("  \n\t-45x"), -45);
  EXPECT_EQ(atoiAt("+7"), 7);
  EXPECT_EQ(atoiAt("abc"), 0);
  EXPECT_EQ(atoiAt("-"), 0);
  EXPECT_EQ(atoiAt("- 5"), 0);
  EXPECT_EQ(atoiAt("12 34"), 12);
  EXPECT_EQ(atoiAt("tsize=256;", 6), 256);
}

TEST(AtoiAt, StaysInsideTheTextAndSaturates) {
  EXPECT_EQ(atoiAt("12", 2), 0);
  EXPECT_EQ(atoiAt("12", 99), 0);
  EXPECT_EQ(atoiAt("   "), 0);
  EXPECT_EQ(atoiAt(std::string_view("98", 1)), 9);  // not terminated: stops at the view's end
  EXPECT_EQ(atoiAt("2147483647"), INT_MAX);
  EXPECT_EQ(atoiAt("-2147483648"), INT_MIN);
  EXPECT_EQ(atoiAt("99999999999999999999999"), INT_MAX);
  EXPECT_EQ(atoiAt("-99999999999999999999999"), INT_MIN);
}

TEST(Itoa10, WritesSignedDecimal) {
  EXPECT_EQ(itoa10(0), "0");
  EXPECT_EQ(itoa10(-300), "-300");
  EXPECT_EQ(itoa10(32767), "32767");
  EXPECT_EQ(itoa10(INT_MIN), "-2147483648");
}

TEST(FindFrom, SearchesForwardFromAPosition) {
  std::string_view text = "end;x;end";
  EXPECT_EQ(findFrom(text, "end", 0), 0u);
  EXPECT_EQ(findFrom(text, "end", 1), 6u);
  EXPECT_EQ(findFrom(text, "end", 7), kNotFound);
  EXPECT_EQ(findFrom(text, ";", 100), kNotFound);
  EXPECT_EQ(findFrom(text, "", 9), 9u);
}

}  // namespace
}  // namespace tess
