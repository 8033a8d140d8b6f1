#pragma once

// The flood fill behind SolidFill. Depth-first from the seed, visiting left, up (row - 1), down
// (row + 1), right. A run paints at most kRunLength accepted pixels; further accepted positions
// go to a pending list, and each pending position later starts a run of its own, in the order
// the list received them. The recursion is an explicit stack of at most kRunLength + 1 frames.
//
// A position is appended to the pending list at most once (the mask marks it as pending), so the
// list never holds more than size * size positions. A pending position may still be painted by a
// run that reaches it first; its entry then starts no run. This gives the same order as appending
// duplicates would, since a later duplicate always finds its pixel painted.

#include <array>
#include <cstdint>

namespace tess {

struct FloodFillArea {
  int size;                // edge length S
  std::uint8_t* mask;      // S * S bytes, all 0 on entry
  std::uint32_t* pending;  // room for S * S positions
};

struct FloodFillStats {
  int painted = 0;     // pixels painted, the seed included
  int maxDepth = 0;    // deepest stack of painted pixels whose neighbours were being visited
  int maxPending = 0;  // length the pending list reached
};

inline constexpr int kFloodRunLength = 99;

// accept(position) says whether an unpainted position belongs to the fill; paint(position)
// paints it. Positions are row * S + column.
template <typename Accept, typename Paint>
FloodFillStats boundedFloodFill(const FloodFillArea& area, int seedRow, int seedColumn,
                                Accept accept, Paint paint) {
  enum : std::uint8_t { kUnseen = 0, kPainted = 1, kPending = 2 };
  struct Frame {
    int row, column, nextNeighbour;
  };
  constexpr int kRowStep[4] = {0, -1, 1, 0};  // left, up, down, right
  constexpr int kColumnStep[4] = {-1, 0, 0, 1};

  const int size = area.size;
  FloodFillStats stats;
  std::array<Frame, kFloodRunLength + 1> stack;
  int depth = 0;
  int accepted = 0;  // accepted pixels painted in the current run
  int pendingCount = 0;

  auto paintAndEnter = [&](int row, int column) {
    const std::uint32_t position = static_cast<std::uint32_t>(row * size + column);
    area.mask[position] = kPainted;
    paint(position);
    ++stats.painted;
    stack[depth++] = Frame{row, column, 0};
    if (depth > stats.maxDepth) stats.maxDepth = depth;
  };
  auto visit = [&](int row, int column) {
    if (row < 0 || row >= size || column < 0 || column >= size) return;
    const std::uint32_t position = static_cast<std::uint32_t>(row * size + column);
    if (area.mask[position] == kPainted || !accept(position)) return;
    if (accepted < kFloodRunLength) {
      ++accepted;
      paintAndEnter(row, column);
    } else if (area.mask[position] != kPending) {
      area.mask[position] = kPending;
      area.pending[pendingCount++] = position;
      if (pendingCount > stats.maxPending) stats.maxPending = pendingCount;
    }
  };
  auto runToCompletion = [&] {
    while (depth > 0) {
      Frame& frame = stack[depth - 1];
      if (frame.nextNeighbour == 4) {
        --depth;
        continue;
      }
      const int k = frame.nextNeighbour++;
      visit(frame.row + kRowStep[k], frame.column + kColumnStep[k]);
    }
  };

  paintAndEnter(seedRow, seedColumn);  // the seed is painted whatever it holds
  runToCompletion();
  for (int next = 0; next < pendingCount; ++next) {
    const std::uint32_t position = area.pending[next];
    if (area.mask[position] == kPainted) continue;
    accepted = 0;
    visit(static_cast<int>(position) / size, static_cast<int>(position) % size);
    runToCompletion();
  }
  return stats;
}

}  // namespace tess
