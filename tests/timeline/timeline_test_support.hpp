#pragma once

#include <memory>

#include "scene/scene_store.hpp"
#include "scene/tracker_table.hpp"
#include "timeline/playback.hpp"
#include "timeline/timeline.hpp"

namespace tess::testing {

// A project with a tracker, played frame by frame at 16 ms steps from time 0.
struct PlayedProject {
  std::unique_ptr<SceneStore> store = std::make_unique<SceneStore>();
  TrackerTable tracker;
  Timeline timeline;
  double now = 0;

  void put(int row, int command, int p1 = 0, int p2 = 0, int p3 = 0) {
    tracker.events[row] = {static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(p1),
                           static_cast<std::uint8_t>(p2), static_cast<std::uint8_t>(p3), 0};
  }
  void play(int fromRow = 0) {
    now = 0;
    startPlayback(timeline, *store, fromRow, now);
    EvaluateTimeline(timeline, *store, tracker, now);
  }
  // Frames up to and including time ms.
  void runUntil(double ms) {
    while (now + 16 <= ms) {
      now += 16;
      EvaluateTimeline(timeline, *store, tracker, now);
    }
  }
  // Frames until the first frame of row `row` (rows last 512 ms unless the speed changes).
  void runToRow(int row) {
    while (timeline.row != row) {
      now += 16;
      EvaluateTimeline(timeline, *store, tracker, now);
    }
  }
};

}  // namespace tess::testing
