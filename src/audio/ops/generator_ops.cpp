#include "audio/ops/generator_ops.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "audio/synth_math.hpp"

namespace tess {

using namespace synth;

namespace {

constexpr double K = kRadiansPerHertzSample;

// out[i] = trunc(a * 32,767 * wave(i * f * K + phase) / 256), phase given in 1/256 turns that
// are first rounded down to whole degrees.
template <typename Wave>
void sineOscillator(const SynthInvocation& op, Wave wave) {
  const int f = op.p[0], a = op.p[1], ph = op.p[2];
  const double phase = (wrap32(std::int64_t{ph} * 360) / 256) * kRadiansPerDegree;
  for (int i = 0; i < op.length; ++i) {
    const int acc = wrap32(std::int64_t{i} * f);
    op.out.set(i, wrap16(truncToInt(a * 32'767.0 * wave(acc * K + phase) / 256)));
  }
}

// out[i] = (table[trunc(ph * 256 + i * f * T) & 0xFFFF] * a) / 256, in integers.
void tableOscillator(const SynthInvocation& op, const std::vector<std::int32_t>& table) {
  const int f = op.p[0], a = op.p[1], ph = op.p[2];
  const double start = wrap32(std::int64_t{ph} * 256);
  for (int i = 0; i < op.length; ++i) {
    const int idx =
        truncToInt(start + wrap32(std::int64_t{i} * f) * kTablePerHertzSample) & kTableMask;
    op.out.set(i, wrap16(wrap32(std::int64_t{table[idx]} * a) / 256));
  }
}

}  // namespace

void synthSinus(const SynthInvocation& op) {
  sineOscillator(op, [](double x) { return std::sin(x); });
}

void synthAbsSinus(const SynthInvocation& op) {
  sineOscillator(op, [](double x) { return std::fabs(std::sin(x)); });
}

void synthSquare(const SynthInvocation& op) {
  tableOscillator(op, op.store.waves.square);
}
void synthTriangle(const SynthInvocation& op) {
  tableOscillator(op, op.store.waves.triangle);
}
void synthSaw(const SynthInvocation& op) {
  tableOscillator(op, op.store.waves.saw);
}
void synthSoftSaw(const SynthInvocation& op) {
  tableOscillator(op, op.store.waves.softSaw);
}

void synthNoise(const SynthInvocation& op) {
  const int f = op.p[0], a = op.p[1];
  const std::vector<std::int32_t>& noise = op.store.waves.noise;
  for (int i = 0; i < op.length; ++i) {
    const int idx = truncToInt(wrap32(std::int64_t{i} * f) * kTablePerHertzSample) & kTableMask;
    op.out.set(i, wrap16(wrap32(std::int64_t{noise[idx]} * a) / 256));
  }
}

void synthSinPack(const SynthInvocation& op) {
  constexpr double kLowest = 0.0032040816326530616;  // 22.5 * K
  for (int i = 0; i < op.length; ++i) {
    const double low = std::sin(kLowest * i) + std::sin(220.0 * i * K) + std::sin(110.0 * i * K) +
                       std::sin(55.0 * i * K);
    op.out.set(i,
               wrap16(truncToInt(low * 6'096 + std::sin(3'440.0 * i * K) * 96 +
                                 std::sin(1'720.0 * i * K) * 196 + std::sin(880.0 * i * K) * 1'396 +
                                 std::sin(440.0 * i * K) * 2'096)));
  }
}

void synthSinPack2(const SynthInvocation& op) {
  constexpr double kSixth = 5'461.166666666666;  // 32,767 / 6 as the sounds were made with
  const int f = op.p[0];
  for (int i = 0; i < op.length; ++i) {
    const double x = static_cast<double>(i) * f;
    double sum = op.p[1] * std::sin(x * K);
    for (int m = 2; m <= 6; ++m) sum += op.p[m] * std::sin(m * x * K);
    op.out.set(i, wrap16(truncToInt(sum / 256 * kSixth)));
  }
}

void synthSSawPack(const SynthInvocation& op) {
  static constexpr double kStep[6] = {1.486077097505669, 2.972154195011338,
                                      4.458231292517007, 5.944308390022676,
                                      7.430385487528345, 8.916462585034013};  // m * T
  const std::vector<std::int32_t>& softSaw = op.store.waves.softSaw;
  const int f = op.p[0];
  auto harmonic = [&](double x, int m) {
    const int idx = truncToInt(x * kStep[m - 1]) & kTableMask;
    return wrap32(std::int64_t{softSaw[idx]} * op.p[m]) / 256.0;
  };
  for (int i = 0; i < op.length; ++i) {
    const double x = static_cast<double>(i) * f;
    double sum = harmonic(x, 1);
    for (int m = 2; m <= 6; ++m) sum += harmonic(x, m);
    op.out.set(i, wrap16(truncToInt(sum / 6)));
  }
}

void synthSinPackSlide(const SynthInvocation& op) {
  const int s = op.p[0], f = op.p[1];
  for (int i = 0; i < op.length; ++i) {
    const double fr = std::max(30.0, f - wrap32(std::int64_t{i} * (std::int64_t{s} - 128)) / 256.0);
    const double y = i * fr;
    const double yk = y * K;
    const double low = std::sin(yk / 8) + std::sin(yk / 16) + std::sin(yk / 2) + std::sin(yk / 4);
    op.out.set(i,
               wrap16(truncToInt(low * 6'096 + std::sin(yk) * 2'096 + std::sin(2 * y * K) * 1'396 +
                                 std::sin(4 * y * K) * 196 + std::sin(8 * y * K) * 96)));
  }
}

void synthBaseDrum(const SynthInvocation& op) {
  for (int i = 0; i < op.length; ++i) {
    const double u = 1 + 0.00125 * i;
    auto wave = [&](double frequency) { return 32'767 * std::sin(K * i * frequency); };
    const double w1 = wave(3'520 / (1 + i / 700.0));
    const double w2 = wave(2'640 / u);
    const double w3 = wave(1'760 / (1 + 0.0025 * i));
    const double w4 = wave(880 / u);
    const double w5 = wave(440 / (1 + i / 900.0));
    op.out.set(i, wrap16(truncToInt(((((w1 + w2) / 2 + w3) / 2 + w4) / 2 + w5) / 2)));
  }
}

}  // namespace tess
