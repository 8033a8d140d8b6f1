#include "texture/ops/distortion_ops.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "texture/ops/colour_writes.hpp"
#include "texture/ops/parallel_rows.hpp"
#include "texture/ops/rotor_zoom.hpp"

namespace tess {

namespace {

// 3.14 / 180 / 32: SinDistort's frequency step per pixel; 3.14 / 128: Twirl's angle unit.
constexpr double kSinDistortStep = 3.14 / 180 / 32;
constexpr double kTwirlStep = 3.14 / 128;

bool insideImage(int row, int column, int size) {
  return row >= 0 && row < size && column >= 0 && column < size;
}

// The centre of Twirl and Lenz: (p1, p2) scaled by size / 256.
struct Centre {
  int row, column;
};
Centre centreOf(const OpInvocation& op) { return {op.p[1] * op.size / 256, op.p[0] * op.size / 256}; }

// Calls move(row, column, d) for every pixel whose distance d from the centre is at most radius.
template <typename Move>
void forEachPixelInDisc(int size, Centre centre, int radius, Move move) {
  const int firstRow = std::max(centre.row - radius, 0);
  const int endRow = std::min(centre.row + radius, size - 1) + 1;
  forRowRanges(std::max(endRow - firstRow, 0), 2 * radius + 1, [&](int first, int end) {
    for (int row = firstRow + first; row < firstRow + end; ++row) {
      for (int column = std::max(centre.column - radius, 0);
           column <= std::min(centre.column + radius, size - 1); ++column) {
        const int dy = row - centre.row, dx = column - centre.column;
        const double d = std::sqrt(double(dx * dx + dy * dy));
        if (d <= radius) move(row, column, d);
      }
    }
  });
}

}  // namespace

void opSinDistort(const OpInvocation& op) {
  const int size = op.size;
  const int frequencyX = op.p[1] * 256 / size, frequencyY = op.p[3] * 256 / size;
  const int amplitudeX = op.p[0] * size / 256, amplitudeY = op.p[2] * size / 256;
  std::vector<double> rowWave(size);  // the source row's offset depends on the column only
  for (int column = 0; column < size; ++column)
    rowWave[column] = amplitudeX * std::sin(column * frequencyX * kSinDistortStep);
  forEachRow(size, [&](int row) {
    const int shift = static_cast<int>(amplitudeY * std::sin(row * frequencyY * kSinDistortStep));
    for (int column = 0; column < size; ++column) {
      const int sourceRow = wrapToImage(static_cast<int>(row + rowWave[column]), size);
      const int sourceColumn = wrapToImage(column + shift, size);
      copyColour(pixelAt(op.out, size, row, column), pixelAt(op.prev, size, sourceRow, sourceColumn));
    }
  });
}

void opTwirl(const OpInvocation& op) {
  const int size = op.size;
  const Centre centre = centreOf(op);
  const int rotation = op.p[2], force = op.p[3], radius = op.p[4] * size / 256;
  // With radius 0 only the centre lies in the disc, and its angle (0 / 0) is undefined: it keeps
  // the copy, as a source outside the image would.
  if (radius == 0) return;
  forEachPixelInDisc(size, centre, radius, [&](int row, int column, double d) {
    const double angle = std::atan2(double(row - centre.row), double(column - centre.column)) +
                         (rotation - 128 + (radius - d) / radius * (force - 128)) * kTwirlStep;
    const int sourceColumn = static_cast<int>(d * std::cos(angle) + centre.column);
    const int sourceRow = static_cast<int>(d * std::sin(angle) + centre.row);
    if (insideImage(sourceRow, sourceColumn, size))
      copyColour(pixelAt(op.out, size, row, column), pixelAt(op.prev, size, sourceRow, sourceColumn));
  });
}

void opLenz(const OpInvocation& op) {
  const int size = op.size;
  const Centre centre = centreOf(op);
  const int strength = (op.p[2] - 128) / 32;  // whole steps: forces 97..159 change nothing
  int radius = op.p[3] * size / 256;
  if (radius == 0) radius = 1;
  forEachPixelInDisc(size, centre, radius, [&](int row, int column, double d) {
    const double k = strength * (radius - d) / radius + 1;
    const int sourceColumn = static_cast<int>((column - centre.column) * k + centre.column);
    const int sourceRow = static_cast<int>((row - centre.row) * k + centre.row);
    if (insideImage(sourceRow, sourceColumn, size))
      copyColour(pixelAt(op.out, size, row, column), pixelAt(op.prev, size, sourceRow, sourceColumn));
  });
}

void opRotorZoom(const OpInvocation& op) {
  const RotorZoomSettings settings{op.p[0], op.p[1], op.p[2], op.p[3], op.p[4], op.p[5]};
  rotorZoom(op.prev, op.out, op.size, settings);
}

void opMozaic(const OpInvocation& op) {
  const int size = op.size;
  const int order = op.p[0] + 1;
  forEachRow(size, [&](int row) {
    const int sourceRow = order * row % size;
    for (int column = 0; column < size; ++column)
      copyColour(pixelAt(op.out, size, row, column), pixelAt(op.prev, size, sourceRow, order * column % size));
  });
}

}  // namespace tess
