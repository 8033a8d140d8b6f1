#include "editor/texture_view_picture.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace tess {
namespace {

constexpr double kPanStep = 0.0109375;
const double kQuarterTurn = -45.0 * 3.14159265358979323846 / 180.0;

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kGrey = 0xFF808080;

// Screen row i (counted from the bottom) and column j show texture row floor(u + i * step) and
// column floor(v + j * step).
struct ViewMapping {
  double u, v, step;
};

ViewMapping viewMapping(int size, const TextureViewState& view, int width, int height) {
  return {size / 2.0 - kPanStep * std::cos(kQuarterTurn) * view.zoom * height + view.panY,
          size / 2.0 + kPanStep * std::sin(kQuarterTurn) * view.zoom * width - view.panX,
          view.zoom / 64.0};
}

}  // namespace

void drawTextureView(const std::uint8_t* stage, int size, const TextureViewState& view, int width,
                     int height, std::uint32_t* picture) {
  const auto [u, v, step] = viewMapping(size, view, width, height);
  const std::uint32_t background = view.greyBackground ? kGrey : kBlack;

  // The texture column of every screen column, or -1 outside the texture.
  std::vector<int> columns(static_cast<std::size_t>(width));
  for (int j = 0; j < width; ++j) {
    const double column = std::floor(v + j * step);
    columns[j] = column >= 0 && column < size ? static_cast<int>(column) : -1;
  }
  for (int i = 0; i < height; ++i) {
    std::uint32_t* line = picture + static_cast<std::size_t>(height - 1 - i) * width;
    const double row = std::floor(u + i * step);
    if (row < 0 || row >= size) {
      std::fill_n(line, width, background);
      continue;
    }
    const std::uint8_t* source = stage + static_cast<std::size_t>(row) * size * 4;
    for (int j = 0; j < width; ++j) {
      if (columns[j] < 0) {
        line[j] = background;
        continue;
      }
      const std::uint8_t* pixel = source + columns[j] * 4;
      line[j] = kBlack | std::uint32_t{pixel[2]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[0];
    }
  }
}

TextureCell textureCellAt(int size, const TextureViewState& view, int width, int height, int x,
                          int y) {
  const auto [u, v, step] = viewMapping(size, view, width, height);
  return {std::floor(u + (height - 1 - y) * step), std::floor(v + x * step)};
}

int fittingZoom(int size, int width, int height) {
  return static_cast<int>(std::floor(size * 1.5 * 64 / (std::min(width, height) + 1)));
}

}  // namespace tess
