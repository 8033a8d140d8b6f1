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

  class Pass;

  // Clears the ring, the position and both sums.
  void reset();

  // Window lengths, read at every step.
  void setWindows(int a, int b) {
    a_ = a;
    b_ = b;
  }

  int step(int x);

  // Clears the filter and lends its ring to a caller that runs several filters over one signal at
  // once (Eq); the filter must be reset before it steps again.
  std::int32_t* clearedRing() {
    reset();
    return ring_.data();
  }

 private:
  std::vector<std::int32_t> ring_ = std::vector<std::int32_t>(kRingSize);
  int position_ = 0;
  int a_ = 0;
  int b_ = 0;
  std::int32_t sumA_ = 0;
  std::int32_t sumB_ = 0;
};

// A run of steps over a signal with the filter's state held in local variables, so that a loop
// keeps it in registers (ring writes could otherwise overwrite it, for all the compiler knows).
// The state goes back to the filter when the pass ends.
class BandFilter::Pass {
 public:
  explicit Pass(BandFilter& filter)
      : filter_(filter),
        ring_(filter.ring_.data()),
        position_(filter.position_),
        a_(filter.a_),
        b_(filter.b_),
        sumA_(filter.sumA_),
        sumB_(filter.sumB_) {}
  ~Pass() {
    filter_.position_ = position_;
    filter_.setWindows(a_, b_);
    filter_.sumA_ = sumA_;
    filter_.sumB_ = sumB_;
  }
  Pass(const Pass&) = delete;
  Pass& operator=(const Pass&) = delete;

  void setWindows(int a, int b) {
    a_ = a;
    b_ = b;
  }

  int step(int x) {
    position_ = position_ == 0 ? kRingSize - 1 : position_ - 1;
    ring_[position_] = x;
    sumA_ = synth::wrap32(std::int64_t{sumA_} + x - ring_[ringIndex(a_)]);
    sumB_ = synth::wrap32(std::int64_t{sumB_} + x - ring_[ringIndex(b_)]);
    return synth::truncToInt(sumA_ / (a_ + 1.0) - sumB_ / (b_ + 1.0));
  }

 private:
  // (position + window) mod the ring size, also for windows beyond the ring or below 0.
  unsigned ringIndex(int window) const {
    return (static_cast<unsigned>(position_) + static_cast<unsigned>(window)) & (kRingSize - 1);
  }

  BandFilter& filter_;
  std::int32_t* ring_;
  int position_;
  int a_;
  int b_;
  std::int32_t sumA_;
  std::int32_t sumB_;
};

inline int BandFilter::step(int x) {
  return Pass(*this).step(x);
}

}  // namespace tess
