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
#include "timeline/music/music_playback.hpp"

namespace tess::testing {
namespace {

namespace fs = std::filesystem;

void putBigEndian16(std::string& out, int value) {
  out += static_cast<char>(value >> 8);
  out += static_cast<char>(value & 0xFF);
}

// A 4-channel module: one looping square-wave sample played on the first row of its one
// pattern, about 7.7 seconds long.
std::string minimalModule() {
  constexpr int kSampleWords = 64;
  std::string mod(20, '\0');  // title
  for (int s = 0; s < 31; ++s) {
    mod += std::string(22, '\0');
    putBigEndian16(mod, s == 0 ? kSampleWords : 0);
    mod += '\0';                           // finetune
    mod += static_cast<char>(s == 0 ? 64 : 0);  // volume
    putBigEndian16(mod, 0);                // loop start
    putBigEndian16(mod, s == 0 ? kSampleWords : 1);
  }
  mod += '\1';    // song length
  mod += '\x7F';  // restart position
  mod += std::string(128, '\0');  // every order plays pattern 0
  mod += "M.K.";
  std::string pattern(64 * 4 * 4, '\0');
  const int period = 428;
  pattern[0] = static_cast<char>(period >> 8);  // sample 1, period 428
  pattern[1] = static_cast<char>(period & 0xFF);
  pattern[2] = 0x10;
  mod += pattern;
  for (int i = 0; i < 2 * kSampleWords; ++i) mod += static_cast<char>(i % 32 < 16 ? 100 : -100);
  return mod;
}

std::string fileBytes(const fs::path& path) {
  std::string bytes;
  EXPECT_TRUE(readWholeFile(path, bytes).ok());
  return bytes;
}

bool hasSound(const std::string& bytes, std::size_t from = 0) {
  return std::any_of(bytes.begin() + static_cast<std::ptrdiff_t>(std::min(from, bytes.size())),
                     bytes.end(), [](char c) { return c != 0; });
}

void wait(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TEST(MusicPlayerTest, AModulePlaysThroughTheDiskDriverAndStopEndsIt) {
  TestFolder folder;
  const fs::path played = folder.path() / "played.raw";
  const fs::path module = folder.path() / "tune.mod";
  ASSERT_TRUE(writeFileAtomically(module, minimalModule()).ok());
  ::setenv("SDL_AUDIODRIVER", "disk", 1);
  ::setenv("SDL_DISKAUDIOFILE", played.c_str(), 1);
  ::unsetenv("SDL_DISKAUDIODELAY");  // real time

  std::ostringstream diagnostics;
  MusicPlayer music(diagnostics);
  auto store = std::make_unique<SceneStore>();
  auto timeline = std::make_unique<Timeline>();
  TrackerTable tracker;
  tracker.sound = module.string();
  playWithMusic(*timeline, *store, tracker, music, 0);
  EXPECT_TRUE(timeline->playing);
  EXPECT_TRUE(music.playing());
  for (int tries = 0; tries < 150 && !hasSound(fileBytes(played)); ++tries) wait(20);
  ASSERT_TRUE(hasSound(fileBytes(played)));

  stopWithMusic(*timeline, *store, music);
  EXPECT_FALSE(timeline->playing);
  EXPECT_FALSE(music.playing());
  EXPECT_FALSE(music.loaded());
  // The device goes on with silence; a buffer mixed just before the stop may still arrive, so
  // look (within a generous limit) for a stretch of newly written silence.
  bool silenceFollows = false;
  for (int tries = 0; tries < 50 && !silenceFollows; ++tries) {
    const std::size_t from = fileBytes(played).size();
    wait(100);
    const std::string later = fileBytes(played);
    silenceFollows = later.size() > from && !hasSound(later, from);
  }
  EXPECT_TRUE(silenceFollows);
  EXPECT_EQ(diagnostics.str(), "");
}

TEST(MusicPlayerTest, AMissingOrUnreadableModuleLeavesThePlaybackWithoutMusicAndSaysSoOnce) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  TestFolder folder;
  const fs::path garbage = folder.path() / "garbage.mod";
  ASSERT_TRUE(writeFileAtomically(garbage, "this is no music").ok());
  std::ostringstream diagnostics;
  MusicPlayer music(diagnostics);
  auto store = std::make_unique<SceneStore>();
  auto timeline = std::make_unique<Timeline>();
  TrackerTable tracker;
  for (const fs::path& sound : {garbage, folder.path() / "missing.mod"}) {
    diagnostics.str("");
    tracker.sound = sound.string();
    playWithMusic(*timeline, *store, tracker, music, 0);
    EXPECT_TRUE(timeline->playing);
    EXPECT_FALSE(music.loaded());
    EXPECT_FALSE(music.playing());
    const std::string said = diagnostics.str();
    EXPECT_NE(said.find(sound.filename().string()), std::string::npos) << said;
    EXPECT_NE(said.find("playing without music"), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    stopWithMusic(*timeline, *store, music);
  }
}

}  // namespace
}  // namespace tess::testing
