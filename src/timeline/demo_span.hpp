#pragma once

// How long a demo plays, and which frames of a rendering at a fixed frame rate fall into a
// stretch of it. Frame k of a rendering at fps frames a second shows the timeline at exactly
// k * 1000 / fps milliseconds from row 0, so no rounding accumulates over a long export.

#include <cstdint>

#include "scene/tracker_table.hpp"

namespace tess {

// Milliseconds from row 0 until the last non-empty row has played its whole row time (speed x 64
// ms, with the speed each "SetSpd" on the way sets, its own row included); 0 for an empty table.
// Rows at speed 0 pass one a frame without moving the row clock, so they add no time.
double timelineLength(const TrackerTable& tracker);

struct FrameSpan {
  int fps = 60;
  std::int64_t first = 0;  // the first frame shown
  std::int64_t end = 0;    // one past the last

  std::int64_t count() const { return end - first; }
  // The timeline time of frame k, in milliseconds.
  double timeOf(std::int64_t frame) const { return static_cast<double>(frame) * 1000.0 / fps; }
};

// The frames whose time lies in [from, to) milliseconds.
FrameSpan framesBetween(double from, double to, int fps);

// The sound samples at `rate` that belong with frames [first, end) of a rendering at fps: from
// sampleAt(first) up to sampleAt(end), so consecutive frames share no sample and miss none.
inline std::int64_t sampleAt(std::int64_t frame, int fps, int rate) {
  return frame * rate / fps;
}

}  // namespace tess
