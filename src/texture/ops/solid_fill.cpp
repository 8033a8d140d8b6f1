#include "texture/ops/solid_fill.hpp"

#include <cstring>

#include "texture/ops/bounded_flood_fill.hpp"
#include "texture/ops/pixel.hpp"
#include "texture/texture_store.hpp"

namespace tess {

namespace {

int greyOf(const std::uint8_t* pixel) {
  return (pixel[kBlue] + pixel[kGreen] + pixel[kRed]) / 3;
}

}  // namespace

void opSolidFill(const OpInvocation& op) {
  const int size = op.size;
  const std::size_t pixels = static_cast<std::size_t>(size) * size;
  // Scratch: the visited mask (S * S bytes), then the pending list (S * S positions).
  std::uint8_t* mask = op.store.scratch.working();
  std::memset(mask, 0, pixels);
  auto* pending = reinterpret_cast<std::uint32_t*>(mask + pixels);

  const int seedColumn = op.p[0] * size / 256;
  const int seedRow = op.p[1] * size / 256;
  const int seedGrey = greyOf(pixelAt(op.out, size, seedRow, seedColumn));
  const int range = op.p[5];
  const auto red = static_cast<std::uint8_t>(op.p[2]);
  const auto green = static_cast<std::uint8_t>(op.p[3]);
  const auto blue = static_cast<std::uint8_t>(op.p[4]);

  // Unpainted pixels still hold the copy of prev, so their grey is read from out.
  boundedFloodFill(
      FloodFillArea{size, mask, pending}, seedRow, seedColumn,
      [&](std::uint32_t position) {
        const int grey = greyOf(op.out + position * 4);
        return seedGrey - range < grey && grey < seedGrey + range;
      },
      [&](std::uint32_t position) {
        std::uint8_t* pixel = op.out + position * 4;
        pixel[kBlue] = blue;
        pixel[kGreen] = green;
        pixel[kRed] = red;
      });
}

}  // namespace tess
