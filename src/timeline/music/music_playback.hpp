#pragma once

// The tracker window's "play with music" and "stop", and the clock playback runs on while music
// plays.

#include <filesystem>

#include "core/file_io.hpp"
#include "timeline/music/music_player.hpp"
#include "timeline/playback.hpp"

namespace tess {

// The module file a pack's "sound" field names: a relative name is looked for beside the pack.
std::filesystem::path modulePathFor(const std::filesystem::path& sound,
                                    const std::filesystem::path& pack);

// Playback from row 0 at now, then the module starts from its beginning; a module still playing
// from an earlier start is stopped and freed first. Without a module path, or with a module that
// does not load or an output that does not exist, the timeline plays without music and the
// failure says why.
Status playWithMusic(Timeline& timeline, const SceneStore& store,
                     const std::filesystem::path& module, MusicPlayer& music, double now);

// Stops and frees the music, then stops playback (when playing).
void stopWithMusic(Timeline& timeline, SceneStore& store, MusicPlayer& music);

// The time the timeline is evaluated at. Without music it is the frame clock. While a module
// sounds it is the start time plus what has been heard of the music, so that picture and music
// cannot drift apart when frames are slow or the output runs at its own rate; when the module
// ends, the frame clock goes on from where the music left the timeline.
class PlaybackClock {
 public:
  // Playback started at now (frame clock milliseconds).
  void start(double now) {
    origin_ = now;
    offset_ = 0;
  }
  // The timeline time for a frame at now; music is the player of this playback, if any.
  double at(double now, const MusicPlayer* music) {
    if (const auto heard = music ? music->heardSeconds() : std::nullopt)
      offset_ = origin_ + *heard * 1000 - now;
    return now + offset_;
  }

 private:
  double origin_ = 0;
  double offset_ = 0;  // timeline time minus frame time
};

}  // namespace tess
