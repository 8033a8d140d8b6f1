#include "audio/band_filter.hpp"

#include <algorithm>

#include "audio/synth_math.hpp"

namespace tess {

void BandFilter::reset() {
  std::fill(ring_.begin(), ring_.end(), 0);
  position_ = 0;
  sumA_ = 0;
  sumB_ = 0;
}

int BandFilter::result() const {
  return synth::truncToInt(static_cast<double>(sumA_) / (a_ + 1.0) -
                           static_cast<double>(sumB_) / (b_ + 1.0));
}

}  // namespace tess
