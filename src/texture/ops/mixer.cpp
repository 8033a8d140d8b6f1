#include "texture/ops/mixer.hpp"

#include <algorithm>

#include "texture/ops/parallel_rows.hpp"
#include "texture/ops/pixel.hpp"
#include "texture/stage_area.hpp"
#include "texture/texture_store.hpp"

namespace tess {

namespace {

// x and y are a byte of each source times its brightness; every quotient truncates separately.
template <typename Mix>
void mixStages(const OpInvocation& op, Mix mix) {
  const std::uint8_t* first = op.store.stage(op.p[0]);
  const std::uint8_t* second = op.store.stage(op.p[1]);
  const int brightness1 = op.p[2];
  const int brightness2 = op.p[3];
  const std::size_t rowBytes = static_cast<std::size_t>(op.size) * 4;
  forRowRanges(op.size, op.size, [&](int firstRow, int endRow) {
    for (std::size_t i = firstRow * rowBytes; i < endRow * rowBytes; i += 4)
      for (int c = kBlue; c <= kRed; ++c)
        op.out[i + c] = clampToByte(mix(brightness1 * first[i + c], brightness2 * second[i + c]));
  });
}

}  // namespace

void opMixer(const OpInvocation& op) {
  switch (op.p[4]) {
    case 0:
      mixStages(op, [](int x, int y) { return x / 256 + y / 256; });
      break;
    case 1:
      mixStages(op, [](int x, int y) { return x / 256 - y / 256; });
      break;
    case 2:
      mixStages(op, [](int x, int y) { return y / 256 - x / 256; });
      break;
    case 3:
      mixStages(op, [](int x, int y) { return y * (4 * x / 256) / 65536; });
      break;
    case 4:
      mixStages(op, [](int x, int y) { return 2 * std::max(x, y) / 256; });
      break;
    case 5:
      mixStages(op, [](int x, int y) { return 2 * std::min(x, y) / 256; });
      break;
    default:
      copyStage(op.out, op.prev, op.size);
      break;
  }
}

}  // namespace tess
