#include "timeline/music/module_rendering.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "test_folder.hpp"
#include "timeline/test_module.hpp"

namespace tess::testing {
namespace {

bool silent(const std::vector<float>& sound) {
  return std::all_of(sound.begin(), sound.end(), [](float s) { return s == 0; });
}

TEST(ModuleRendering, RendersTheModuleOnceThenSilence) {
  TestFolder folder;
  const std::filesystem::path module = folder.path() / "tune.mod";
  ASSERT_TRUE(writeFileAtomically(module, squareWaveModule()).ok());
  ModuleRendering music;
  EXPECT_EQ(music.durationSeconds(), 0);
  ASSERT_TRUE(music.load(module).ok());
  const double seconds = music.durationSeconds();
  EXPECT_NEAR(seconds, 7.7, 0.1);

  std::vector<float> sound(2 * 48000, 1.0f);
  music.render(48000, 48000, sound.data());
  EXPECT_FALSE(silent(sound));
  // Past its end (in one call that crosses it, with the last notes' tails) the module gives
  // silence, never stale samples.
  const auto rest = static_cast<std::size_t>(seconds * 48000);
  std::vector<float> end(2 * rest, 1.0f);
  music.render(48000, rest, end.data());
  EXPECT_TRUE(std::all_of(end.end() - 200, end.end(), [](float s) { return s == 0; }));
  std::fill(sound.begin(), sound.end(), 1.0f);
  music.render(48000, 48000, sound.data());
  EXPECT_TRUE(silent(sound));
}

TEST(ModuleRendering, RefusesAFileThatIsNoModule) {
  TestFolder folder;
  const std::filesystem::path text = folder.path() / "notes.txt";
  ASSERT_TRUE(writeFileAtomically(text, "not music").ok());
  ModuleRendering music;
  const Status loaded = music.load(text);
  EXPECT_NE(loaded.message.find("notes.txt"), std::string::npos);
  EXPECT_FALSE(music.loaded());
  EXPECT_FALSE(music.load(folder.path() / "missing.mod").ok());
}

}  // namespace
}  // namespace tess::testing
