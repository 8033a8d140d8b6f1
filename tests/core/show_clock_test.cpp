// The small pieces a show is paced with: the pausable frame clock, the progress line and the
// "WxH" size text.
#include <gtest/gtest.h>

#include <sstream>

#include "core/clock.hpp"
#include "core/frame_size.hpp"
#include "core/progress_line.hpp"

namespace tess {
namespace {

TEST(PausableClock, StandsStillWhilePausedAndResumesWhereItStopped) {
  ManualClock source;
  source.advance(1000);
  PausableClock clock(source);
  source.advance(40);
  EXPECT_EQ(clock.milliseconds(), 1040);
  clock.setPaused(true);
  clock.setPaused(true);  // a second pause changes nothing
  source.advance(5000);
  EXPECT_EQ(clock.milliseconds(), 1040);
  clock.setPaused(false);
  source.advance(10);
  EXPECT_EQ(clock.milliseconds(), 1050);
  clock.setPaused(true);
  source.advance(7);
  clock.setPaused(false);
  EXPECT_EQ(clock.milliseconds(), 1050);
}

TEST(ProgressLine, StaysQuietForShortWorkThenUpdatesAtMostOncePerInterval) {
  ManualClock clock;
  std::ostringstream out;
  int built = 0;
  ProgressLine line(out, false, clock, 500, 250);
  auto update = [&] { line.update([&] { return "step " + std::to_string(++built); }); };
  update();
  clock.advance(499);
  update();
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(built, 0);  // the text is not even built
  clock.advance(1);
  update();
  clock.advance(249);
  update();
  clock.advance(1);
  update();
  line.conclude([&] { return "step " + std::to_string(built); });  // already shown
  EXPECT_EQ(out.str(), "step 1\nstep 2\n");
}

TEST(ProgressLine, RewritesOneLineOnATerminal) {
  ManualClock clock;
  std::ostringstream out;
  ProgressLine line(out, true, clock, 0, 0);
  line.update([] { return std::string("long text"); });
  line.update([] { return std::string("short"); });
  line.conclude([] { return std::string("done"); });
  EXPECT_EQ(out.str(), "\rlong text\rshort    \rdone \n");
  std::ostringstream quiet;
  ProgressLine unused(quiet, true, clock, 100, 1000);
  unused.conclude([] { return std::string("done"); });  // nothing was shown: nothing to end
  EXPECT_EQ(quiet.str(), "");
}

TEST(FrameSize, ReadsWidthByHeightWithinTheLimits) {
  const auto size = parseFrameSize("1280x720", 16, 8192);
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 1280);
  EXPECT_EQ(size->height, 720);
  EXPECT_TRUE(parseFrameSize("16x8192", 16, 8192));
  for (const char* bad : {"15x100", "100x8193", "640", "x480", "640x", "640x480x2", "-640x480",
                          " 640x480", "640X480", "6.5x4", ""})
    EXPECT_FALSE(parseFrameSize(bad, 16, 8192)) << bad;
}

}  // namespace
}  // namespace tess
