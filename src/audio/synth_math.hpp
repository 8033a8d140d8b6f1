#pragma once

// The arithmetic every synthesis operation shares. Sounds must regenerate bit for bit on every
// build, so the conversions follow 32-bit x86 arithmetic: integer products wrap at 32 bits,
// float-to-integer conversion truncates toward zero (and gives INT_MIN when the value does not
// fit), and a stored sample keeps the low 16 bits.

#include <algorithm>
#include <climits>
#include <cstdint>

namespace tess::synth {

inline constexpr double kRadiansPerHertzSample = 0.00014240362811791384;  // 6.28 / 44,100
inline constexpr double kTablePerHertzSample = 1.486077097505669;         // 65,536 / 44,100
inline constexpr double kRadiansPerDegree = 0.017444444444444446;         // 3.14 / 180
inline constexpr double kSweepRadians = 0.09817246875;                    // 3.141519 / 32
inline constexpr int kTableMask = 0xFFFF;
inline constexpr int kLoudest = 32'767;

// An int32 result of integer arithmetic done in 64 bits: two's-complement wrap.
inline int wrap32(std::int64_t value) {
  return static_cast<std::int32_t>(value);
}

// Truncation toward zero; out of range or NaN gives INT_MIN, as the processor's conversion does.
inline int truncToInt(double value) {
  if (!(value > -2147483649.0 && value < 2147483648.0)) return INT_MIN;
  return static_cast<int>(value);
}

// What a stage keeps of a value: its low 16 bits.
inline std::int16_t wrap16(int value) {
  return static_cast<std::int16_t>(value);
}

// Limits to -32,767..32,767 (not -32,768). NaN passes through. Written as min and max so that it
// compiles without branches, which loud signals would keep mispredicting.
inline double clampSample(double value) {
  return std::max(std::min(value, double{kLoudest}), double{-kLoudest});
}
inline int clampSample(int value) {
  return value > kLoudest ? kLoudest : (value < -kLoudest ? -kLoudest : value);
}

// Reflects once at each limit: above 32,767 becomes 65,534 - x, then below -32,767 becomes
// -65,534 - x.
template <typename Number>
Number fold(Number value) {
  if (value > kLoudest) value = 2 * kLoudest - value;
  if (value < -kLoudest) value = -2 * kLoudest - value;
  return value;
}

}  // namespace tess::synth
