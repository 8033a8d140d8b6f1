#include "timeline/music/music_player.hpp"

#include <SDL.h>
#include <libopenmpt/libopenmpt.h>

#include <cstring>
#include <string>

#include "core/file_io.hpp"

namespace tess {

namespace {

constexpr int kFrequency = 44100;

// Holds the device's lock, so that the output callback never sees a module half changed.
class DeviceLock {
 public:
  explicit DeviceLock(SDL_AudioDeviceID device) : device_(device) {
    if (device_ != 0) SDL_LockAudioDevice(device_);
  }
  ~DeviceLock() {
    if (device_ != 0) SDL_UnlockAudioDevice(device_);
  }
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;

 private:
  SDL_AudioDeviceID device_;
};

}  // namespace

MusicPlayer::MusicPlayer(std::ostream& diagnostics) : diagnostics_(diagnostics) {
  initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (initialised_) {
    SDL_AudioSpec want{};
    want.freq = kFrequency;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = fill;
    want.userdata = this;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);  // SDL converts if need be
  }
  if (device_ == 0) {
    report(std::string("music: no audio device (") + SDL_GetError() + "); music will not play");
    return;
  }
  SDL_PauseAudioDevice(device_, 0);  // silence until a module plays
}

MusicPlayer::~MusicPlayer() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (module_ != nullptr) openmpt_module_destroy(module_);
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void MusicPlayer::report(const std::string& line) {
  diagnostics_ << line << "\n";
}

bool MusicPlayer::load(const std::filesystem::path& path) {
  unload();
  std::string data;
  if (Status read = readWholeFile(path, data); !read.ok()) {
    report("music: " + read.message + "; playing without music");
    return false;
  }
  int error = 0;
  openmpt_module* module = openmpt_module_create_from_memory2(
      data.data(), data.size(), openmpt_log_func_silent, nullptr, openmpt_error_func_ignore,
      nullptr, &error, nullptr, nullptr);
  if (module == nullptr) {
    report("music: '" + path.string() + "': not a music module; playing without music");
    return false;
  }
  DeviceLock lock(device_);
  module_ = module;
  return true;
}

void MusicPlayer::play() {
  DeviceLock lock(device_);
  if (module_ == nullptr || device_ == 0) return;
  openmpt_module_set_position_seconds(module_, 0);
  playing_ = true;
}

void MusicPlayer::stop() {
  DeviceLock lock(device_);
  playing_ = false;
}

void MusicPlayer::unload() {
  DeviceLock lock(device_);
  playing_ = false;
  if (module_ != nullptr) openmpt_module_destroy(module_);
  module_ = nullptr;
}

// Runs on SDL's audio thread with the device locked.
void MusicPlayer::fill(void* player, std::uint8_t* stream, int bytes) {
  auto& self = *static_cast<MusicPlayer*>(player);
  const std::size_t frames = static_cast<std::size_t>(bytes) / 4;
  std::size_t done = 0;
  if (self.playing_) {
    done = openmpt_module_read_interleaved_stereo(self.module_, kFrequency, frames,
                                                  reinterpret_cast<std::int16_t*>(stream));
    if (done < frames) self.playing_ = false;  // the module has ended
  }
  std::memset(stream + done * 4, 0, (frames - done) * 4);
}

}  // namespace tess
