#include "editor/typed_number.hpp"

#include <charconv>

namespace tess {

std::optional<int> parseTypedNumber(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  // from_chars takes a "-" but not a "+".
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> parseTypedNumber(std::string_view text, int low, int high) {
  const auto value = parseTypedNumber(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

}  // namespace tess
