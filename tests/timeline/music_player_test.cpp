#include "timeline/music/music_player.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <sstream>
#include <thread>

#include "core/file_io.hpp"
#include "test_folder.hpp"
#include "timeline/test_module.hpp"
#include "timeline/music/music_playback.hpp"

namespace tess::testing {
namespace {

namespace fs = std::filesystem;

std::string fileBytes(const fs::path& path) {
  std::string bytes;
  EXPECT_TRUE(readWholeFile(path, bytes).ok());
  return bytes;
}

bool hasSound(const std::string& bytes, std::size_t from = 0) {
  return std::any_of(bytes.begin() + static_cast<std::ptrdiff_t>(std::min(from, bytes.size())),
                     bytes.end(), [](char c) { return c != 0; });
}

// A module to play and SDL's disk driver, which writes what is played to `played` in real time.
struct DiskOutput {
  DiskOutput() {
    EXPECT_TRUE(writeFileAtomically(module, squareWaveModule()).ok());
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", played.c_str(), 1);
    ::unsetenv("SDL_DISKAUDIODELAY");
  }

  TestFolder folder;
  const fs::path played = folder.path() / "played.raw";
  const fs::path module = folder.path() / "tune.mod";
};

void wait(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Whether the output soon writes a stretch of silence. A buffer mixed just before a stop or a
// pause may still arrive, so this looks (within a generous limit) for newly written silence.
bool silenceFollows(const fs::path& played) {
  for (int tries = 0; tries < 50; ++tries) {
    const std::size_t from = fileBytes(played).size();
    wait(100);
    const std::string later = fileBytes(played);
    if (later.size() > from && !hasSound(later, from)) return true;
  }
  return false;
}

TEST(MusicPlayerTest, AModulePlaysThroughTheDiskDriverAndStopEndsIt) {
  const DiskOutput disk;
  const fs::path& played = disk.played;
  const fs::path& module = disk.module;

  std::ostringstream diagnostics;
  MusicPlayer music(diagnostics);
  auto store = std::make_unique<SceneStore>();
  auto timeline = std::make_unique<Timeline>();
  EXPECT_TRUE(playWithMusic(*timeline, *store, module, music, 0).ok());
  EXPECT_TRUE(timeline->playing);
  EXPECT_TRUE(music.playing());
  for (int tries = 0; tries < 150 && !hasSound(fileBytes(played)); ++tries) wait(20);
  ASSERT_TRUE(hasSound(fileBytes(played)));

  stopWithMusic(*timeline, *store, music);
  EXPECT_FALSE(timeline->playing);
  EXPECT_FALSE(music.playing());
  EXPECT_FALSE(music.loaded());
  // The device goes on with silence.
  EXPECT_TRUE(silenceFollows(played));
  EXPECT_EQ(diagnostics.str(), "");
}

TEST(MusicPlayerTest, APausedModuleSoundsSilenceAndItsHeardTimeStandsStill) {
  const DiskOutput disk;
  const fs::path& played = disk.played;
  const fs::path& module = disk.module;

  std::ostringstream diagnostics;
  MusicPlayer music(diagnostics);
  ASSERT_TRUE(music.load(module).ok());
  EXPECT_NEAR(music.durationSeconds(), 7.7, 0.1);
  music.play();
  for (int tries = 0; tries < 150 && !hasSound(fileBytes(played)); ++tries) wait(20);
  music.setPaused(true);
  const auto heard = music.heardSeconds();
  ASSERT_TRUE(heard);
  EXPECT_TRUE(silenceFollows(played));
  EXPECT_EQ(music.heardSeconds(), heard);
  EXPECT_TRUE(music.playing());
  music.setPaused(false);
  for (int tries = 0; tries < 150 && music.heardSeconds() == heard; ++tries) wait(20);
  EXPECT_GT(*music.heardSeconds(), *heard);
}

TEST(MusicPlayerTest, AMissingOrUnreadableModuleLeavesThePlaybackWithoutMusicAndSaysWhy) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  TestFolder folder;
  const fs::path garbage = folder.path() / "garbage.mod";
  ASSERT_TRUE(writeFileAtomically(garbage, "this is no music").ok());
  std::ostringstream diagnostics;
  MusicPlayer music(diagnostics);
  auto store = std::make_unique<SceneStore>();
  auto timeline = std::make_unique<Timeline>();
  for (const fs::path& sound : {garbage, folder.path() / "missing.mod", fs::path()}) {
    const Status said = playWithMusic(*timeline, *store, sound, music, 0);
    EXPECT_TRUE(timeline->playing);
    EXPECT_FALSE(music.loaded());
    EXPECT_FALSE(music.playing());
    EXPECT_FALSE(said.ok());
    EXPECT_NE(said.message.find(sound.filename().string()), std::string::npos) << said.message;
    stopWithMusic(*timeline, *store, music);
  }
  EXPECT_EQ(diagnostics.str(), "");
}

}  // namespace
}  // namespace tess::testing
