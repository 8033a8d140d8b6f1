#pragma once

// The tracker window's "play with music" and "stop".

#include "timeline/music/music_player.hpp"
#include "timeline/playback.hpp"

namespace tess {

// Playback from row 0 at now, then the module named in the "sound" field starts from its
// beginning; a module still playing from an earlier start is stopped and freed first. With an
// empty "sound" field, or a module that does not load, the timeline plays without music (the
// player says why a module did not load).
void playWithMusic(Timeline& timeline, const SceneStore& store, const TrackerTable& tracker,
                   MusicPlayer& music, double now);

// Stops and frees the music, then stops playback (when playing).
void stopWithMusic(Timeline& timeline, SceneStore& store, MusicPlayer& music);

}  // namespace tess
