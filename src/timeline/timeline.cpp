#include "timeline/timeline.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "scene/pack_numbers.hpp"

namespace tess {

EaseWeights Ease(int mode, double t, EaseWeights& last) {
  constexpr double kPi = std::numbers::pi;
  if (mode == 0) last = {t, 1 - t};
  if (mode == 1)
    last = {(std::sin(kPi * t - kPi / 2) + 1) / 2, (std::sin(kPi * (1 - t) - kPi / 2) + 1) / 2};
  return last;
}

namespace {

// The first row after `row` (up to kLastScannedRow) whose event matches, or -1.
template <class Match>
int scanForEnd(const TrackerTable& tracker, int row, Match match) {
  for (int j = row + 1; j <= kLastScannedRow; ++j)
    if (match(tracker.events[j])) return j;
  return -1;
}

// Starts a slide from this row's slot p1 to the p1 of the next row with the same command, or of
// row kLastScannedRow when none follows; a slot not below limit starts nothing. Returns whether
// the slide started and a later row ends it.
bool startSlotSlide(SlotSlide& slide, const TrackerTable& tracker, int row, int limit) {
  const int command = tracker.events[row].command;
  const int end = scanForEnd(tracker, row, [command](const TrackerEvent& e) {
    return e.command == command;
  });
  const int endRow = end < 0 ? kLastScannedRow : end;
  const int from = tracker.events[row].p1, to = tracker.events[endRow].p1;
  if (from >= limit || to >= limit) return false;
  slide = {true, from, to, row, endRow};
  return end >= 0;
}

// Events naming a slot the tables do not have are ignored.
void startSlides(Timeline& timeline, SceneStore& store, const TrackerTable& tracker) {
  const int row = timeline.row;
  const TrackerEvent& event = tracker.events[row];
  const int p1 = event.p1;
  switch (event.command) {
    case trackcmd::SetScn:
      if (p1 >= kSceneCapacity) return;
      store.currentScene = event.p1;
      timeline.scene.on = false;
      return;
    case trackcmd::SetCam:
      if (p1 >= kCameraSlots) return;
      store.currentCamera = p1;
      store.liveCamera = store.cameras[p1];
      timeline.camera.on = false;
      return;
    case trackcmd::SldCam:
      startSlotSlide(timeline.camera, tracker, row, kCameraSlots);
      return;
    case trackcmd::SldMat: {
      if (p1 >= kMaterialCount || event.p2 >= kMaterialCount) return;
      const int end = scanForEnd(tracker, row, [p1](const TrackerEvent& e) {
        return e.command == trackcmd::StopMat && e.p1 == p1;
      });
      timeline.materials[p1] = {true, event.p2, row, end < 0 ? kLastScannedRow : end};
      return;
    }
    case trackcmd::SldScn:
      if (startSlotSlide(timeline.scene, tracker, row, kSceneCapacity))
        store.currentScene = static_cast<std::uint8_t>(timeline.scene.to);
      return;
    case trackcmd::SldObj: {
      if (p1 >= kObjectSlides || event.p3 >= kSceneCapacity) return;
      const int end = scanForEnd(tracker, row, [p1](const TrackerEvent& e) {
        return e.command == trackcmd::StopObj && e.p1 == p1;
      });
      timeline.objects[p1] = {true, event.p2, event.p3, row, end < 0 ? kLastScannedRow : end};
      return;
    }
    case trackcmd::CamITp:
      timeline.cameraEasing = event.p1;
      return;
    case trackcmd::MatITp:
      timeline.materialEasing = event.p1;
      return;
    default:
      return;  // SetSpd acts last; the stop markers and empty rows do nothing
  }
}

// Where a slide stands: 0 at its start row, 1 at its end row, not clamped. The position in rows
// is the row counter plus the time spent in the current row, so playing from a selected row or
// changing the speed keeps slides in step with the rows. With speed 0 (rows advance every frame)
// or a slide that starts where it ends, the slide stands at its end.
class SlideClock {
 public:
  SlideClock(const Timeline& timeline, double now)
      : stopped_(timeline.speed <= 0),
        position_(stopped_ ? 0 : timeline.row + (now - timeline.rowStart) / (timeline.speed * 64.0)) {}

  double fraction(int startRow, int endRow) const {
    if (stopped_ || endRow <= startRow) return 1;
    return (position_ - startRow) / (endRow - startRow);
  }

