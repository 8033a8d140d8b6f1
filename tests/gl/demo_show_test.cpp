// A show played again after it ran (the player's --loop) repeats its first run exactly.
#include "demo/demo_show.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/gl/headless_context.hpp"

namespace tess {
namespace {

const std::filesystem::path kDemo = std::filesystem::path(TESS_SOURCE_DIR) / "data/examples/demo.tsc";

TEST(DemoShow, PlayedAgainAfterRewindingItShowsTheSameFrames) {
  std::string error;
  const auto context = gl::HeadlessContext::create(error);
  if (!context) GTEST_SKIP() << "no headless OpenGL: " << error;
  const auto device = gl::CreateRenderDevice(64, 48, error);
  ASSERT_TRUE(device) << error;
  std::ostringstream notices;
  Status opened;
  const auto show = DemoShow::open(kDemo, *device, notices, false, opened);
  ASSERT_TRUE(show) << opened.message;
  EXPECT_GT(show->length(0), 10'000);

  // Frames every 40 ms up to `until`; the picture of the last.
  auto playUntil = [&](double until) {
    show->start();
    for (double now = 0; now <= until; now += 40) show->advanceTo(now);
    show->drawFrame(until);
    return device->readBackBuffer();
  };
  const std::vector<std::uint8_t> first = playUntil(2000);
  playUntil(show->length(0));  // to the end: speed, camera and slides as the show leaves them
  show->rewind();
  EXPECT_EQ(playUntil(2000), first);
}

}  // namespace
}  // namespace tess
