// The session's playback commands: "play", "play with music", "stop", and the timeline's step at
// the start of every frame. Playback changes only what stopping gives back, so its changes are
// told without marking the document modified.
#include <algorithm>

#include "editor/editor_session.hpp"
#include "timeline/playback.hpp"

namespace tess {
namespace {

// What stopping gives back: every scene's objects and modifier lists, the materials and the
// current scene.
constexpr Changes kRestored =
    Change::Playback | Change::Objects | Change::Modifiers | Change::Materials | kSceneSwitch;

bool objectsSliding(const Timeline& timeline) {
  return timeline.scene.on ||
         std::ranges::any_of(timeline.objects, [](const ObjectSlide& s) { return s.on; });
}

bool materialsSliding(const Timeline& timeline) {
  return std::ranges::any_of(timeline.materials, [](const MaterialSlide& s) { return s.on; });
}

}  // namespace

Changes EditorSession::haltPlayback() {
  if (music_) music_->unload();
  if (!timeline_.playing) return {};
  tess::stopPlayback(timeline_, *scenes_);
  return kRestored;
}

std::filesystem::path EditorSession::musicPath() const {
  return modulePathFor(tracker_.sound, packPath_);
}

void EditorSession::play(int fromRow) {
  const Changes restored = haltPlayback();
  const double now = clock_->milliseconds();
  startPlayback(timeline_, *scenes_, std::clamp(fromRow, 0, kTrackerRows - 1), now);
  playbackClock_.start(now);
  deliver(restored | Change::Playback);
}

Status EditorSession::playWithMusic() {
  const Changes restored = haltPlayback();
  const double now = clock_->milliseconds();
  Status music = tess::playWithMusic(timeline_, *scenes_, musicPath(), this->music(), now);
  playbackClock_.start(now);
  deliver(restored | Change::Playback);
  return music;
}

void EditorSession::stopPlayback() { deliver(haltPlayback()); }

void EditorSession::advancePlayback(double milliseconds) {
  if (!timeline_.playing) return;
  const SceneStore& store = *scenes_;
  const std::uint8_t scene = store.currentScene;
  const std::int32_t camera = store.currentCamera;
  const Camera liveCamera = store.liveCamera;
  const bool objectsBefore = objectsSliding(timeline_);
  const bool materialsBefore = materialsSliding(timeline_);

  Changes changes;
  const double now = playbackClock_.at(milliseconds, music_.get());
  if (EvaluateTimeline(timeline_, *scenes_, tracker_, now)) changes |= Change::Playback;
  // A slide that is on writes every frame, also in the frame it ends.
  if (objectsBefore || objectsSliding(timeline_)) changes |= Change::Objects | Change::Modifiers;
  if (materialsBefore || materialsSliding(timeline_)) changes |= Change::Materials;
  if (store.currentScene != scene) changes |= kSceneSwitch;
  // Scene switches and slides change the list the current modifier points into.
  const std::int32_t lastModifier = scenes_->activeModifiers().count - 1;
  if (store.currentModifier > lastModifier) {
    scenes_->currentModifier = lastModifier;
    changes |= Change::CurrentModifier;
  }
  if (store.currentCamera != camera) changes |= Change::CurrentCamera;
  if (!(store.liveCamera == liveCamera)) changes |= Change::LiveCamera;
  deliver(changes);
}

}  // namespace tess
