#pragma once

#include <cstdint>
#include <filesystem>
#include <iostream>

#include "core/file_io.hpp"

namespace tess {

// Plays WAV files in the background through SDL2's audio output. Tests choose SDL's "disk" or
// "dummy" driver through SDL_AUDIODRIVER. One instance per application: it owns the audio
// subsystem while it lives.
class SoundOutput {
 public:
  explicit SoundOutput(std::ostream& diagnostics = std::cerr) : diagnostics_(diagnostics) {}
  ~SoundOutput();
  SoundOutput(const SoundOutput&) = delete;
  SoundOutput& operator=(const SoundOutput&) = delete;

  // Starts playing the WAV file and returns at once; whatever played before stops. The file is
  // read whole first, so it may be rewritten while it plays. A file that cannot be read fails.
  // Without an audio device nothing plays and the call succeeds; the first such call says that
  // sound is off, unless this run has said so already (audio_device.hpp).
  Status playWavFile(const std::filesystem::path& path);

  // Whether queued sound is still playing.
  bool playing() const;
  // Whether playing found no audio device, so that nothing will ever play.
  bool unavailable() const { return unavailable_; }
  void stop();

 private:
  bool audioAvailable();

  std::ostream& diagnostics_;
  bool initialised_ = false;
  bool unavailable_ = false;
  std::uint32_t device_ = 0;  // 0: none open
  // The format the open device was opened for.
  int frequency_ = 0;
  std::uint16_t format_ = 0;
  int channels_ = 0;
};

}  // namespace tess
