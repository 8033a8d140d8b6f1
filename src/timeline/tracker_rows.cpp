#include "timeline/tracker_rows.hpp"

#include <algorithm>
#include <cstdio>

#include "scene/pack_numbers.hpp"

namespace tess {

std::string trackerRowText(const TrackerTable& tracker, int row) {
  const TrackerEvent& event = tracker.events[row];
  const std::string name = event.command < kTrackerCommandCount
                               ? std::string(kTrackerCommandNames[event.command])
                               : std::to_string(event.command);
  char text[64];
  std::snprintf(text, sizeof text, " %04d\t%s\t%d,%d,%d,%d", row, name.c_str(), event.p1, event.p2,
                event.p3, event.p4);
  return text;
}

void insertTrackerRow(TrackerTable& tracker, int row) {
  auto& events = tracker.events;
  if (row < kTrackerRows - 1) std::copy_backward(events.begin() + row, events.end() - 1, events.end());
  events[row] = {};
}

void deleteTrackerRow(TrackerTable& tracker, int row) {
  auto& events = tracker.events;
  if (row < kTrackerRows - 1) std::copy(events.begin() + row + 1, events.end(), events.begin() + row);
}

void clearTrackerRow(TrackerTable& tracker, int row) {
  tracker.events[row] = {};
}

void stretchTracker(TrackerTable& tracker) {
  auto& events = tracker.events;
  for (int i = kTrackerRows / 2 - 1; i >= 1; --i) events[2 * i] = events[i];
  for (int i = 1; i < kTrackerRows; i += 2) events[i] = {};
}

void setTrackerParameters(TrackerTable& tracker, int row, int p1, int p2, int p3, int p4) {
  TrackerEvent& event = tracker.events[row];
  event.p1 = low8(p1);
  event.p2 = low8(p2);
  event.p3 = low8(p3);
  event.p4 = low8(p4);
}

void setTrackerEvent(TrackerTable& tracker, int row, int command, int p1, int p2, int p3, int p4) {
  tracker.events[row].command = low8(command);
  setTrackerParameters(tracker, row, p1, p2, p3, p4);
}

}  // namespace tess
