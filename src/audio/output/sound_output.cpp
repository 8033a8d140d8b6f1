#include "audio/output/sound_output.hpp"

#include <SDL.h>

#include "audio/output/audio_device.hpp"

namespace tess {

SoundOutput::~SoundOutput() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundOutput::audioAvailable() {
  if (unavailable_) return false;
  if (!initialised_) {
    if (!initAudioQuietly(diagnostics_)) {
      unavailable_ = true;
      return false;
    }
    initialised_ = true;
  }
  return true;
}

Status SoundOutput::playWavFile(const std::filesystem::path& path) {
  if (!audioAvailable()) return Status::success();
  SDL_AudioSpec spec{};
  Uint8* samples = nullptr;
  Uint32 bytes = 0;
  if (!SDL_LoadWAV(path.c_str(), &spec, &samples, &bytes))
    return Status::failure("'" + path.string() + "': cannot play: " + SDL_GetError());

  const bool sameFormat =
      spec.freq == frequency_ && spec.format == format_ && spec.channels == channels_;
  if (device_ != 0 && !sameFormat) {
    SDL_CloseAudioDevice(device_);
    device_ = 0;
  }
  if (device_ == 0) {
    spec.callback = nullptr;  // queued sound; SDL converts to what the device takes
    device_ = openAudioQuietly(spec, nullptr, diagnostics_);
    if (device_ == 0) {
      SDL_FreeWAV(samples);
      unavailable_ = true;
      return Status::success();
    }
    frequency_ = spec.freq;
    format_ = spec.format;
    channels_ = spec.channels;
  }
  SDL_ClearQueuedAudio(device_);
  const int queued = SDL_QueueAudio(device_, samples, bytes);
  SDL_FreeWAV(samples);
  if (queued != 0)
    return Status::failure("'" + path.string() + "': cannot play: " + SDL_GetError());
  SDL_PauseAudioDevice(device_, 0);
  return Status::success();
}

bool SoundOutput::playing() const {
  return device_ != 0 && SDL_GetQueuedAudioSize(device_) > 0;
}

void SoundOutput::stop() {
  if (device_ != 0) SDL_ClearQueuedAudio(device_);
}

}  // namespace tess
