#include "texture/ops/pattern_ops.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "texture/ops/colour_writes.hpp"
#include "texture/ops/parallel_rows.hpp"

namespace tess {

namespace {

// A real coordinate limited to 0..size, then truncated to a row or column index.
int clampToEdge(double value, int size) { return static_cast<int>(std::clamp(value, 0.0, double(size))); }

// A cell centre wraps once by size - 1 (not size), as the pattern has always done.
double wrapCentreOnce(double value, int size) {
  if (value > size - 1) return value - (size - 1);
  if (value < 0) return value + (size - 1);
  return value;
}

struct CellCentre {
  double row, column;
};

// Darkens one row of the disc of the given radius around a cell centre with the distance
// pattern: every pixel keeps the darker of its grey and the scaled distance to the centre taken
// as a byte. Taking the darker value is order-free, so rows may be drawn cell by cell in any order.
void darkenCellRow(std::uint8_t* out, int size, int row, CellCentre centre, int radius,
                   int distanceFactor) {
  const double u = row - centre.row + 1;  // the row distance is taken one row further down
  const double span = double(radius * radius) - u * u;
  if (span < 0) return;  // the offset row lies outside the disc: nothing to draw
  const int halfWidth = static_cast<int>(std::sqrt(span));
  const int columnEnd = clampToEdge(static_cast<int>(centre.column + halfWidth), size);
  for (int column = clampToEdge(static_cast<int>(centre.column - halfWidth) + 1, size);
       column < columnEnd; ++column) {
    const double dx = column - centre.column;
    const int distance = static_cast<int>(std::sqrt(dx * dx + u * u) * distanceFactor);
    const auto shade = static_cast<std::uint8_t>(distance / 32);
    std::uint8_t* px = pixelAt(out, size, row, column);
    setGrey(px, std::min(px[kBlue], shade));
  }
}

}  // namespace

void opCells(const OpInvocation& op) {
  const int size = op.size;
  const int alfa = op.p[0], density = op.p[1], brightness = op.p[2], complexity = op.p[3];
  forEachPixel(op.out, size, [](std::uint8_t* px) { setGrey(px, 255); });

  const int cells = complexity / 8;
  const int distanceFactor = brightness * 256 / size;
  const int spread = density * size / 256;
  const int radius = distanceFactor > 10 ? 8160 / distanceFactor : size;
  // Offset k is spread * sin(s_k / 50 degrees) with s_k = k * (alfa + 1222). Cell m reads offsets
  // m and m + 4, so a few cells read past the first 2N offsets; the series simply goes on.
  const int offsetCount = std::max(2 * cells, cells + 4);
  std::vector<double> offsets(offsetCount);
  for (int k = 0; k < offsetCount; ++k) {
    const int degrees = k * (alfa + 1222) / 50;
    offsets[k] = spread * std::sin(degrees * std::numbers::pi / 180);
  }
  std::vector<CellCentre> centres(cells);
  for (int m = 0; m < cells; ++m)
    centres[m] = {wrapCentreOnce(size / 2 - offsets[m], size),
                  wrapCentreOnce(size / 2 - offsets[m + 4], size)};
  forEachRow(size, [&](int row) {
    for (const CellCentre& centre : centres)
      if (row >= clampToEdge(centre.row - radius, size) &&
          row < clampToEdge(centre.row + radius, size))
        darkenCellRow(op.out, size, row, centre, radius, distanceFactor);
  });
}

void opPlasm(const OpInvocation& op) {
  const int size = op.size;
  const double k = 2 * std::numbers::pi / size;
  // The frequency factors are single precision; every product below is exact in either precision.
  const float frequencyX = static_cast<float>(op.p[0]) / 64.0f;
  const float frequencyY = static_cast<float>(op.p[2]) / 64.0f;
  std::vector<double> waveX(size), waveY(size);
  for (int i = 0; i < size; ++i) {
    waveX[i] = 63.5 * std::sin(k * ((size - i) * frequencyX + op.p[1]));
    waveY[i] = 63.5 * std::sin(k * ((size - i) * frequencyY + op.p[3]));
  }
  forEachRow(size, [&](int y) {
    for (int x = 0; x < size; ++x) {
      // Rounded to nearest, halves to even as the floating-point unit rounds.
      const auto value = static_cast<std::uint8_t>(std::nearbyint(waveX[x] + waveY[y] + 127));
      setGrey(pixelAt(op.out, size, y, x), value);
    }
  });
}

void opChessField(const OpInvocation& op) {
  const int size = op.size;
  const int cellWidth = std::clamp(size * (op.p[0] + 1) / 256, 1, size);
  const int cellHeight = std::clamp(size * (op.p[1] + 1) / 256, 1, size);
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      const bool white = (row / cellHeight + column / cellWidth) % 2 != 0;
      setGrey(pixelAt(op.out, size, row, column), white ? 255 : 0);
    }
  }
}

void opLGradient(const OpInvocation& op) {
  const int size = op.size;
  const int r1 = op.p[0], g1 = op.p[1], b1 = op.p[2], r2 = op.p[3], g2 = op.p[4], b2 = op.p[5];
  for (int row = 0; row < size; ++row) {
    const double f = double(row) / size;
    const int red = static_cast<int>((1 - f) * r2 + f * r1);
    const int green = static_cast<int>((1 - f) * g2 + f * g1);
    const int blue = static_cast<int>((1 - f) * b2 + f * b1);
    for (int column = 0; column < size; ++column) setColour(pixelAt(op.out, size, row, column), red, green, blue);
  }
}

}  // namespace tess
