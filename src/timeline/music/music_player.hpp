#pragma once

// Music modules (MOD, S3M, XM, IT, ...) decoded by libopenmpt and played through SDL2's audio
// output at 44,100 Hz stereo, one module at a time. The timeline never reads the music position:
// picture and music keep in step by starting together.
//
// Tests choose SDL's "disk" or "dummy" driver through SDL_AUDIODRIVER.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <iostream>

struct openmpt_module;

namespace tess {

class MusicPlayer {
 public:
  // Opens the default output device. Without one nothing ever plays; that is said once on the
  // diagnostics stream.
  explicit MusicPlayer(std::ostream& diagnostics = std::cerr);
  // Frees the module and the output device.
  ~MusicPlayer();
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;

  // Loads a module file in place of the one loaded before (which stops and is freed). A missing
  // or unreadable file loads nothing, says so in one line and returns false.
  bool load(const std::filesystem::path& path);
  // Starts the loaded module from its beginning, at once.
  void play();
  void stop();
  // Stops and frees the loaded module.
  void unload();

  bool loaded() const { return module_ != nullptr; }
  // Whether the module is sounding: played and not yet stopped or at its end.
  bool playing() const { return playing_; }

 private:
  static void fill(void* player, std::uint8_t* stream, int bytes);
  void report(const std::string& line);

  std::ostream& diagnostics_;
  std::uint32_t device_ = 0;  // 0: no output
  bool initialised_ = false;
  openmpt_module* module_ = nullptr;
  std::atomic<bool> playing_ = false;
};

}  // namespace tess
