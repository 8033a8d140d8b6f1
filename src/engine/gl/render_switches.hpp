#pragma once

#include "engine/view_transform.hpp"

namespace tess::gl {

// The module-level switches the windows set and every frame reads. Control-pick mode lives in
// the scene store (controlPickArmed), beside the selection it changes.
struct RenderSwitches {
  bool animationFrozen = false;  // time T = 0
  bool orthographic = false;
  bool wireframe = false;
  bool guidesHidden = false;     // no suns, lamps, "nrml:unv" objects or overlays
  bool groupOnly = false;        // only the current object's group
  ViewMode viewMode = ViewMode::Normal;
  int gridMode = 0;              // 0 none, 1 x-z, 2 x-y, 3 y-z plane
};

}  // namespace tess::gl
