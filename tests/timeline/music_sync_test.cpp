// Picture and music played together for ten seconds through SDL's disk driver, which takes the
// music in real time: how far the timeline's clock is from the music's position.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <iostream>
#include <memory>
#include <sstream>
#include <thread>

#include "core/clock.hpp"
#include "core/file_io.hpp"
#include "test_folder.hpp"
#include "timeline/music/music_playback.hpp"
#include "timeline/test_module.hpp"

namespace tess::testing {
namespace {

TEST(MusicSyncTest, AfterTenSecondsTheTimelineClockIsWithinAFrameOfTheMusic) {
  TestFolder folder;
  const std::filesystem::path module = folder.path() / "tune.mod";
  ASSERT_TRUE(writeFileAtomically(module, squareWaveModule(2)).ok());  // about 15 s
  ::setenv("SDL_AUDIODRIVER", "disk", 1);
  ::setenv("SDL_DISKAUDIOFILE", (folder.path() / "played.raw").c_str(), 1);
  ::unsetenv("SDL_DISKAUDIODELAY");  // real time

  std::ostringstream diagnostics;
  MusicPlayer music(diagnostics);
  auto store = std::make_unique<SceneStore>();
  auto timeline = std::make_unique<Timeline>();
  TrackerTable tracker;
  SteadyClock frames;
  PlaybackClock clock;
  const double start = frames.milliseconds();
  ASSERT_TRUE(playWithMusic(*timeline, *store, module, music, start).ok());
  clock.start(start);
  while (frames.milliseconds() - start < 10'000) {
    EvaluateTimeline(*timeline, *store, tracker, clock.at(frames.milliseconds(), &music));
    std::this_thread::sleep_for(std::chrono::milliseconds(16));
  }

  // Both clocks read while the output takes no buffer, so that they see the same music.
  double musicMs = 0, frameMs = 0, timelineMs = 0;
  for (double after = -1; after != musicMs;) {
    musicMs = music.positionSeconds() * 1000;
    frameMs = frames.milliseconds();
    timelineMs = clock.at(frameMs, &music) - start;
    after = music.positionSeconds() * 1000;
  }
  frameMs -= start;
  std::cout << "after " << frameMs << " ms of frames the music stands at " << musicMs
            << " ms; frame clock alone: " << frameMs - musicMs
            << " ms off; timeline clock taken from the music: " << timelineMs - musicMs
            << " ms off\n";
  RecordProperty("frame_clock_drift_ms", std::to_string(frameMs - musicMs));
  RecordProperty("timeline_drift_ms", std::to_string(timelineMs - musicMs));
  EXPECT_LE(std::abs(timelineMs - musicMs), 16.0);
  EXPECT_TRUE(music.playing());
  EXPECT_EQ(diagnostics.str(), "");
}

}  // namespace
}  // namespace tess::testing
