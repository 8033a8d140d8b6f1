#pragma once

#include "scene/scene_store.hpp"

namespace tess::gl {

// What one frame or pick draws: a scene of the store and the camera it is seen through. The
// renderer reads nothing else of the selection, so drawing changes no editor state.
struct FrameView {
  int scene = 0;
  Camera camera;
};

// The current scene through liveCamera: what the 3D view shows.
inline FrameView currentView(const SceneStore& scenes) {
  return FrameView{scenes.currentScene, scenes.liveCamera};
}

}  // namespace tess::gl
