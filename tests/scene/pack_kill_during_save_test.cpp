#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "scene/pack_files.hpp"
#include "scene_test_support.hpp"
#include "test_folder.hpp"

namespace tess::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Every scene with many objects with long modifier lists: a pack of megabytes, so that a
// save takes long enough to be killed in the middle.
void fillLargeProject(TestProject& p) {
  p.scenes->sceneCount = 64;
  for (int s = 0; s < 64; ++s) {
    Scene& scene = p.scene(s);
    scene.objectCount = 20;
    for (int i = 0; i < 20; ++i) {
      scene.objects[i].posX = static_cast<std::int16_t>(s * 100 + i);
      scene.modifiers[i].count = 64;
      for (int k = 0; k < 64; ++k)
        scene.modifiers[i].entries[k] = modifier(s, i, k, -k, 1000 + k, k % 63);
    }
  }
}

// Saves project to target in a child process and kills the child after delay; returns whether
// the child was still running (so the kill landed during the save).
bool saveInChildAndKill(TestProject& project, const fs::path& target,
                        std::chrono::microseconds delay) {
  const pid_t child = ::fork();
  if (child == 0) _exit(savePack(project.project, target).ok() ? 0 : 1);
  std::this_thread::sleep_for(delay);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFSIGNALED(status);
}

TEST(PackSaving, AKilledSaveLeavesTheOldOrTheNewProject) {
  TestFolder folder;
  const fs::path target = folder.path() / "project.tsc";
  TestProject old;
  fillSampleProject(old);
  ASSERT_TRUE(savePack(old.project, target).ok());
  std::string oldBytes;
  ASSERT_TRUE(readWholeFile(target, oldBytes).ok());

  TestProject large;
  fillLargeProject(large);
  const fs::path reference = folder.path() / "reference.tsc";
  const Clock::time_point start = Clock::now();
  ASSERT_TRUE(savePack(large.project, reference).ok());
  const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
  std::string newBytes;
  ASSERT_TRUE(readWholeFile(reference, newBytes).ok());
  ASSERT_GT(newBytes.size(), 1'500'000u);

  std::mt19937 random(22);
  std::uniform_int_distribution<std::int64_t> moment(0, saveTime.count() * 3);
  int killedDuringSave = 0;
  for (int round = 0; round < 50; ++round) {
    killedDuringSave +=
        saveInChildAndKill(large, target, std::chrono::microseconds(moment(random)));
    std::string bytes;
    ASSERT_TRUE(readWholeFile(target, bytes).ok()) << "round " << round;
    ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
        << "round " << round << ": " << bytes.size() << " bytes";
    TestProject loaded;
    const PackLoad load =
        loadPack(loaded.project, target, {.regenerateTextures = false, .afterTexture = {}});
    ASSERT_TRUE(load.status.ok()) << "round " << round << ": " << load.status.message;
    EXPECT_EQ(loaded.packText(), bytes);
    // Start every round from the old project; the temporary files of killed saves go too.
    for (const auto& entry : fs::directory_iterator(folder.path()))
      if (entry.path().filename().string().front() == '.') fs::remove(entry.path());
    if (bytes != oldBytes) writeFile(target, oldBytes);
  }
  std::printf("killed during the save in %d of 50 rounds (a save takes %lld us)\n",
              killedDuringSave, static_cast<long long>(saveTime.count()));
}

}  // namespace
}  // namespace tess::testing
