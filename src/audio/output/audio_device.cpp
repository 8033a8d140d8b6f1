#include "audio/output/audio_device.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <ostream>

namespace tess {
namespace {

// Sends file descriptor 2 to /dev/null while it lives.
class SilencedStandardError {
 public:
  SilencedStandardError() {
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
    if (null >= 0) ::close(null);
  }
  ~SilencedStandardError() {
    if (saved_ < 0) return;
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  SilencedStandardError(const SilencedStandardError&) = delete;
  SilencedStandardError& operator=(const SilencedStandardError&) = delete;

 private:
  int saved_ = -1;
};

std::atomic<bool> soundOffReported = false;

}  // namespace

bool initAudioQuietly(std::ostream& diagnostics) {
  int result;
  {
    SilencedStandardError quiet;
    result = SDL_InitSubSystem(SDL_INIT_AUDIO);
  }
  if (result != 0) reportSoundOff(diagnostics);
  return result == 0;
}

SDL_AudioDeviceID openAudioQuietly(const SDL_AudioSpec& wanted, SDL_AudioSpec* obtained,
                                   std::ostream& diagnostics) {
  SDL_AudioDeviceID device;
  {
    SilencedStandardError quiet;
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, obtained, 0);  // SDL converts if need be
  }
  if (device == 0) reportSoundOff(diagnostics);
  return device;
}

void reportSoundOff(std::ostream& diagnostics) {
  if (!soundOffReported.exchange(true))
    diagnostics << "sound is off: no audio device (" << SDL_GetError() << ")" << std::endl;
}

}  // namespace tess
