#pragma once

// Number conventions of the pack and the small scene files: every value is a signed decimal
// followed by "," (TextWriter::number); readers take a value as atoi does at the current position
// and then move just past the next ",", so line breaks and blank lines between values do not
// matter.

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tess {

// The text of every number in -1024..1023 with its ",", eight bytes a number: most values of a
// pack are small, and copying eight bytes is quicker than formatting them.
struct SmallNumberTable {
  static constexpr int kLowest = -1024;
  static constexpr int kCount = 2048;
  std::array<std::array<char, 8>, kCount> text{};
  std::array<std::uint8_t, kCount> length{};

  constexpr SmallNumberTable() {
    for (int k = 0; k < kCount; ++k) {
      const int value = k + kLowest;
      char digits[8]{};
      int n = 0;
      for (int rest = value < 0 ? -value : value; n == 0 || rest > 0; rest /= 10)
        digits[n++] = static_cast<char>('0' + rest % 10);
      int at = 0;
      if (value < 0) text[k][at++] = '-';
      while (n > 0) text[k][at++] = digits[--n];
      text[k][at++] = ',';
      length[k] = static_cast<std::uint8_t>(at);
    }
  }
};
inline constexpr SmallNumberTable kSmallNumbers;

// Collects text in a block buffer that goes to the string in large pieces: a full pack writes
// millions of numbers, and appending each to the string on its own costs more than formatting it.
class TextWriter {
 public:
  explicit TextWriter(std::string& out) : out_(out) {}
  ~TextWriter() { flush(); }
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  // value in decimal, then ",".
  void number(int value) {
    if (used_ > kBlockBytes - 12) flush();
    const unsigned small =
        static_cast<unsigned>(value) - static_cast<unsigned>(SmallNumberTable::kLowest);
    if (small < SmallNumberTable::kCount) {
      std::memcpy(buffer_ + used_, kSmallNumbers.text[small].data(), 8);
      used_ += kSmallNumbers.length[small];
      return;
    }
    char* end = std::to_chars(buffer_ + used_, buffer_ + used_ + 11, value).ptr;
    *end++ = ',';
    used_ = static_cast<std::size_t>(end - buffer_);
  }
  void put(char c) {
    if (used_ == kBlockBytes) flush();
    buffer_[used_++] = c;
  }
  void text(std::string_view text) {
    if (text.size() > kBlockBytes - used_) flush();
    if (text.size() > kBlockBytes) {
      out_.append(text);
      return;
    }
    text.copy(buffer_ + used_, text.size());
    used_ += text.size();
  }
  // Everything written so far, in the string; writing may go on afterwards.
  std::string& flush() {
    out_.append(buffer_, used_);
    used_ = 0;
    return out_;
  }

 private:
  static constexpr std::size_t kBlockBytes = 16384;
  std::string& out_;
  std::size_t used_ = 0;
  char buffer_[kBlockBytes];
};

// Truncation toward zero and rounding to nearest (halves away from zero) of a stored double or
// float, saturated to the int range; NaN gives 0.
int truncateToInt(double value);
int roundToInt(double value);

// Sizes are stored as value / 256 and value % 256 (both with the sign of the value), positions as
// the two bytes of value + 32768. Decoding keeps the low 16 bits of the result.
inline int sizeHigh(std::int16_t size) {
  return size / 256;
}
inline int sizeLow(std::int16_t size) {
  return size % 256;
}
inline int positionHigh(std::int16_t position) {
  return (position + 32768) >> 8;
}
inline int positionLow(std::int16_t position) {
  return (position + 32768) & 0xFF;
}
std::int16_t decodeSize(int high, int low);
std::int16_t decodePosition(int high, int low);

// An 8-bit or 16-bit field keeps the low bits of the number read.
inline std::uint8_t low8(int value) {
  return static_cast<std::uint8_t>(value);
}
inline std::int16_t low16(int value) {
  return static_cast<std::int16_t>(value);
}

// The text that write(TextWriter&) produces.
template <class Write>
std::string writtenText(Write write) {
  std::string text;
  {
    TextWriter out(text);
    write(out);
  }
  return text;
}

class NumberCursor {
 public:
  NumberCursor(std::string_view text, std::size_t pos)
      : text_(text), pos_(pos < text.size() ? pos : text.size()) {}

  // The number at the current position (0 when there is none); then just past the next ",", or
  // the end of the text when there is no further ",".
  int next() {
    // Fast path for what the writer produces: an optional "-", one to nine digits and ",".
    // Twelve bytes left cover all of it, so the bytes need no bounds test of their own.
    if (text_.size() - pos_ >= 12) {
      const char* p = text_.data() + pos_;
      const bool negative = *p == '-';
      p += negative;
      unsigned value = static_cast<unsigned>(*p - '0');
      if (value < 10) {
        const char* const last = p + 9;
        unsigned digit;
        while (++p < last && (digit = static_cast<unsigned>(*p - '0')) < 10)
          value = value * 10 + digit;
        if (*p == ',') {
          pos_ = static_cast<std::size_t>(p + 1 - text_.data());
          return negative ? -static_cast<int>(value) : static_cast<int>(value);
        }
      }
    }
    return nextSlow();
  }

  std::size_t position() const { return pos_; }
  std::string_view text() const { return text_; }

 private:
  int nextSlow();

  std::string_view text_;
  std::size_t pos_;
};

}  // namespace tess
