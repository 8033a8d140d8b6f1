#pragma once

#include <cstdint>
#include <vector>

#include "audio/synth_math.hpp"

namespace tess {

// The difference of two moving averages over the last A + 1 and B + 1 inputs: a band-pass whose
// band lies roughly between 44,100 / B and 44,100 / A hertz. Eq runs one per band; Pluck moves
// the windows while it runs.
class BandFilter {
 public:
  static constexpr int kRingSize = 16'384;

  // Clears the ring, the position and both sums.
  void reset();

  // Window lengths, read at every step.
  void setWindows(int a, int b) {
    a_ = a;
    b_ = b;
  }

  int step(int x) {
    position_ = position_ == 0 ? kRingSize - 1 : position_ - 1;
    ring_[position_] = x;
    sumA_ = synth::wrap32(std::int64_t{sumA_} + x - ring_[ringIndex(a_)]);
    sumB_ = synth::wrap32(std::int64_t{sumB_} + x - ring_[ringIndex(b_)]);
    return result();
  }

 private:
  // (position + window) mod the ring size, also for windows beyond the ring or below 0.
  unsigned ringIndex(int window) const {
    return (static_cast<unsigned>(position_) + static_cast<unsigned>(window)) & (kRingSize - 1);
  }
  int result() const;

  std::vector<std::int32_t> ring_ = std::vector<std::int32_t>(kRingSize);
  int position_ = 0;
  int a_ = 0;
  int b_ = 0;
  std::int32_t sumA_ = 0;
  std::int32_t sumB_ = 0;
};

}  // namespace tess
