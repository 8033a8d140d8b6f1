#include "cli/timeline_command.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "cli/arguments.hpp"
#include "cli_test_support.hpp"
#include "scene/pack_files.hpp"
#include "timeline/timeline.hpp"
#include "test_folder.hpp"

namespace tess::cli {
namespace {

namespace fs = std::filesystem;

CliRun runTimeline(const std::vector<std::string>& args) { return runCli(runTimelineCommand, args); }

TEST(TimelineCommandTest, PrintsThePlaybackStateAfterTheLastFrame) {
  // The example switches to camera 1 at row 8 and to scene 1 at row 16.
  CliRun run = runTimeline({kExamplePack, "--at", "4095"});
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_EQ(run.out.rfind("{\"row\":7,\"currentScene\":0,\"currentCamera\":0,\"speed\":8,", 0), 0u)
      << run.out;
  run = runTimeline({kExamplePack, "--at", "8200", "--step", "4096"});
  EXPECT_EQ(run.out.rfind("{\"row\":2,", 0), 0u) << run.out;  // one row a frame at most
  run = runTimeline({kExamplePack, "--at", "8192"});
  EXPECT_EQ(run.out.rfind("{\"row\":16,\"currentScene\":1,\"currentCamera\":1,", 0), 0u) << run.out;
}

TEST(TimelineCommandTest, CameraSlideOfASavedPack) {
  TestFolder folder;
  auto scenes = std::make_unique<SceneStore>();
  auto textures = std::make_unique<TextureStore>();
  TrackerTable tracker;
  UndoSnapshots undo;
  Project project{*scenes, *textures, tracker, undo};
  scenes->cameras[1].eyeX = 64;
  tracker.events[0] = {trackcmd::SldCam, 0, 0, 0, 0};
  tracker.events[2] = {trackcmd::SldCam, 1, 0, 0, 0};
  const fs::path pack = folder.path() / "slide.tsc";
  ASSERT_TRUE(savePack(project, pack).ok());
  CliRun run = runTimeline({pack, "--at", "512"});
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_EQ(run.out,
            "{\"row\":1,\"currentScene\":0,\"currentCamera\":0,\"speed\":8,\"liveCamera\":{"
            "\"targetX\":0,\"targetY\":0,\"targetZ\":0,\"eyeX\":32,\"eyeY\":0,\"eyeZ\":100,"
            "\"roll\":0,\"zoom\":1}}\n");
}

TEST(TimelineCommandTest, UsageAndBadInput) {
  EXPECT_EQ(runTimeline({kExamplePack}).status, kExitUsage);
  EXPECT_EQ(runTimeline({kExamplePack, "--at", "-1"}).status, kExitUsage);
  EXPECT_EQ(runTimeline({kExamplePack, "--at", "10", "--step", "0"}).status, kExitUsage);
  CliRun run = runTimeline({"no-such.tsc", "--at", "10"});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_NE(run.err.find("no-such.tsc"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace tess::cli
