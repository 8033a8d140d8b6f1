#include "texture/ops/colour_ops.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "texture/ops/parallel_rows.hpp"
#include "texture/ops/pixel.hpp"

namespace tess {

namespace {

// A per-channel lookup of 256 entries for blue, green and red, applied to every pixel.
using ChannelTables = std::array<std::array<std::uint8_t, 256>, 3>;

void applyChannelTables(const OpInvocation& op, const ChannelTables& tables) {
  forEachPixelInRows(op.out, op.size, [&](std::uint8_t* pixel) {
    for (int c = kBlue; c <= kRed; ++c) pixel[c] = tables[c][pixel[c]];
  });
}

}  // namespace

int hueWeight(int k) {
  if (k < 42) return 0;
  if (k < 84) return 6 * (k - 42);
  if (k < 168) return 252;
  if (k < 210) return 252 - 6 * (k - 168);
  return 0;
}

void opScaleColor(const OpInvocation& op) {
  const int scale[3] = {op.p[2], op.p[1], op.p[0]};  // blue, green, red
  ChannelTables tables;
  for (int c = kBlue; c <= kRed; ++c)
    for (int v = 0; v < 256; ++v)
      tables[c][v] = static_cast<std::uint8_t>(std::min(scale[c] * v / 128, 255));
  applyChannelTables(op, tables);
}

void opSinColor(const OpInvocation& op) {
  const int factor[3] = {op.p[2], op.p[1], op.p[0]};  // blue, green, red
  const int all = op.p[3];
  ChannelTables tables;
  for (int c = kBlue; c <= kRed; ++c)
    for (int v = 0; v < 256; ++v)
      tables[c][v] = static_cast<std::uint8_t>(std::sin(factor[c] * v * all * 0x1p-19) * 127 + 128);
  applyChannelTables(op, tables);
}

void opAdjustColor(const OpInvocation& op) {
  const int f = 255 - op.p[0];
  auto wrapped = [](int index) { return index >= 256 ? index - 255 : index; };
  const int w0 = hueWeight(f);
  const int w1 = hueWeight(wrapped(static_cast<int>(f + 256.0 / 3)));
  const int w2 = hueWeight(wrapped(static_cast<int>(f + 512.0 / 3)));
  const int brightness = 2 * op.p[1] - 256;
  const int contrast = 4 * op.p[2];
  auto channel = [&](int weighted) {
    const double value = contrast * (brightness + weighted / 504.0) / 256;
    return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
  };
  forEachPixelInRows(op.out, op.size, [&](std::uint8_t* pixel) {
    const int b = pixel[kBlue], g = pixel[kGreen], r = pixel[kRed];
    pixel[kRed] = channel(b * w2 + g * w1 + r * w0);
    pixel[kGreen] = channel(r * w2 + b * w1 + g * w0);
    pixel[kBlue] = channel(g * w2 + r * w1 + b * w0);
  });
}

}  // namespace tess
