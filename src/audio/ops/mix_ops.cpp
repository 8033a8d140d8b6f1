#include "audio/ops/mix_ops.hpp"

#include <algorithm>
#include <cstdint>

#include "audio/synth_math.hpp"

namespace tess {

using namespace synth;

namespace {

StageView sourceStage(const SynthInvocation& op, int number) {
  return op.stage(std::min(number, op.n - 2));
}

// A read position that starts at offset and returns to 0 at the end of the signal. Offsets at or
// beyond the length (and below 0) are taken modulo the length, so every offset is a rotation.
class RotatingPosition {
 public:
  RotatingPosition(int offset, int length)
      : length_(length),
        position_(static_cast<int>(((std::int64_t{offset} % length) + length) % length)) {}
  int next() {
    const int current = position_;
    if (++position_ == length_) position_ = 0;
    return current;
  }

 private:
  int length_;
  int position_;
};

// x1 * a1 and x2 * a2 in integers; mix turns them into the stored value.
template <typename Mix>
void mixStages(const SynthInvocation& op, Mix mix) {
  const StageView s1 = sourceStage(op, op.p[0]), s2 = sourceStage(op, op.p[1]);
  const int a1 = op.p[2], a2 = op.p[3];
  RotatingPosition pos1(op.p[4], op.length), pos2(op.p[5], op.length);
  for (int i = 0; i < op.length; ++i) {
    const std::int64_t x1 = s1[pos1.next()], x2 = s2[pos2.next()];
    op.out.set(i, wrap16(mix(x1 * a1, x2 * a2)));
  }
}

}  // namespace

void synthMixer(const SynthInvocation& op) {
  if (op.length == 0) return;
  switch (op.p[6]) {
    case 0:  // sum, clipped
      mixStages(op, [](std::int64_t m1, std::int64_t m2) {
        return truncToInt(clampSample(wrap32(m1 + m2) / 256.0));
      });
      break;
    case 1:  // sum, wrapping
      mixStages(
          op, [](std::int64_t m1, std::int64_t m2) { return truncToInt(wrap32(m1 + m2) / 256.0); });
      break;
    case 2:  // difference, clipped
      mixStages(op, [](std::int64_t m1, std::int64_t m2) {
        return truncToInt(clampSample(wrap32(m1) / 256.0 - wrap32(m2) / 256.0));
      });
      break;
    case 3:  // product, clipped
      mixStages(op, [](std::int64_t m1, std::int64_t m2) {
        return truncToInt(clampSample((wrap32(m1) / 256.0) * (wrap32(m2) / 256.0) / 256));
      });
      break;
    default:  // the stage keeps what it held
      break;
  }
}

void synthMorf(const SynthInvocation& op) {
  const StageView s1 = sourceStage(op, op.p[0]), s2 = sourceStage(op, op.p[1]);
  for (int i = 0; i < op.length; ++i) {
    const double t = static_cast<double>(i) / op.length;
    op.out.set(i, wrap16(truncToInt(s2[i] * (1 - t) + static_cast<double>(s1[i]) * i / op.length)));
  }
}

}  // namespace tess
