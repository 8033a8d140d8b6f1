#pragma once

#include <cstdint>

#include "audio/stage_store.hpp"

namespace tess {

// Which part of a stage the waveform view shows: the first sample of column 0, and samples per
// column x 256.
struct WaveformWindow {
  int scroll = 0;
  int zoom = 256;
};

inline constexpr int kScrollSliderMaximum = 255;
inline constexpr int kZoomSliderMaximum = 160;

// The view's window from its two sliders: zoom = position x 128 + 256 (1 to 81 samples a column),
// scroll = position x 44,100 / width.
WaveformWindow waveformWindow(int scrollPosition, int zoomPosition, int width);

// Fills a width x height picture (row 0 at the top, 0xAARRGGBB words as a 32-bit Qt image holds
// them) with a stage of `length` samples as blue bars on black. Rows are counted from the bottom;
// with half = height / 2, column x shows sample pos = scroll + x * zoom / 256 (none beyond
// length) as a bar of h - 1 pixels rising from row half, or |h| - 1 pixels falling from it when
// negative, where h = value * half / 32,768.
void drawWaveform(ConstStageView stage, int length, WaveformWindow window, int width, int height,
                  std::uint32_t* picture);

}  // namespace tess
