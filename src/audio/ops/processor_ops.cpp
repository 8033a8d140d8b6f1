#include "audio/ops/processor_ops.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "audio/synth_math.hpp"

namespace tess {

using namespace synth;

namespace {

void copyInput(const SynthInvocation& op) {
  for (int i = 0; i < op.length; ++i) op.out.set(i, wrap16(op.in[i]));
}

// The offset of Shift and Roll: twice ((p - 50) * L / 100), in integers.
int percentOffset(const SynthInvocation& op) {
  return wrap32(2 * std::int64_t{wrap32((std::int64_t{op.p[0]} - 50) * op.length) / 100});
}

// A read position that lands at or beyond the signal's end reads position 0 instead.
double withinSignal(double position, int length) {
  return position >= length ? 0 : position;
}

// Position of a sweep of speed s at sample i: s * (i / L) * 3.141519 / 32 radians.
double sweepAngle(int s, int i, int length) {
  return s * (static_cast<double>(i) / length) * kSweepRadians;
}

// out = trunc(x * (d + 4 * (1 - d) * shape(e))), d = s / 255, e = (32,768 - |x|) / 32,678.
template <typename Shape>
void compress(const SynthInvocation& op, Shape shape) {
  const double d = op.p[0] / 255.0;
  for (int i = 0; i < op.length; ++i) {
    const int x = op.in[i];
    const double e = (32'768 - std::abs(x)) / 32'678.0;  // 32,678 as the sounds were made with
    op.out.set(i, wrap16(truncToInt(x * (d + 4 * (1 - d) * shape(e)))));
  }
}

}  // namespace

void synthInvert(const SynthInvocation& op) {
  for (int i = 0; i < op.length; ++i) op.out.set(i, wrap16(-op.in[i]));
}

void synthReverse(const SynthInvocation& op) {
  for (int i = 0; i < op.length; ++i) op.out.set(i, wrap16(op.in[op.length - 1 - i]));
}

void synthVRoll(const SynthInvocation& op) {
  const int offset = wrap32((std::int64_t{op.p[0]} - 127) * 512);
  for (int i = 0; i < op.length; ++i)
    op.out.set(i, wrap16(fold(wrap32(std::int64_t{op.in[i]} + offset))));
}

void synthCompress(const SynthInvocation& op) {
  compress(op, [](double e) { return e; });
}

void synthCompress2(const SynthInvocation& op) {
  compress(op, [](double e) { return e * e; });
}

void synthEnv(const SynthInvocation& op) {
  copyInput(op);
  const int start = wrap32(std::int64_t{op.length} * op.p[0]) / 100;
  const int end = wrap32(std::int64_t{op.length} * op.p[2]) / 100;
  if (start >= end) return;
  const int g1 = wrap32(4 * std::int64_t{op.p[1]}), g2 = wrap32(4 * std::int64_t{op.p[3]});
  const double span = static_cast<double>(std::int64_t{end} - start);
  // Ramp ends beyond 0..100 % would reach into other stages: only the stage's own samples change.
  for (int j = std::max(start, 0); j < std::min(end, op.length); ++j) {
    const double h = (j - start) / span;
    const double gain = g1 * (1 - h) + g2 * h;
    op.out.set(j, wrap16(truncToInt(clampSample(gain * op.out[j] / 256))));
  }
}

void synthShift(const SynthInvocation& op) {
  const int d = percentOffset(op);
  for (int i = 0; i < op.length; ++i) {
    const std::int64_t q = std::int64_t{i} + d;
    op.out.set(i, wrap16(q >= 0 && q < op.length ? op.in[q] : 0));
  }
}

void synthRoll(const SynthInvocation& op) {
  const int d = percentOffset(op);
  for (int i = 0; i < op.length; ++i) {
    std::int64_t q = std::int64_t{i} + d;
    if (q >= op.length) q -= op.length;
    if (q < 0) q += op.length;
    op.out.set(i, wrap16(op.in[q]));
  }
}

void synthResample(const SynthInvocation& op) {
  const int r = op.p[0];
  for (int i = 0; i < op.length; ++i) {
    const double q = static_cast<double>(i) * r * 100 / 44'100;
    op.out.set(i, wrap16(q < op.length ? op.in[truncToInt(q)] : 0));
  }
}

void synthFlanger(const SynthInvocation& op) {
  const int s = op.p[0], d = op.p[1];
  for (int i = 0; i < op.length; ++i) {
    const double g = d * std::sin(sweepAngle(s, i, op.length)) / 2;
    const int q1 = truncToInt(withinSignal(i - g, op.length));
    const int q2 = truncToInt(withinSignal(i + g, op.length));
    op.out.set(i, wrap16(truncToInt(op.in[q1] / 2.0 + op.in[q2] / 2.0)));
  }
}

void synthVibrato(const SynthInvocation& op) {
  const int s = op.p[0], depth = wrap32(4 * std::int64_t{op.p[1]});
  for (int i = 0; i < op.length; ++i) {
    const double q = withinSignal(i + depth * std::sin(sweepAngle(s, i, op.length)), op.length);
    op.out.set(i, wrap16(truncToInt(op.in[truncToInt(q)] / 2.0)));
  }
}

void synthReverb(const SynthInvocation& op) {
  copyInput(op);
  const int delay = op.p[0], gainLimit = op.p[1], attack = op.p[2];
  // A negative delay would write in front of the stage: such a Reverb only copies, like one whose
  // delay is at or beyond the length.
  if (delay < 0) return;
  for (int i = 0; i < op.length - delay; ++i) {
    const int g = std::min(truncToInt(wrap32(std::int64_t{i} * attack) / 16'384.0), gainLimit);
    const double echo = wrap32(std::int64_t{op.out[i]} * g) / 64.0 + op.out[i + delay];
    op.out.set(i + delay, wrap16(truncToInt(fold(echo))));
  }
}

}  // namespace tess
