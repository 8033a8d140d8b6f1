#pragma once

// Small helpers the texture operations share: byte order, pixel addressing, clamping.

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tess {

// Byte offsets inside a pixel (A8R8G8B8 in memory).
enum Channel : int { kBlue = 0, kGreen = 1, kRed = 2, kAlpha = 3 };

inline std::uint8_t* pixelAt(std::uint8_t* image, int size, int row, int column) {
  return image + (static_cast<std::ptrdiff_t>(row) * size + column) * 4;
}
inline const std::uint8_t* pixelAt(const std::uint8_t* image, int size, int row, int column) {
  return image + (static_cast<std::ptrdiff_t>(row) * size + column) * 4;
}

template <typename PixelChange>
void forEachPixel(std::uint8_t* image, int size, PixelChange change) {
  std::uint8_t* end = image + static_cast<std::ptrdiff_t>(size) * size * 4;
  for (std::uint8_t* pixel = image; pixel != end; pixel += 4) change(pixel);
}

inline std::uint8_t clampToByte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

}  // namespace tess
