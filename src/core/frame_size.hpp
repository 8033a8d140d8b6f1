#pragma once

#include <optional>
#include <string_view>

namespace tess {

struct FrameSize {
  int width = 0;
  int height = 0;
};

// "WxH" with both edges whole decimal numbers within [low, high], or nothing.
std::optional<FrameSize> parseFrameSize(std::string_view text, int low, int high);

}  // namespace tess
