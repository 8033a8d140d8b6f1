#include "audio/output/sound_output.hpp"

#include <SDL.h>

namespace tess {

SoundOutput::~SoundOutput() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SoundOutput::reportUnavailable() {
  if (!unavailable_)
    diagnostics_ << "sound output: no audio device (" << SDL_GetError() << "); nothing will play\n";
  unavailable_ = true;
}

bool SoundOutput::audioAvailable() {
  if (unavailable_) return false;
  if (!initialised_) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      reportUnavailable();
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
    device_ = SDL_OpenAudioDevice(nullptr, 0, &spec, nullptr, 0);
    if (device_ == 0) {
      SDL_FreeWAV(samples);
      reportUnavailable();
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
