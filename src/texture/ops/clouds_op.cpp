#include "texture/ops/clouds_op.hpp"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "core/msvc_random.hpp"
#include "texture/ops/colour_writes.hpp"
#include "texture/ops/parallel_rows.hpp"
#include "texture/texture_store.hpp"

namespace tess {

namespace {

// The table holds (size + 256)^2 random bytes but is addressed with rows of length size, so
// every octave's offset (at most 128) and its interpolation neighbour stay inside it.
class NoiseTable {
 public:
  NoiseTable(std::uint8_t* bytes, int size, int seed) : bytes_(bytes), size_(size) {
    MsvcRandom& random = sharedRandom();
    random.seed(static_cast<std::uint32_t>(seed));
    const std::size_t count = static_cast<std::size_t>(size + 256) * (size + 256);
    for (std::size_t i = 0; i < count; ++i) bytes_[i] = static_cast<std::uint8_t>((random.next() + 47) % 256);
  }

  int at(int column, int row) const { return bytes_[static_cast<std::ptrdiff_t>(row) * size_ + column]; }

 private:
  std::uint8_t* bytes_;
  int size_;
};

// Where one octave samples the table along one axis: the whole part and the fraction of
// (p - half) / divisor + half + layer for every pixel position p.
struct OctaveAxis {
  std::vector<int> whole;
  std::vector<double> fraction;

  OctaveAxis(int size, int layer, double divisor) : whole(size), fraction(size) {
    const int half = size / 2;
    for (int p = 0; p < size; ++p) {
      const double position = (p - half) / divisor + half + layer;
      whole[p] = static_cast<int>(position);
      fraction[p] = position - whole[p];
    }
  }
};

}  // namespace

void opClouds(const OpInvocation& op) {
  const int size = op.size;
  const int scale = op.p[0];
  const double layers = op.p[2];  // this parameter reaches the operation as floating point
  const NoiseTable table(op.store.scratch.working(), size, op.p[1] == 1 ? 255 : op.p[1]);

  // Row and column positions of each octave depend on the pixel's column or row alone.
  std::vector<int> octaveLayers;
  std::vector<OctaveAxis> octaves;
  for (int layer = 1; layer < layers; layer *= 2) {
    octaveLayers.push_back(layer);
    octaves.emplace_back(size, layer, std::max(layer * scale / layers, 1.0));
  }

  forRowRanges(size, size, [&](int firstRow, int endRow) {
    std::vector<double> sums(size);
    for (int y = firstRow; y < endRow; ++y) {
      std::fill(sums.begin(), sums.end(), 0.0);
      for (std::size_t k = 0; k < octaves.size(); ++k) {
        const OctaveAxis& axis = octaves[k];
        const int iy = axis.whole[y];
        const double fy = axis.fraction[y];
        const int weight = octaveLayers[k] + 2;
        for (int x = 0; x < size; ++x) {
          // Bilinear value; each row interpolation truncates and wraps to a byte first.
          const int ix = axis.whole[x];
          const double fx = axis.fraction[x];
          const int top =
              static_cast<int>(table.at(ix, iy) * (1 - fx) + table.at(ix + 1, iy) * fx) % 256;
          const int bottom =
              static_cast<int>(table.at(ix, iy + 1) * (1 - fx) + table.at(ix + 1, iy + 1) * fx) %
              256;
          const int value = static_cast<int>(top * (1 - fy) + bottom * fy);
          sums[x] += value * weight / layers;
        }
      }
      for (int x = 0; x < size; ++x)
        setGrey(pixelAt(op.out, size, y, x),
                static_cast<std::uint8_t>(std::min(static_cast<int>(sums[x]), 255)));
    }
  });
}

}  // namespace tess
