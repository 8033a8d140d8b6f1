#pragma once

// Number conventions of the pack and the small scene files: every value is a signed decimal
// followed by "," (TextWriter::number); readers take a value as atoi does at the current position
// and then move just past the next ",", so line breaks and blank lines between values do not
// matter.

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tess {

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
    if constexpr (std::endian::native == std::endian::little) {
      // Fast path for what the writer produces, an optional "-", one to eight digits and ",":
      // the digits are found and converted eight bytes at a time.
      if (text_.size() - pos_ >= 10) {
        const char* p = text_.data() + pos_;
        const bool negative = *p == '-';
        const char* digits = p + negative;
        std::uint64_t chunk;
        std::memcpy(&chunk, digits, 8);
        // A byte's top bit is set in nonDigit when it lies outside '0'..'9'. Borrows and carries
        // start only at the first such byte, so the count of leading digits is exact.
        const std::uint64_t nonDigit =
            ((chunk - 0x3030303030303030u) | (chunk + 0x4646464646464646u)) & 0x8080808080808080u;
        const int count = nonDigit ? std::countr_zero(nonDigit) / 8 : 8;
        if (count > 0 && digits[count] == ',') {
          // The digits moved to the top bytes, leading bytes zero, then pairwise combined.
          std::uint64_t v = count == 8 ? chunk
                                       : (chunk & ((std::uint64_t{1} << (8 * count)) - 1))
                                             << (8 * (8 - count));
          v = ((v & 0x0F0F0F0F0F0F0F0Fu) * 2561) >> 8;
          v = ((v & 0x00FF00FF00FF00FFu) * 6553601) >> 16;
          v = ((v & 0x0000FFFF0000FFFFu) * 42949672960001u) >> 32;
          pos_ += negative + count + 1;
          return negative ? -static_cast<int>(v) : static_cast<int>(v);
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
