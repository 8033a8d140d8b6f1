#include "timeline/music/music_playback.hpp"

namespace tess {

void playWithMusic(Timeline& timeline, const SceneStore& store, const TrackerTable& tracker,
                   MusicPlayer& music, double now) {
  startPlayback(timeline, store, 0, now);
  music.unload();
  if (!tracker.sound.empty() && music.load(tracker.sound)) music.play();
}

void stopWithMusic(Timeline& timeline, SceneStore& store, MusicPlayer& music) {
  music.unload();
  stopPlayback(timeline, store);
}

}  // namespace tess
