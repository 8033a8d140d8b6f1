#include "texture/ops/roll_tiling_ops.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include "texture/ops/colour_writes.hpp"
#include "texture/ops/parallel_rows.hpp"
#include "texture/stage_area.hpp"
#include "texture/texture_store.hpp"

namespace tess {

namespace {

// Adds or subtracts size at most once; the roll offsets never need more.
int wrapOnce(int value, int size) {
  if (value >= size) return value - size;
  if (value < 0) return value + size;
  return value;
}

// Blue, green and red of prev, shifted by the roll offsets of (x, y) and mirrored by flip, into out.
void roll(const std::uint8_t* prev, std::uint8_t* out, int size, int x, int y, int flip) {
  if (flip > 3) return;
  const int columnOffset = (x + 1) * size / 256;
  const int rowOffset = 2 * (size - size / 2 - size * (y + 1) / 256);
  const bool mirrorColumns = flip & 1, mirrorRows = flip & 2;
  forEachRow(size, [&](int row) {
    const int sourceRow = wrapOnce(row + rowOffset, size);
    const int targetRow = mirrorRows ? size - 1 - row : row;
    for (int column = 0; column < size; ++column) {
      const int targetColumn = mirrorColumns ? size - 1 - column : column;
      copyColour(pixelAt(out, size, targetRow, targetColumn),
                 pixelAt(prev, size, sourceRow, wrapOnce(column + columnOffset, size)));
    }
  });
}

enum MixType { kMixAdd = 0, kMixLighter = 1 };

void mixPixel(std::uint8_t* accumulated, const std::uint8_t* value, int mixType) {
  if (mixType == kMixAdd) {
    for (int c = 0; c < 4; ++c) accumulated[c] = static_cast<std::uint8_t>(std::min(accumulated[c] + value[c], 255));
  } else {
    for (int c : {kBlue, kGreen, kRed}) accumulated[c] = std::max(accumulated[c], value[c]);
  }
}

// One rotation of out by an angle in degrees about the centre: (k - half) cos e and
// (k - half) sin e for every column or row k, the terms of its source positions.
struct Rotation {
  std::vector<double> cosTerm, sinTerm;

  Rotation(int size, int angle) : cosTerm(size), sinTerm(size) {
    const double radians = angle * (std::numbers::pi / 180);
    const double cosE = std::cos(radians), sinE = std::sin(radians);
    const int half = size / 2;
    for (int k = 0; k < size; ++k) {
      cosTerm[k] = (k - half) * cosE;
      sinTerm[k] = (k - half) * sinE;
    }
  }
};

// Overlays one row of each rotation of out, in the order given, onto the accumulation image.
// Source positions truncate toward zero and count only strictly inside the image; outside ones
// add nothing in either mix.
void overlayRotatedRow(const std::uint8_t* out, std::uint8_t* accumulation, int size, int row,
                       const std::vector<Rotation>& rotations, int mixType) {
  const int half = size / 2;
  for (const Rotation& rotation : rotations) {
    for (int column = 0; column < size; ++column) {
      const int sourceColumn =
          static_cast<int>(half + rotation.cosTerm[column] - rotation.sinTerm[row]);
      const int sourceRow =
          static_cast<int>(half + rotation.sinTerm[column] + rotation.cosTerm[row]);
      if (sourceColumn > 0 && sourceColumn < size && sourceRow > 0 && sourceRow < size)
        mixPixel(pixelAt(accumulation, size, row, column), pixelAt(out, size, sourceRow, sourceColumn), mixType);
    }
  }
}

}  // namespace

void opRoll(const OpInvocation& op) { roll(op.prev, op.out, op.size, op.p[0], op.p[1], op.p[2]); }

void opTiling(const OpInvocation& op) {
  const int size = op.size;
  roll(op.prev, op.out, size, op.p[0], op.p[1], 0);

  std::uint8_t* accumulation = op.store.scratch.working();
  std::memcpy(accumulation, op.out, StageArea::stageBytes(size));
  forEachPixel(accumulation, size, [](std::uint8_t* px) { setGrey(px, 0); });

  const int mixType = op.p[3];
  if (mixType == kMixAdd || mixType == kMixLighter) {
    const int step = std::max(op.p[2] * 360 / 256, 15);
    std::vector<Rotation> rotations;
    for (int angle = 0; angle < 360; angle += step) rotations.emplace_back(size, angle);
    forEachRow(size, [&](int row) {
      overlayRotatedRow(op.out, accumulation, size, row, rotations, mixType);
    });
  }
  std::memcpy(op.out, accumulation, StageArea::stageBytes(size));
}

}  // namespace tess
