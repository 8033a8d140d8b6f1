#include "texture/ops/sine_noise_ops.hpp"

#include <algorithm>
#include <cmath>

#include "texture/ops/parallel_rows.hpp"
#include "texture/ops/pixel.hpp"

namespace tess {

namespace {

// A real value truncated toward zero and taken as a byte (its low 8 bits).
std::uint8_t lowByte(double value) {
  return static_cast<std::uint8_t>(static_cast<int>(value));
}

}  // namespace

void opAddNoise(const OpInvocation& op) {
  const int amp = op.p[0];
  std::uint8_t* const image = op.out;
  forEachPixelInRows(image, op.size, [&](std::uint8_t* pixel) {
    const double index = static_cast<double>((pixel - image) / 4);  // the pixel's number
    const int noise =
        lowByte(std::sin(97 * index) * std::sin(47 * index) * std::sin(22 * index) * 32768);
    const int add = amp * noise / 255;
    for (int c = kBlue; c <= kRed; ++c)
      pixel[c] = static_cast<std::uint8_t>(std::min(pixel[c] + add, 255));
  });
}

void opAddStars(const OpInvocation& op) {
  const int size = op.size;
  const auto grey = static_cast<std::uint8_t>(op.p[1]);
  for (int k = 0; k < op.p[0]; ++k) {
    const int column = size * lowByte(std::sin(k) * 32768) / 256;
    const int row = size * lowByte(std::cos(k) * 32768) / 256;
    std::uint8_t* pixel = pixelAt(op.out, size, row, column);
    pixel[kBlue] = pixel[kGreen] = pixel[kRed] = grey;
  }
}

}  // namespace tess
