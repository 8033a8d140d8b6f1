#include "timeline/demo_span.hpp"

#include <gtest/gtest.h>

#include "timeline/timeline.hpp"

namespace tess {
namespace {

TrackerEvent event(int command, int p1 = 0) {
  return {static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(p1), 0, 0, 0};
}

TEST(DemoSpan, TheShowEndsWhenTheLastNonEmptyRowHasPlayed) {
  TrackerTable tracker;
  EXPECT_EQ(timelineLength(tracker), 0);
  tracker.events[3] = event(trackcmd::SetCam, 1);
  EXPECT_EQ(timelineLength(tracker), 4 * 512);  // rows 0..3 at speed 8
  // "SetSpd" already times its own row; empty rows after it keep that speed.
  tracker.events[1] = event(trackcmd::SetSpd, 4);
  EXPECT_EQ(timelineLength(tracker), 512 + 3 * 256);
  // Rows at speed 0 pass one a frame without moving the row clock.
  tracker.events[2] = event(trackcmd::SetSpd, 0);
  EXPECT_EQ(timelineLength(tracker), 512 + 256);
  tracker.events[999] = event(trackcmd::SetScn, 0);
  EXPECT_EQ(timelineLength(tracker), 512 + 256);
  tracker.events[2] = event(trackcmd::SetSpd, 1);
  EXPECT_EQ(timelineLength(tracker), 512 + 256 + 998 * 64);
}

TEST(DemoSpan, FramesFallOnExactMultiplesOfTheFramePeriod) {
  const FrameSpan twoSeconds = framesBetween(0, 2000, 25);
  EXPECT_EQ(twoSeconds.first, 0);
  EXPECT_EQ(twoSeconds.count(), 50);
  EXPECT_EQ(twoSeconds.timeOf(25), 1000);

  // At 60 fps a frame lasts 16 2/3 ms: frame 60 is exactly one second, with nothing lost.
  const FrameSpan second = framesBetween(1000, 2000, 60);
  EXPECT_EQ(second.first, 60);
  EXPECT_EQ(second.end, 120);
  EXPECT_EQ(second.timeOf(60), 1000);
  EXPECT_EQ(framesBetween(0, 1000.5, 60).count(), 61);  // frame 60 at 1000 ms is before 1000.5
  EXPECT_EQ(framesBetween(17, 33, 60).count(), 0);      // between frames 1 and 2
  EXPECT_EQ(framesBetween(5000, 4000, 60).count(), 0);
  // 10 hours at 240 fps: still exact.
  const FrameSpan longShow = framesBetween(0, 36'000'000, 240);
  EXPECT_EQ(longShow.count(), 8'640'000);
  EXPECT_EQ(longShow.timeOf(longShow.end), 36'000'000);
}

TEST(DemoSpan, SoundOfConsecutiveFramesNeitherOverlapsNorLeavesGaps) {
  // At 60 fps a frame is 800 samples at 48 kHz; at 7 fps the shares differ by one.
  for (int fps : {7, 25, 60, 240}) {
    std::int64_t total = 0;
    for (std::int64_t k = 0; k < fps; ++k) {
      const std::int64_t share = sampleAt(k + 1, fps, 48000) - sampleAt(k, fps, 48000);
      EXPECT_NEAR(static_cast<double>(share), 48000.0 / fps, 1.0);
      total += share;
    }
    EXPECT_EQ(total, 48000) << fps;
  }
}

}  // namespace
}  // namespace tess
