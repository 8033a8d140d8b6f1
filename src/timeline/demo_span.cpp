#include "timeline/demo_span.hpp"

#include <algorithm>
#include <cmath>

#include "timeline/timeline.hpp"

namespace tess {

double timelineLength(const TrackerTable& tracker) {
  int last = -1;
  for (int row = 0; row < kTrackerRows; ++row)
    if (!tracker.events[row].empty()) last = row;
  double length = 0;
  std::int32_t speed = kInitialSpeed;
  for (int row = 0; row <= last; ++row) {
    const TrackerEvent& event = tracker.events[row];
    if (event.command == trackcmd::SetSpd) speed = event.p1;
    length += speed * 64.0;
  }
  return length;
}

FrameSpan framesBetween(double from, double to, int fps) {
  // Frame k is in the span when from <= k * 1000 / fps < to.
  auto firstAtOrAfter = [fps](double ms) {
    auto k = static_cast<std::int64_t>(std::ceil(ms * fps / 1000.0));
    while (k > 0 && static_cast<double>(k - 1) * 1000.0 / fps >= ms) --k;
    while (static_cast<double>(k) * 1000.0 / fps < ms) ++k;
    return k;
  };
  FrameSpan span;
  span.fps = fps;
  span.first = firstAtOrAfter(from);
  span.end = std::max(span.first, firstAtOrAfter(to));
  return span;
}

}  // namespace tess
