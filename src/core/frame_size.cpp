#include "core/frame_size.hpp"

#include <charconv>

namespace tess {

namespace {

std::optional<int> parseEdge(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

std::optional<FrameSize> parseFrameSize(std::string_view text, int low, int high) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const auto width = parseEdge(text.substr(0, x), low, high);
  const auto height = parseEdge(text.substr(x + 1), low, high);
  if (!width || !height) return std::nullopt;
  return FrameSize{*width, *height};
}

}  // namespace tess