 private:
  bool stopped_;
  double position_;
};

std::int16_t blend16(double u, std::int16_t own, double w, std::int16_t target) {
  return low16(truncateToInt(u * own + w * target));
}

// Live object `to` takes the codes of `target` and the blend of `own` and `target`.
void blendObject(double u, const Scene& ownScene, int own, double w, const Scene& targetScene,
                 int target, Scene& live, int to) {
  const ModifierList& ownList = ownScene.modifiers[own];
  const ModifierList& targetList = targetScene.modifiers[target];
  ModifierList& liveList = live.modifiers[to];
  liveList.count = targetList.count;
  const int count = std::min<int>(targetList.count, kModifierCapacity);
  for (int k = 0; k < count; ++k) {
    const Modifier& a = ownList.entries[k];
    const Modifier& b = targetList.entries[k];
    Modifier& m = liveList.entries[k];
    m.code = b.code;
    m.p1 = blend16(u, a.p1, w, b.p1);
    m.p2 = blend16(u, a.p2, w, b.p2);
    m.p3 = blend16(u, a.p3, w, b.p3);
    m.p4 = blend16(u, a.p4, w, b.p4);
    m.p5 = blend16(u, a.p5, w, b.p5);
  }
  const SceneObject& a = ownScene.objects[own];
  const SceneObject& b = targetScene.objects[target];
  SceneObject& o = live.objects[to];
  o.posX = blend16(u, a.posX, w, b.posX);
  o.posY = blend16(u, a.posY, w, b.posY);
  o.posZ = blend16(u, a.posZ, w, b.posZ);
  o.sizeX = blend16(u, a.sizeX, w, b.sizeX);
  o.sizeY = blend16(u, a.sizeY, w, b.sizeY);
  o.sizeZ = blend16(u, a.sizeZ, w, b.sizeZ);
}

void slideObjects(Timeline& timeline, SceneStore& store, const SlideClock& clock) {
  const std::vector<Scene>& saved = timeline.snapshot.scenes;
  Scene& live = store.activeScene();
  const int count = std::min<int>(live.objectCount, kObjectSlides);
  for (int j = 0; j < count; ++j) {
    ObjectSlide& slide = timeline.objects[j];
    if (!slide.on) continue;
    const double t = clock.fraction(slide.startRow, slide.endRow);
    blendObject(1 - t, saved[store.currentScene], j, t, saved[slide.targetScene],
                slide.targetObject, live, j);
    if (timeline.row >= slide.endRow) slide.on = false;
  }
}

void slideScene(const Timeline& timeline, SceneStore& store, const SlideClock& clock) {
  if (!timeline.scene.on) return;
  const SlotSlide& slide = timeline.scene;
  const double t = clock.fraction(slide.startRow, slide.endRow);
  const Scene& from = timeline.snapshot.scenes[slide.from];
  const Scene& to = timeline.snapshot.scenes[slide.to];
  for (int j = 0; j < to.objectCount; ++j) blendObject(1 - t, from, j, t, to, j, store.activeScene(), j);
}

float blendColour(EaseWeights e, float target, float own) {
  return static_cast<float>(e.w * target + e.u * own);
}

void blendRgb(EaseWeights e, const ColorValue& target, const ColorValue& own, ColorValue& live) {
  live.r = blendColour(e, target.r, own.r);
  live.g = blendColour(e, target.g, own.g);
  live.b = blendColour(e, target.b, own.b);
}

void slideMaterials(Timeline& timeline, SceneStore& store, const SlideClock& clock) {
  const auto& saved = timeline.snapshot.materials;
  for (int m = 0; m < kMaterialCount; ++m) {
    MaterialSlide& slide = timeline.materials[m];
    if (!slide.on) continue;
    const EaseWeights e =
        Ease(timeline.materialEasing, clock.fraction(slide.startRow, slide.endRow), timeline.lastEase);
    if (timeline.row >= slide.endRow) slide.on = false;
    const PlaybackSnapshot::MaterialPart& own = saved[m];
    const PlaybackSnapshot::MaterialPart& target = saved[slide.target];
    Material& live = store.materials[m];
    blendRgb(e, target.surface.ambient, own.surface.ambient, live.surface.ambient);
    blendRgb(e, target.surface.diffuse, own.surface.diffuse, live.surface.diffuse);
    blendRgb(e, target.surface.specular, own.surface.specular, live.surface.specular);
    live.surface.power = blendColour(e, target.surface.power, own.surface.power);
    live.displaceDepth = truncateToInt(e.w * target.displaceDepth + e.u * own.displaceDepth);
  }
}

void slideCamera(Timeline& timeline, SceneStore& store, const SlideClock& clock) {
  if (!timeline.camera.on) return;
  const SlotSlide& slide = timeline.camera;
  const EaseWeights e =
      Ease(timeline.cameraEasing, clock.fraction(slide.startRow, slide.endRow), timeline.lastEase);
  const Camera& a = store.cameras[slide.from];
  const Camera& b = store.cameras[slide.to];
  Camera& live = store.liveCamera;
  live.targetX = e.u * a.targetX + e.w * b.targetX;
  live.targetY = e.u * a.targetY + e.w * b.targetY;
  live.targetZ = e.u * a.targetZ + e.w * b.targetZ;
  live.eyeX = e.u * a.eyeX + e.w * b.eyeX;
  live.eyeY = e.u * a.eyeY + e.w * b.eyeY;
  live.eyeZ = e.u * a.eyeZ + e.w * b.eyeZ;
  live.roll = e.u * a.roll + e.w * b.roll;
  live.zoom = e.u * a.zoom + e.w * b.zoom;
}

}  // namespace

bool EvaluateTimeline(Timeline& timeline, SceneStore& store, const TrackerTable& tracker, double now) {
  const double rowTime = timeline.speed * 64.0;
  const bool advanced = timeline.rowStart + rowTime <= now;
  if (advanced) {
    timeline.rowStart += rowTime;
    ++timeline.row;
  }
  if (timeline.row >= kTrackerRows) timeline.row = 0;

  startSlides(timeline, store, tracker);
  const SlideClock clock(timeline, now);
  slideObjects(timeline, store, clock);
  slideScene(timeline, store, clock);
  slideMaterials(timeline, store, clock);
  slideCamera(timeline, store, clock);

  const TrackerEvent& event = tracker.events[timeline.row];
  if (event.command == trackcmd::SetSpd) timeline.speed = event.p1;
  return advanced;
}

}  // namespace tess
