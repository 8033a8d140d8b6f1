#include "audio/band_filter.hpp"

#include <algorithm>

namespace tess {

void BandFilter::reset() {
  std::fill(ring_.begin(), ring_.end(), 0);
  position_ = 0;
  sumA_ = 0;
  sumB_ = 0;
}

}  // namespace tess
