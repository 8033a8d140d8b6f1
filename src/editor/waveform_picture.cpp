#include "editor/waveform_picture.hpp"

#include <algorithm>

#include "audio/sample_types.hpp"

namespace tess {

namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kBlue = 0xFF0000FFu;

}  // namespace

WaveformWindow waveformWindow(int scrollPosition, int zoomPosition, int width) {
  return {width > 0 ? scrollPosition * kSampleRate / width : 0, zoomPosition * 128 + 256};
}

void drawWaveform(ConstStageView stage, int length, WaveformWindow window, int width, int height,
                  std::uint32_t* picture) {
  std::fill_n(picture, static_cast<std::ptrdiff_t>(width) * height, kBlack);
  const int half = height / 2;
  // Row r counted from the bottom of the 2 * half rows is picture row 2 * half - 1 - r; an odd
  // height leaves the extra bottom row black.
  auto setRows = [&](int x, int from, int to) {  // rows from..to counted from the bottom
    for (int r = from; r <= to; ++r)
      picture[static_cast<std::ptrdiff_t>(2 * half - 1 - r) * width + x] = kBlue;
  };
  for (int x = 0; x < width; ++x) {
    const std::int64_t pos = window.scroll + std::int64_t{x} * window.zoom / 256;
    if (pos > length) continue;
    const std::int64_t value = stage[pos];
    const int h = static_cast<std::int16_t>(value * half / 32'768);
    if (h > 0) setRows(x, half, std::min(half + h - 2, 2 * half - 1));
    if (h < 0) setRows(x, std::max(half + h + 2, 0), half);
  }
}

}  // namespace tess
