#include "core/crt_text.hpp"

#include <climits>

namespace tess {

namespace {

bool isCrtSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::size_t skipWhiteSpace(std::string_view text, std::size_t pos) {
  while (pos < text.size() && isCrtSpace(text[pos])) ++pos;
  return pos < text.size() ? pos : text.size();
}

int atoiAt(std::string_view text, std::size_t pos) {
  pos = skipWhiteSpace(text, pos);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  long long magnitude = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    if (magnitude <= static_cast<long long>(INT_MAX) + 1) magnitude = magnitude * 10 + (text[pos] - '0');
  }
  if (negative) return magnitude > static_cast<long long>(INT_MAX) + 1 ? INT_MIN : static_cast<int>(-magnitude);
  return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

std::string itoa10(int value) { return std::to_string(value); }

std::size_t findFrom(std::string_view text, std::string_view key, std::size_t from) {
  if (from > text.size()) return kNotFound;
  return text.find(key, from);
}

}  // namespace tess
