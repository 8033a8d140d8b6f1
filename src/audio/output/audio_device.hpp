#pragma once

// Opening SDL's audio output quietly. The sound libraries below SDL (ALSA, JACK, ...) print their
// device probing to standard error, about ten lines on a machine without a sound card; the
// program says what matters itself, once a run, in one line.

#include <SDL.h>

#include <iosfwd>

namespace tess {

// SDL_InitSubSystem(SDL_INIT_AUDIO) with standard error silenced meanwhile. On failure: false,
// and the sound-off line (below).
bool initAudioQuietly(std::ostream& diagnostics);

// SDL_OpenAudioDevice on the default output, standard error silenced meanwhile. On failure: 0,
// and the sound-off line (below).
SDL_AudioDeviceID openAudioQuietly(const SDL_AudioSpec& wanted, SDL_AudioSpec* obtained,
                                   std::ostream& diagnostics);

// "sound is off: no audio device (REASON)" with SDL's reason, written the first time any audio
// output of this run fails and never again.
void reportSoundOff(std::ostream& diagnostics);

}  // namespace tess
