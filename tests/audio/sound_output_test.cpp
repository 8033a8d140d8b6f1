#include "audio/output/sound_output.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <thread>

#include "audio/output/play_preview.hpp"
#include "audio/preview.hpp"
#include "audio/wav_file.hpp"
#include "audio_test_support.hpp"
#include "test_folder.hpp"

namespace tess::testing {
namespace {

using namespace sampleop;

// Waits (up to a generous limit) for the queued sound to be consumed.
void waitUntilPlayed(const SoundOutput& output) {
  for (int tries = 0; tries < 500 && output.playing(); ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

TEST(SoundOutputTest, PlayReturnsAtOnceAndStopEndsIt) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  auto store = storeWithList({command(Sinus, {440, 255, 0})});
  std::ostringstream diagnostics;
  SoundOutput output(diagnostics);
  ASSERT_TRUE(playPreview(*store, output).ok());
  EXPECT_TRUE(output.playing());  // a second of sound was queued, not played through
  output.stop();
  EXPECT_FALSE(output.playing());
  EXPECT_EQ(diagnostics.str(), "");
}

TEST(SoundOutputTest, TheDiskDriverReceivesTheSamples) {
  TestFolder folder;
  const auto played = folder.path() / "played.raw";
  ::setenv("SDL_AUDIODRIVER", "disk", 1);
  ::setenv("SDL_DISKAUDIOFILE", played.c_str(), 1);
  // Paced in real time: without a delay the driver writes silence as fast as it can, and on a
  // busy machine the file grows by gigabytes before the sound arrives.
  ::unsetenv("SDL_DISKAUDIODELAY");
  auto store =
      storeWithList({command(SetSize, {1}), command(Saw, {440, 255, 0}), command(Reverse)});
  // While the device is still paused the driver may already write silence, so the sound can
  // start anywhere in the file, and the driver's thread writes it a little after the queue
  // drains: wait (within a generous limit) until the whole sound is there.
  const std::string sound = soundBytes(*store);
  std::string bytes;
  SoundOutput output;
  ASSERT_TRUE(playPreview(*store, output).ok());
  waitUntilPlayed(output);
  EXPECT_FALSE(output.playing());
  for (int tries = 0; tries < 500; ++tries) {
    ASSERT_TRUE(readWholeFile(played, bytes).ok());
    if (bytes.find(sound) != std::string::npos) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_NE(bytes.find(sound), std::string::npos);
}

TEST(SoundOutputTest, WithoutADeviceNothingPlaysAndItSaysSoOnce) {
  ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  auto store = storeWithList({command(Sinus, {440, 255, 0})});
  std::ostringstream diagnostics;
  SoundOutput output(diagnostics);
  EXPECT_TRUE(playPreview(*store, output).ok());
  EXPECT_TRUE(playPreview(*store, output).ok());
  EXPECT_FALSE(output.playing());
  const std::string said = diagnostics.str();
  EXPECT_EQ(said.find("sound is off: no audio device ("), 0u) << said;
  EXPECT_EQ(said.find('\n'), said.size() - 1) << said;  // one line

  std::ostringstream again;
  SoundOutput another(again);
  EXPECT_TRUE(playPreview(*store, another).ok());
  EXPECT_EQ(again.str(), "");  // this run said it already
}

// ALSA prints its probing of missing cards on standard error; none of it may get through.
TEST(SoundOutputTest, TheSoundLibrariesPrintNothingOnStandardError) {
  ::setenv("SDL_AUDIODRIVER", "alsa", 1);
  TestFolder folder;
  const auto captured = folder.path() / "stderr.txt";
  std::fflush(stderr);
  const int saved = ::dup(STDERR_FILENO);
  const int file = ::open(captured.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(file, 0);
  ::dup2(file, STDERR_FILENO);
  ::close(file);
  auto store = storeWithList({command(Sinus, {440, 255, 0})});
  std::ostringstream diagnostics;
  bool unavailable;
  {
    SoundOutput output(diagnostics);
    EXPECT_TRUE(playPreview(*store, output).ok());
    unavailable = output.unavailable();
  }
  std::fflush(stderr);
  ::dup2(saved, STDERR_FILENO);
  ::close(saved);
  if (!unavailable) GTEST_SKIP() << "this machine has a sound device";
  std::string printed;
  ASSERT_TRUE(readWholeFile(captured, printed).ok());
  EXPECT_EQ(printed, "");
}

TEST(SoundOutputTest, AFileThatIsNoWavFails) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  TestFolder folder;
  ASSERT_TRUE(writeFileAtomically(folder.path() / "x.wav", "not a wav").ok());
  SoundOutput output;
  const Status status = output.playWavFile(folder.path() / "x.wav");
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message.find("x.wav"), std::string::npos) << status.message;
  EXPECT_FALSE(output.playWavFile(folder.path() / "missing.wav").ok());
}

}  // namespace
}  // namespace tess::testing
