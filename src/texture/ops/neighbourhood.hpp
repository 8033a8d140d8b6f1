#pragma once

// The 3 x 3 neighbourhood walk shared by the neighbourhood filters.

#include <algorithm>
#include <cstdint>

#include "texture/op_dispatch.hpp"
#include "texture/ops/parallel_rows.hpp"
#include "texture/ops/pixel.hpp"

namespace tess {

// One channel's nine values around a pixel of prev. "Up" is the row before (row - 1); rows and
// columns outside the image repeat the nearest edge.
struct Neighbourhood {
  int ul, u, ur;
  int l, c, r;
  int dl, d, dr;
};

// Writes combine(neighbourhood) into blue, green and red of every pixel of out (combine returns
// 0..255) and copies prev's alpha, so out need not start as a copy of prev.
template <typename Combine>
void filterNeighbourhoods(const OpInvocation& op, Combine combine) {
  const int size = op.size;
  forEachRow(size, [&](int row) {
    const std::uint8_t* above = pixelAt(op.prev, size, std::max(row - 1, 0), 0);
    const std::uint8_t* here = pixelAt(op.prev, size, row, 0);
    const std::uint8_t* below = pixelAt(op.prev, size, std::min(row + 1, size - 1), 0);
    std::uint8_t* target = pixelAt(op.out, size, row, 0);
    for (int column = 0; column < size; ++column) {
      const int left = std::max(column - 1, 0) * 4;
      const int middle = column * 4;
      const int right = std::min(column + 1, size - 1) * 4;
      for (int c = kBlue; c <= kRed; ++c) {
        const Neighbourhood n{above[left + c], above[middle + c], above[right + c],
                              here[left + c],  here[middle + c],  here[right + c],
                              below[left + c], below[middle + c], below[right + c]};
        target[middle + c] = static_cast<std::uint8_t>(combine(n));
      }
      target[middle + kAlpha] = here[middle + kAlpha];
    }
  });
}

}  // namespace tess
