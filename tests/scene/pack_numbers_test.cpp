#include "scene/pack_numbers.hpp"

#include <gtest/gtest.h>

#include <climits>

#include "core/crt_text.hpp"
#include "core/msvc_random.hpp"

namespace tess {
namespace {

// The cursor must read exactly what atoi reads, then move past the next ",": checked against
// atoiAt on the writer's own output and on texts the writer never makes.
void expectReadsLikeAtoi(const std::string& text) {
  NumberCursor cursor(text, 0);
  std::size_t pos = 0;
  while (pos < text.size()) {
    const int expected = atoiAt(text, pos);
    const std::size_t comma = text.find(',', pos);
    ASSERT_EQ(cursor.next(), expected) << "at " << pos << " of '" << text << "'";
    pos = comma == std::string::npos ? text.size() : comma + 1;
    ASSERT_EQ(cursor.position(), pos);
  }
}

TEST(PackNumbers, CursorReadsAsAtoiDoes) {
  std::string written;
  {
    TextWriter out(written);
    for (int value : {0, -0, 7, -7, 12345678, -12345678, 99999999, 100000000, -100000000, 999999999,
                      INT_MAX, INT_MIN, 32767, -32768, 255})
      out.number(value);
    MsvcRandom random;
    random.seed(3);
    for (int i = 0; i < 20000; ++i)
      out.number((random.next() << 17 | random.next() << 2) >> (random.next() % 31));
  }
  expectReadsLikeAtoi(written);
  expectReadsLikeAtoi(written + "12");  // the last number without its comma
  for (const char* odd : {"", ",", "-,", "+5,", "  \n-3,", "12a,4", "1 2,", "99999999999,",
                          "-99999999999,", "--1,", "0000000000012,", "5;6,7", "\xff\x80,9,"})
    expectReadsLikeAtoi(odd);
}

TEST(PackNumbers, WriterFormatsAsItoaDoes) {
  std::vector<int> values = {INT_MIN, INT_MAX, -100000, 99999};
  for (int value = -1100; value <= 1100; ++value) values.push_back(value);
  std::string expected;
  for (int value : values) expected += itoa10(value) + ",";
  const std::string written = writtenText([&](TextWriter& out) {
    for (int value : values) out.number(value);
    out.put('\n');
    out.text(std::string(40000, 'x'));  // longer than the writer's block
  });
  EXPECT_EQ(written, expected + "\n" + std::string(40000, 'x'));
}

TEST(PackNumbers, SizeAndPositionEncodings) {
  for (int value = -32768; value <= 32767; ++value) {
    const auto v = static_cast<std::int16_t>(value);
    ASSERT_EQ(decodeSize(sizeHigh(v), sizeLow(v)), v);
    ASSERT_EQ(decodePosition(positionHigh(v), positionLow(v)), v);
    ASSERT_GE(positionHigh(v), 0);
    ASSERT_LE(positionHigh(v), 255);
  }
  EXPECT_EQ(sizeHigh(-300), -1);
  EXPECT_EQ(sizeLow(-300), -44);
  // Numbers no writer makes keep the low 16 bits.
  EXPECT_EQ(decodeSize(INT_MAX, INT_MAX), static_cast<std::int16_t>(0xFEFF));
  EXPECT_EQ(decodePosition(INT_MIN, -1), static_cast<std::int16_t>(0x7FFF));
}

}  // namespace
}  // namespace tess
