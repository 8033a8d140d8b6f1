#pragma once

// Music modules (MOD, S3M, XM, IT, ...) decoded by libopenmpt and played through SDL2's audio
// output at 44,100 Hz stereo, one module at a time. While a module sounds, the player tells how
// much of it has been heard, so that playback can take its clock from the music.
//
// Tests choose SDL's "disk" or "dummy" driver through SDL_AUDIODRIVER.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "core/file_io.hpp"

struct openmpt_module;

namespace tess {

class MusicPlayer {
 public:
  // Opens the default output device. Without one nothing ever plays; the diagnostics stream is
  // told that sound is off, unless this run has said so already (audio_device.hpp).
  explicit MusicPlayer(std::ostream& diagnostics = std::cerr);
  // Frees the module and the output device.
  ~MusicPlayer();
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;

  // Loads a module file in place of the one loaded before (which stops and is freed). A missing
  // or unreadable file loads nothing and the failure names the file and the problem.
  Status load(const std::filesystem::path& path);
  // Starts the loaded module from its beginning, at once.
  void play();
  void stop();
  // A paused module sounds silence and keeps its place; heardSeconds stands still meanwhile.
  void setPaused(bool paused);
  // Stops and frees the loaded module.
  void unload();

  bool loaded() const { return module_ != nullptr; }
  // Whether an output device opened; without one nothing ever sounds.
  bool hasOutput() const { return device_ != 0; }
  // Whether the module is sounding: played and not yet stopped or at its end.
  bool playing() const { return playing_; }
  // While the module sounds: the seconds of it heard since play, counted in samples handed to the
  // output and running on smoothly between the output's buffers. Nothing once it stopped or ended.
  std::optional<double> heardSeconds() const;
  // The loaded module's length as played once, in seconds (0 without one).
  double durationSeconds() const;
  // Where libopenmpt stands in the loaded module, in seconds (0 without one).
  double positionSeconds() const;

  // The file name patterns of the module types libopenmpt reads ("*.mod *.xm ...").
  static std::string filePatterns();

 private:
  static void fill(void* player, std::uint8_t* stream, int bytes);

  std::ostream& diagnostics_;
  std::uint32_t device_ = 0;  // 0: no output
  bool initialised_ = false;
  openmpt_module* module_ = nullptr;
  std::atomic<bool> playing_ = false;
  bool paused_ = false;  // changed under the device's lock
  // Written by the output callback under the device's lock.
  std::int64_t framesHanded_ = 0;       // samples handed to the output since play
  std::int64_t framesBeforeFill_ = 0;   // ... before the last buffer
  std::optional<double> lastFillAt_;    // steady milliseconds of the last buffer's hand-over
};

}  // namespace tess
