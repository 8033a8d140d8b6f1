#include "texture/ops/cross_fade.hpp"

#include "texture/ops/parallel_rows.hpp"
#include "texture/ops/pixel.hpp"

namespace tess {

namespace {

// Step k of the zone (0 outermost) on one pair of opposite pixels, blue, green and red; each
// integer term truncates before the sum.
void fadePair(std::uint8_t* near, std::uint8_t* far, int k, int zone) {
  for (int c = kBlue; c <= kRed; ++c) {
    const int a = near[c];
    const int e = far[c];
    const int mean = (zone - k) * ((a + e) / 2) / zone;
    near[c] = static_cast<std::uint8_t>(mean + k * a / zone);
    far[c] = static_cast<std::uint8_t>(mean + k * e / zone);
  }
}

}  // namespace

void opCrossFade(const OpInvocation& op) {
  const int size = op.size;
  const int zone = op.p[0] * size / 512;
  const int direction = op.p[1];
  if (direction > 1) return;
  // Every pixel belongs to one pair at most, so the order of the pairs does not matter: rows
  // (or pairs of rows) are independent.
  if (direction == 0) {
    forEachRow(size, [&](int line) {
      for (int k = 0; k < zone; ++k)
        fadePair(pixelAt(op.out, size, line, k), pixelAt(op.out, size, line, size - 1 - k), k,
                 zone);
    });
  } else {
    forRowRanges(zone, 2 * size, [&](int first, int end) {
      for (int k = first; k < end; ++k)
        for (int line = 0; line < size; ++line)
          fadePair(pixelAt(op.out, size, k, line), pixelAt(op.out, size, size - 1 - k, line), k,
                   zone);
    });
  }
}

}  // namespace tess
