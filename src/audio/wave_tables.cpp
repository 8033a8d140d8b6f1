#include "audio/wave_tables.hpp"

#include <algorithm>
#include <cmath>

#include "audio/synth_math.hpp"
#include "core/msvc_random.hpp"

namespace tess {

void buildWaveTables(WaveTables& tables) {
  constexpr int kHalf = 32'767;
  constexpr double kSoftSawStep = 4.791259765625001e-05;  // 3.14 / 65,536
  MsvcRandom& random = sharedRandom();
  random.seed(0);
  for (int i = 0; i < WaveTables::kSize; ++i) {
    const int r = random.next();
    tables.square[i] = i <= kHalf ? kHalf : -kHalf;
    tables.triangle[i] = i <= kHalf ? -kHalf + 2 * i : 98'301 - 2 * i;  // ends at -32,769
    tables.saw[i] = kHalf - i;
    tables.softSaw[i] =
        synth::truncToInt(std::min<double>(kHalf - i, kHalf * std::cos(i * kSoftSawStep)));
    tables.noise[i] = (r % kHalf) * 2 - 32'768;
  }
}

}  // namespace tess
