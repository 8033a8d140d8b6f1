#pragma once

#include <cstdint>
#include <vector>

namespace tess {

// One period of each oscillator waveform in 65,536 steps, so that a position wraps with a 16-bit
// mask.
struct WaveTables {
  static constexpr int kSize = 65'536;

  std::vector<std::int32_t> square = std::vector<std::int32_t>(kSize);
  std::vector<std::int32_t> triangle = std::vector<std::int32_t>(kSize);
  std::vector<std::int32_t> saw = std::vector<std::int32_t>(kSize);
  std::vector<std::int32_t> softSaw = std::vector<std::int32_t>(kSize);
  std::vector<std::int32_t> noise = std::vector<std::int32_t>(kSize);
};

// Fills the five tables. The noise table is the first 65,536 draws of the shared generator after
// seeding it with 0, so it is the same in every run and on every platform.
void buildWaveTables(WaveTables& tables);

}  // namespace tess
