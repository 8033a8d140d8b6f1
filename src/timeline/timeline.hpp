#pragma once

// Playback of the tracker table against the clock. While playing, the renderer calls
// EvaluateTimeline at the start of every frame; it writes the live SceneStore (currentScene,
// liveCamera, material surfaces, object records and modifier lists). Slides read their start and
// target values from the snapshot taken at play, so evaluating twice gives the same result, and
// stop restores the snapshot (playback.hpp).

#include <array>
#include <cstdint>
#include <vector>

#include "scene/scene_store.hpp"
#include "scene/tracker_table.hpp"

namespace tess {

namespace trackcmd {
enum : int {
  Empty = 0,
  SetScn,
  SetCam,
  SldCam,
  SldMat,
  SldScn,
  SldObj,
  SetSpd,
  StopObj,
  StopMat,
  CamITp,
  MatITp,
};
}  // namespace trackcmd

inline constexpr int kTrackerCommandCount = 12;
inline constexpr int kObjectSlides = 128;  // objects 0..127 can slide
inline constexpr int kLastScannedRow = 998;  // end-marker scans stop here
inline constexpr int kInitialSpeed = 8;      // a row lasts speed x 64 ms

struct EaseWeights {
  double w = 0;  // weight of the target
  double u = 1;  // weight of the start
};

// Mode 0 linear, mode 1 a cosine ease that starts and ends with zero speed; other modes give the
// weights of the previous call (kept in last; before any call, the start of the slide).
EaseWeights Ease(int mode, double t, EaseWeights& last);

// A camera or scene slide: from one slot to another.
struct SlotSlide {
  bool on = false;
  int from = 0, to = 0;
  int startRow = 0, endRow = 0;
};

struct ObjectSlide {
  bool on = false;
  int targetObject = 0, targetScene = 0;
  int startRow = 0, endRow = 0;
};

struct MaterialSlide {
  bool on = false;
  int target = 0;
  int startRow = 0, endRow = 0;
};

// What playback changes, as it was at play.
struct PlaybackSnapshot {
  std::vector<Scene> scenes;  // object records, modifier lists, clone settings
  struct MaterialPart {
    SurfaceMaterial surface;
    std::int32_t displaceMap = 1;
    std::int32_t displaceDepth = 0;
  };
  std::vector<MaterialPart> materials;
  std::uint8_t currentScene = 0;
};

struct Timeline {
  bool playing = false;
  int row = 0;             // 0..999
  double rowStart = 0;  // ms at which the current row began
  std::int32_t speed = kInitialSpeed;
  std::uint8_t cameraEasing = 0;
  std::uint8_t materialEasing = 0;
  EaseWeights lastEase;

  SlotSlide camera;  // between camera slots
  SlotSlide scene;   // between scenes
  std::array<ObjectSlide, kObjectSlides> objects{};
  std::array<MaterialSlide, kMaterialCount> materials{};

  PlaybackSnapshot snapshot;
};

// One frame of playback at time now (ms). Returns whether the row advanced, so that the tracker
// list can select the new row. Call only while timeline.playing.
bool EvaluateTimeline(Timeline& timeline, SceneStore& store, const TrackerTable& tracker, double now);

}  // namespace tess
