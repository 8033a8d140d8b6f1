#pragma once

// Number conventions of the pack and the small scene files: every value is a signed decimal
// followed by ","; readers take a value as atoi does at the current position and then move just
// past the next ",", so line breaks and blank lines between values do not matter.

#include <cstdint>
#include <string>
#include <string_view>

namespace tess {

// Appends value in decimal and a ",".
void appendNumber(std::string& out, int value);

// Truncation toward zero and rounding to nearest (halves away from zero) of a stored double or
// float, saturated to the int range; NaN gives 0.
int truncateToInt(double value);
int roundToInt(double value);

// Sizes are stored as value / 256 and value % 256 (both with the sign of the value), positions as
// the two bytes of value + 32768. Decoding keeps the low 16 bits of the result.
inline int sizeHigh(std::int16_t size) { return size / 256; }
inline int sizeLow(std::int16_t size) { return size % 256; }
inline int positionHigh(std::int16_t position) { return (position + 32768) >> 8; }
inline int positionLow(std::int16_t position) { return (position + 32768) & 0xFF; }
std::int16_t decodeSize(int high, int low);
std::int16_t decodePosition(int high, int low);

// An 8-bit or 16-bit field keeps the low bits of the number read.
inline std::uint8_t low8(int value) { return static_cast<std::uint8_t>(value); }
inline std::int16_t low16(int value) { return static_cast<std::int16_t>(value); }

class NumberCursor {
 public:
  NumberCursor(std::string_view text, std::size_t pos) : text_(text), pos_(pos < text.size() ? pos : text.size()) {}

  // The number at the current position (0 when there is none); then just past the next ",", or
  // the end of the text when there is no further ",".
  int next();

  std::size_t position() const { return pos_; }
  std::string_view text() const { return text_; }

 private:
  std::string_view text_;
  std::size_t pos_;
};

}  // namespace tess
