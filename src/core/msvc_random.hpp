#pragma once

#include <cstdint>

namespace tess {

// srand() and rand() as the Microsoft C runtime computes them: srand(s) sets the state, rand()
// steps state = state * 214013 + 2531011 (mod 2^32) and returns bits 16..30. Textures and sounds
// that draw random numbers reseed it first, so they regenerate identically on every platform.
class MsvcRandom {
 public:
  static constexpr int kMax = 0x7FFF;

  void seed(std::uint32_t seed) { state_ = seed; }
  int next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

 private:
  std::uint32_t state_ = 1;
};

// The generator that every texture operation and the synthesiser's noise table share (one per
// thread; every user reseeds it first, so what another thread drew never shows).
MsvcRandom& sharedRandom();

}  // namespace tess
