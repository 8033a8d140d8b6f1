#include "texture/ops/shape_ops.hpp"

#include <algorithm>
#include <cmath>

#include "texture/ops/colour_writes.hpp"
#include "texture/ops/parallel_rows.hpp"

namespace tess {

namespace {

// Adds a signed amount to a channel of prev, clamped to 0..255 and truncated.
std::uint8_t addClamped(std::uint8_t base, double amount) {
  return static_cast<std::uint8_t>(std::clamp(base + amount, 0.0, 255.0));
}

}  // namespace

void opBox(const OpInvocation& op) {
  const int size = op.size;
  const int x = op.p[0], y = op.p[1], width = op.p[2], height = op.p[3];
  // Positions and extents scale by size / 255, not 256.
  const int rowStart = size * (y - height / 2) / 255;
  const int columnStart = size * (x - width / 2) / 255;
  const int rowEnd = std::min(rowStart + height * size / 255, size);
  const int columnEnd = std::min(columnStart + width * size / 255, size);
  for (int row = std::max(rowStart, 0); row < rowEnd; ++row)
    for (int column = std::max(columnStart, 0); column < columnEnd; ++column)
      setColour(pixelAt(op.out, size, row, column), op.p[4], op.p[5], op.p[6]);
}

void opCircle(const OpInvocation& op) {
  const int size = op.size;
  const int cx = op.p[0] * size / 255, cy = op.p[1] * size / 255, radius = op.p[2] * size / 255;
  const int rowEnd = std::min(cy + radius, size), columnEnd = std::min(cx + radius, size);
  for (int row = std::max(cy - radius, 0); row < rowEnd; ++row) {
    for (int column = std::max(cx - radius, 0); column < columnEnd; ++column) {
      const int dy = row - cy, dx = column - cx;
      if (dy * dy + dx * dx < radius * radius) setColour(pixelAt(op.out, size, row, column), op.p[3], op.p[4], op.p[5]);
    }
  }
}

void opAddParticle(const OpInvocation& op) {
  const int size = op.size;
  // Every parameter of this operation arrives as floating point.
  const double x = op.p[0], y = op.p[1], red = op.p[2], green = op.p[3], blue = op.p[4], rad = op.p[5],
               fadeOut = op.p[6];
  const double radius = size * rad / 256;
  const double cx = size * x / 256, cy = size * y / 256;
  forEachRow(size, [&](int row) {
    for (int column = 0; column < size; ++column) {
      const double dx = column - cx, dy = row - cy;
      const double d = std::min(std::sqrt(dx * dx + dy * dy), radius);
      const double weight = std::min(radius * (radius - d) * fadeOut / 1024 / (radius + 1), 1.0);
      const std::uint8_t* source = pixelAt(op.prev, size, row, column);
      std::uint8_t* target = pixelAt(op.out, size, row, column);
      target[kBlue] = addClamped(source[kBlue], (blue - 128) * 1.984375 * weight);
      target[kGreen] = addClamped(source[kGreen], (green - 128) * 1.984375 * weight);
      target[kRed] = addClamped(source[kRed], (red - 128) * 1.984375 * weight);
    }
  });
}

}  // namespace tess
