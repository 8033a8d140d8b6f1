#include "scene/pack_numbers.hpp"

#include <climits>
#include <cmath>

#include "core/crt_text.hpp"

namespace tess {

int truncateToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return INT_MAX;
  if (value <= -2147483648.0) return INT_MIN;
  return static_cast<int>(value);
}

int roundToInt(double value) {
  return truncateToInt(std::round(value));
}

// Unsigned arithmetic: numbers read from a file may be anything, and the sum wraps to 16 bits.
std::int16_t decodeSize(int high, int low) {
  return static_cast<std::int16_t>(static_cast<unsigned>(high) * 256u + static_cast<unsigned>(low));
}

std::int16_t decodePosition(int high, int low) {
  return static_cast<std::int16_t>((static_cast<unsigned>(high) - 128u) * 256u +
                                   static_cast<unsigned>(low));
}

int NumberCursor::nextSlow() {
  const int value = atoiAt(text_, pos_);
  const std::size_t comma = text_.find(',', pos_);
  pos_ = comma == std::string_view::npos ? text_.size() : comma + 1;
  return value;
}

}  // namespace tess
