#pragma once

// Starting and stopping playback: "play" from the selected row, "play with music" from row 0
// (the music itself is music/music_playback.hpp), and "stop".

#include "timeline/timeline.hpp"

namespace tess {

// Takes the snapshot, starts the first row at now, resets both easings and their last weights,
// turns every slide off and sets playing. A new playback never continues a slide of an earlier
// one.
void startPlayback(Timeline& timeline, const SceneStore& store, int fromRow, double now);

// When playing: restores the snapshot (object records, modifier lists, clone settings, material
// surfaces, displaceMap, displaceDepth, currentScene) and clears playing. liveCamera and speed
// keep what playback made of them.
void stopPlayback(Timeline& timeline, SceneStore& store);

}  // namespace tess
