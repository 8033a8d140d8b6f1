#pragma once

// Row-parallel loops for the operations whose output rows depend only on data that no row of
// the same loop writes. Every row is handled by exactly one call and nothing is accumulated
// across rows, so the bytes are the same on any number of threads.

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tess {

// Below this many pixels a chunk is not worth a task of its own.
inline constexpr int kMinPixelsPerTask = 16384;

// Calls rows(first, end) over disjoint ranges that together cover 0..count-1.
template <typename Rows>
void forRowRanges(int count, int pixelsPerRow, Rows rows) {
  const int grain = std::max(1, kMinPixelsPerTask / std::max(pixelsPerRow, 1));
  if (count <= grain) {
    rows(0, count);
    return;
  }
  tbb::parallel_for(
      tbb::blocked_range<int>(0, count, grain),
      [&](const tbb::blocked_range<int>& range) { rows(range.begin(), range.end()); });
}

// Calls change(pixel) once for every pixel of a size x size image (four bytes each).
template <typename PixelChange>
void forEachPixelInRows(std::uint8_t* image, int size, PixelChange change) {
  forRowRanges(size, size, [&](int first, int end) {
    std::uint8_t* const stop = image + static_cast<std::ptrdiff_t>(end) * size * 4;
    for (std::uint8_t* pixel = image + static_cast<std::ptrdiff_t>(first) * size * 4; pixel != stop;
         pixel += 4)
      change(pixel);
  });
}

// Calls row(r) once for every row r of a size x size image.
template <typename Row>
void forEachRow(int size, Row row) {
  forRowRanges(size, size, [&](int first, int end) {
    for (int r = first; r < end; ++r) row(r);
  });
}

}  // namespace tess
