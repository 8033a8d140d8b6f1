#include "timeline/music/music_player.hpp"

#include <SDL.h>
#include <libopenmpt/libopenmpt.h>

#include "audio/output/audio_device.hpp"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <sstream>
#include <string>

#include "timeline/music/module_file.hpp"

namespace tess {

namespace {

constexpr int kFrequency = 44100;
// 512 samples: the output takes a buffer every 11.6 ms, less than a frame at 60 Hz, so the
// heard position never lags the decoded one by more than a frame.
constexpr int kBufferFrames = 512;

double steadyMilliseconds() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

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
  initialised_ = initAudioQuietly(diagnostics_);
  if (initialised_) {
    SDL_AudioSpec want{};
    want.freq = kFrequency;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = kBufferFrames;
    want.callback = fill;
    want.userdata = this;
    device_ = openAudioQuietly(want, nullptr, diagnostics_);
  }
  if (device_ != 0) SDL_PauseAudioDevice(device_, 0);  // silence until a module plays
}

MusicPlayer::~MusicPlayer() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (module_ != nullptr) openmpt_module_destroy(module_);
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Status MusicPlayer::load(const std::filesystem::path& path) {
  unload();
  openmpt_module* module = nullptr;
  if (Status opened = openModuleFile(path, module); !opened.ok()) return opened;
  DeviceLock lock(device_);
  module_ = module;
  return Status::success();
}

void MusicPlayer::play() {
  DeviceLock lock(device_);
  if (module_ == nullptr || device_ == 0) return;
  openmpt_module_set_position_seconds(module_, 0);
  framesHanded_ = 0;
  framesBeforeFill_ = 0;
  lastFillAt_.reset();
  paused_ = false;
  playing_ = true;
}

void MusicPlayer::setPaused(bool paused) {
  DeviceLock lock(device_);
  paused_ = paused;
}

std::optional<double> MusicPlayer::heardSeconds() const {
  DeviceLock lock(device_);
  if (!playing_) return std::nullopt;
  if (!lastFillAt_) return 0.0;  // the output has not taken the first buffer yet
  if (paused_) return static_cast<double>(framesHanded_) / kFrequency;
  // The last buffer sounds from its hand-over on; the estimate never runs past its end.
  const double sinceFill = (steadyMilliseconds() - *lastFillAt_) / 1000;
  return std::min(static_cast<double>(framesBeforeFill_) / kFrequency + sinceFill,
                  static_cast<double>(framesHanded_) / kFrequency);
}

double MusicPlayer::durationSeconds() const {
  DeviceLock lock(device_);
  return module_ != nullptr ? openmpt_module_get_duration_seconds(module_) : 0;
}

double MusicPlayer::positionSeconds() const {
  DeviceLock lock(device_);
  return module_ != nullptr ? openmpt_module_get_position_seconds(module_) : 0;
}

std::string MusicPlayer::filePatterns() {
  const char* list = openmpt_get_supported_extensions();  // "mod;xm;..."
  std::istringstream extensions(list != nullptr ? list : "");
  openmpt_free_string(list);
  std::string patterns;
  for (std::string extension; std::getline(extensions, extension, ';');)
    if (!extension.empty()) patterns += (patterns.empty() ? "*." : " *.") + extension;
  return patterns;
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
  if (self.playing_ && !self.paused_) {
    done = openmpt_module_read_interleaved_stereo(self.module_, kFrequency, frames,
                                                  reinterpret_cast<std::int16_t*>(stream));
    self.framesBeforeFill_ = self.framesHanded_;
    self.framesHanded_ += static_cast<std::int64_t>(done);
    self.lastFillAt_ = steadyMilliseconds();
    if (done < frames) self.playing_ = false;  // the module has ended
  }
  std::memset(stream + done * 4, 0, (frames - done) * 4);
}

}  // namespace tess
