#pragma once

#include <cstddef>
#include <cstdint>

#include "core/zeroed_buffer.hpp"

namespace tess {

// The one large pixel area that holds the current texture's stage images back to back, with
// stage -1 (4 MiB) in front of stage 0 so that "copy the previous stage" also works for stage 0.
// A pixel is four bytes: blue, green, red, alpha; rows run from row 0, x increasing.
class StageArea {
 public:
  static constexpr std::size_t kTotalBytes = 100'000'000;
  static constexpr std::size_t kStageMinusOneBytes = 4'194'304;
  static constexpr std::size_t kUsableBytes = kTotalBytes - kStageMinusOneBytes;

  StageArea() : buffer_(kTotalBytes) {}

  // Stage k (k >= -1) of a texture of edge length size. Callers check fits() first.
  std::uint8_t* stage(int k, int size) {
    return buffer_.data() + kStageMinusOneBytes + static_cast<std::ptrdiff_t>(k) * stageBytes(size);
  }
  const std::uint8_t* stage(int k, int size) const {
    return buffer_.data() + kStageMinusOneBytes + static_cast<std::ptrdiff_t>(k) * stageBytes(size);
  }

  static std::size_t stageBytes(int size) { return static_cast<std::size_t>(size) * size * 4; }

  // Whether stages 0..k all lie inside the area.
  static bool fits(int k, int size) {
    return k >= -1 && (static_cast<std::size_t>(k + 1)) * stageBytes(size) <= kUsableBytes;
  }

 private:
  ZeroedBuffer buffer_;
};

// The 16 MiB scratch area for operations that need a temporary image or table. Operations use it
// from its working pointer, 4 MiB in, and may reach back to its start.
class ScratchArea {
 public:
  static constexpr std::size_t kTotalBytes = 16'777'216;
  static constexpr std::size_t kWorkingOffset = 4'194'304;

  ScratchArea() : buffer_(kTotalBytes) {}

  std::uint8_t* base() { return buffer_.data(); }
  std::uint8_t* working() { return buffer_.data() + kWorkingOffset; }

 private:
  ZeroedBuffer buffer_;
};

// Whole-image copy: a plain block copy of size * size pixels.
void copyStage(std::uint8_t* destination, const std::uint8_t* source, int size);

}  // namespace tess
