#include "texture/ops/pixel_shift_ops.hpp"

#include <algorithm>

#include "texture/ops/parallel_rows.hpp"
#include "texture/ops/pixel.hpp"
#include "texture/texture_store.hpp"

namespace tess {

namespace {

// Saturation s mixes the grey of the shifted colour with the colour itself: 0 grey, 255 colour.
void writeSaturationMix(std::uint8_t* pixel, int blue, int green, int red, int saturation) {
  const int grey = (blue + green + red) * (255 - saturation) / 765;
  pixel[kBlue] = static_cast<std::uint8_t>(grey + saturation * blue / 255);
  pixel[kGreen] = static_cast<std::uint8_t>(grey + saturation * green / 255);
  pixel[kRed] = static_cast<std::uint8_t>(grey + saturation * red / 255);
}

}  // namespace

void opPShift(const OpInvocation& op) {
  const int size = op.size;
  const int pixels = size * size;
  const int blueStep = op.p[0] * size / 256;
  const int greenStep = op.p[1] * size / 256;
  const int redStep = op.p[2] * size / 256;
  // A pixel number past the end of prev reads the start of out, the stage that follows prev in
  // the stage area; those pixels already hold this operation's results (the distance stays under
  // four rows, so they were written before they are read).
  auto channelAt = [&](int number, int channel) {
    return number < pixels ? op.prev[number * 4 + channel]
                           : op.out[(number - pixels) * 4 + channel];
  };
  auto shiftPixels = [&](int first, int end) {
    for (int n = first; n < end; ++n) {
      const std::uint8_t* source = op.prev + n * 4;
      const int blue = channelAt(n + blueStep * source[kBlue] / 64, kBlue);
      const int green = channelAt(n + greenStep * source[kGreen] / 64, kGreen);
      const int red = channelAt(n + redStep * source[kRed] / 64, kRed);
      writeSaturationMix(op.out + n * 4, blue, green, red, op.p[3]);
    }
  };
  // Rows whose shifts stay inside prev are independent; the last rows, which may read the first
  // rows of out, follow once those are written.
  const int longestShift = std::max({blueStep, greenStep, redStep}) * 255 / 64;
  const int insideRows = std::max(0, size - (longestShift + size - 1) / size - 1);
  forRowRanges(insideRows, size,
               [&](int first, int end) { shiftPixels(first * size, end * size); });
  shiftPixels(insideRows * size, pixels);
}

void opRadialPShift(const OpInvocation& op) {
  const int size = op.size;
  const int half = size / 2;
  const int steps[3] = {op.p[0] * size / 256, op.p[1] * size / 256,
                        op.p[2] * size / 256};  // blue, green, red
  forEachRow(size, [&](int i) {
    for (int j = 0; j < size; ++j) {
      const std::uint8_t* here = pixelAt(op.prev, size, i, j);
      int shifted[3];
      for (int c = kBlue; c <= kRed; ++c) {
        const int f = here[c] * steps[c] + 65536;
        const int row = std::clamp(half + (i - half) * 65536 / f, 0, size - 1);
        const int column = std::clamp(half + (j - half) * 65536 / f, 0, size - 1);
        shifted[c] = pixelAt(op.prev, size, row, column)[c];
      }
      writeSaturationMix(pixelAt(op.out, size, i, j), shifted[kBlue], shifted[kGreen],
                         shifted[kRed], op.p[3]);
    }
  });
}

void opMap2dPShift(const OpInvocation& op) {
  const int size = op.size;
  const int mask = size - 1;  // sizes are powers of two: & wraps negative offsets too
  const std::uint8_t* map = op.store.stage(op.p[0]);
  forEachRow(size, [&](int k) {
    for (int i = 0; i < size; ++i) {
      const std::uint8_t* offset = pixelAt(map, size, k, i);
      const int column = (i + (offset[kBlue] - size / 2) * op.p[1] / 128) & mask;
      const int row = (k + op.p[2] * (offset[kGreen] - size / 2) / 128) & mask;
      const std::uint8_t* source = pixelAt(op.prev, size, row, column);
      std::uint8_t* target = pixelAt(op.out, size, k, i);
      target[kBlue] = source[kBlue];
      target[kGreen] = source[kGreen];
      target[kRed] = source[kRed];
    }
  });
}

}  // namespace tess
