#include "editor/frame_demand.hpp"

#include <algorithm>
#include <cmath>

#include "engine/clone_expansion.hpp"
#include "engine/modifier_engine.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

constexpr double kUnknownRefreshHz = 60;
constexpr double kHighestRefreshHz = 1000;

}  // namespace

bool drawsContinuously(const ClockDependence& d) {
  return d.playing || d.sliding || (!d.animationFrozen && d.sceneAnimated);
}

bool sceneReadsClock(const SceneStore& scenes, int scene) {
  const Scene& shown = scenes.scenes[scene];
  // Render-scene objects count wherever they sit, as the frame collects them.
  if (CollectRenderScenes(shown).count > 0) return true;
  for (int i = 0; i < shown.objectCount; ++i)
    if (shown.objects[i].type == objtype::CopyToTexture || listReadsTime(shown.modifiers[i]))
      return true;
  return false;
}

double frameInterval(double refreshHz) {
  const bool known = std::isfinite(refreshHz) && refreshHz >= 1 && refreshHz <= kHighestRefreshHz;
  return 1000 / (known ? refreshHz : kUnknownRefreshHz);
}

double nextFrameDelay(double interval, double drawMilliseconds) {
  return std::clamp(interval - drawMilliseconds, 0.0, interval);
}

}  // namespace tess
