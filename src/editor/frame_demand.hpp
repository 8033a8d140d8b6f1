#pragma once

#include "editor/changes.hpp"
#include "scene/scene_store.hpp"

namespace tess {

// What the 3D view's picture depends on besides the data it shows: the inputs of the decision
// whether to draw frame after frame or only when something changed.
struct ClockDependence {
  bool playing = false;          // the timeline plays: it moves scenes, cameras and objects
  bool sliding = false;          // a camera slide moves liveCamera frame by frame
  bool animationFrozen = false;  // the modifier time stays 0
  bool sceneAnimated = false;    // sceneReadsClock of the scene the view shows
};

// Continuous drawing while the clock moves the picture; otherwise a frame only on request.
bool drawsContinuously(const ClockDependence& dependence);

// Whether the scene's picture moves with the clock or from frame to frame: an object whose
// modifier list animates, a copy-to-texture object (it feeds its texture back into later
// frames) or a render-scene object (it draws other scenes, which may do either).
bool sceneReadsClock(const SceneStore& scenes, int scene);

// The changes after which the picture may look different; the others (samples, window layout,
// recent files, the document's name and state, tracker rows) leave it as it is.
inline constexpr Changes kPictureChanges =
    Change::TextureNames | Change::CurrentTexture | Change::Stages | Change::Objects |
    Change::CurrentObject | Change::Modifiers | Change::CurrentModifier | Change::Materials |
    Change::CurrentMaterial | Change::Cameras | Change::CurrentCamera | Change::LiveCamera |
    Change::Scenes | Change::Playback | Change::Font | Change::AllTextures | Change::CurrentScene;

// Milliseconds from one continuous frame to the next at the display's refresh rate (hertz); a
// rate that is unknown (0, negative, not a number or beyond any display) gives 60 frames a second.
double frameInterval(double refreshHz);

// How long to wait before the next continuous frame when the last one took drawMilliseconds.
double nextFrameDelay(double interval, double drawMilliseconds);

}  // namespace tess
