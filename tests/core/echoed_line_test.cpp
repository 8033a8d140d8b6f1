#include "core/echoed_line.hpp"

#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(EchoedLine, KeepsPrintableTextAndEscapesEverythingElse) {
  EXPECT_EQ(echoedLine("Blur(3,0); \xc3\xa9\xe2\x80\xa2"), "Blur(3,0); \xc3\xa9\xe2\x80\xa2");
  EXPECT_EQ(echoedLine(std::string_view("a\0\t\x1b[1m\x7f\\", 9)), "a\\x00\\x09\\x1b[1m\\x7f\\\\");
  EXPECT_EQ(echoedLine("\xc2\x9b"
                       "2J"),
            "\\u009b2J");  // C1 control (CSI)
  // Stray continuation, overlong, surrogate, beyond U+10FFFF, cut short at the end.
  EXPECT_EQ(echoedLine("\x80\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xe2\x80"),
            "\\x80\\xc0\\xaf\\xed\\xa0\\x80\\xf4\\x90\\x80\\x80\\xe2\\x80");
}

TEST(EchoedLine, ShowsAtMostSixtyCharacters) {
  EXPECT_EQ(echoedLine(std::string(60, 'x')), std::string(60, 'x'));
  EXPECT_EQ(echoedLine(std::string(1'000'000, 'x')), std::string(60, 'x') + "...");
  std::string dots;
  for (int i = 0; i < 61; ++i) dots += "\xe2\x80\xa2";
  std::string sixty = dots.substr(0, 180);
  EXPECT_EQ(echoedLine(dots), sixty + "...");
  EXPECT_EQ(echoedLine(std::string(61, '\x01')).size(), 60 * 4 + 3);
}

}  // namespace
}  // namespace tess
