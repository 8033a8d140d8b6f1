#include "texture/ops/radial_blur.hpp"

#include <array>
#include <cstring>

#include "texture/ops/pixel.hpp"
#include "texture/stage_area.hpp"
#include "texture/texture_store.hpp"

namespace tess {

void opRadialBlur(const OpInvocation& op) {
  const int size = op.size;
  const int centre = size / 2;
  const double f = (255 - op.p[1]) / 255.0;
  // Source column of column j (and source row of row i): c + (j - c) f, truncated.
  std::array<int, 1024> source{};
  for (int j = 0; j < size; ++j) source[j] = static_cast<int>(centre + (j - centre) * f);

  const std::size_t imageBytes = StageArea::stageBytes(size);
  std::uint8_t* copy = op.store.scratch.working();
  // The pixel below the last row (and right of the last pixel) of the copy reads this zero row.
  std::memset(copy + imageBytes, 0, static_cast<std::size_t>(size) * 4);
  const std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(size) * 4;

  for (int iteration = 0; iteration < op.p[0]; ++iteration) {
    std::memcpy(copy, op.out, imageBytes);
    for (int i = 0; i < size; ++i) {
      const int sr = source[i];
      if (sr <= 0 || sr >= size) continue;
      for (int j = 0; j < size; ++j) {
        const int sc = source[j];
        if (sc <= 0 || sc >= size) continue;
        // The source pixel of out may already hold this iteration's value.
        const std::uint8_t* centrePixel = pixelAt(op.out, size, sr, sc);
        const std::uint8_t* around = pixelAt(copy, size, sr, sc);
        std::uint8_t* target = pixelAt(op.out, size, i, j);
        for (int c = kBlue; c <= kRed; ++c) {
          const int sum = 4 * centrePixel[c] + around[c - rowBytes] + around[c + rowBytes] +
                          around[c - 4] + around[c + 4];
          target[c] = static_cast<std::uint8_t>(sum / 8);
        }
      }
    }
  }
}

}  // namespace tess
