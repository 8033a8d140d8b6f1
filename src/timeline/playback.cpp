#include "timeline/playback.hpp"

#include <algorithm>

namespace tess {

namespace {

void takeSnapshot(PlaybackSnapshot& snapshot, const SceneStore& store) {
  snapshot.scenes = store.scenes;
  snapshot.materials.resize(store.materials.size());
  for (std::size_t m = 0; m < store.materials.size(); ++m) {
    const Material& material = store.materials[m];
    snapshot.materials[m] = {material.surface, material.displaceMap, material.displaceDepth};
  }
  snapshot.currentScene = store.currentScene;
}

void restoreSnapshot(const PlaybackSnapshot& snapshot, SceneStore& store) {
  for (std::size_t s = 0; s < snapshot.scenes.size(); ++s) {
    const Scene& saved = snapshot.scenes[s];
    Scene& live = store.scenes[s];
    live.objects = saved.objects;
    live.modifiers = saved.modifiers;
    live.clones = saved.clones;
  }
  for (std::size_t m = 0; m < snapshot.materials.size(); ++m) {
    Material& material = store.materials[m];
    material.surface = snapshot.materials[m].surface;
    material.displaceMap = snapshot.materials[m].displaceMap;
    material.displaceDepth = snapshot.materials[m].displaceDepth;
  }
  // Scenes deleted and modifier lists shortened while playing leave nothing to select there.
  store.currentScene = std::min<std::uint8_t>(snapshot.currentScene, store.sceneCount - 1);
  store.currentModifier = std::min(store.currentModifier, store.activeModifiers().count - 1);
}

}  // namespace

void startPlayback(Timeline& timeline, const SceneStore& store, int fromRow, double now) {
  takeSnapshot(timeline.snapshot, store);
  timeline.rowStart = now;
  timeline.cameraEasing = 0;
  timeline.materialEasing = 0;
  timeline.lastEase = {};
  timeline.camera.on = false;
  timeline.scene.on = false;
  for (ObjectSlide& slide : timeline.objects) slide.on = false;
  for (MaterialSlide& slide : timeline.materials) slide.on = false;
  timeline.row = fromRow;
  timeline.playing = true;
}

void stopPlayback(Timeline& timeline, SceneStore& store) {
  if (!timeline.playing) return;
  restoreSnapshot(timeline.snapshot, store);
  timeline.playing = false;
}

}  // namespace tess
