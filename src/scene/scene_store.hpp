#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scene/scene_types.hpp"

namespace tess {

// All scene content of a project and the selection state the windows share. A fresh store is in
// the state the program starts with once its device exists: scene 0 holds one sphere, every
// camera slot equals liveCamera, every material has power 255 and displace map 1. About 13 MB:
// the application owns one; readers build what they read aside and swap it in.
struct SceneStore {
  std::uint8_t sceneCount = 1;
  std::uint8_t currentScene = 0;
  std::vector<Scene> scenes = initialScenes();
  std::int32_t currentModifier = -1;  // index in the current object's list; -1 none
  std::uint8_t currentMaterial = 0;
  std::int32_t currentCamera = 0;  // camera slot last copied into liveCamera
  Camera liveCamera;               // the camera the renderer uses
  std::int32_t sizeAxis = 0;       // size the objects window edits: 0 x, 1 y, 2 z, 3 all
  std::string fontName = "micra.wbmp";
  std::int32_t snapshotCounter = 0;  // number of the last undo snapshot
  std::vector<Material> materials = std::vector<Material>(kMaterialCount);
  std::vector<Camera> cameras = std::vector<Camera>(kCameraSlots);

  // Changing the current object by delete, "<" or ">" also selects its material and texture.
  bool textureMaterialAutofocus = false;
  // Armed by "Set control object": the next pick in the 3D view names the control object.
  bool controlPickArmed = false;

  Scene& activeScene() { return scenes[currentScene]; }
  const Scene& activeScene() const { return scenes[currentScene]; }
  int activeObjectIndex() const { return activeScene().currentObject; }
  SceneObject& activeObject() { return activeScene().objects[activeObjectIndex()]; }
  const SceneObject& activeObject() const { return activeScene().objects[activeObjectIndex()]; }
  ModifierList& activeModifiers() { return activeScene().modifiers[activeObjectIndex()]; }
  CloneSettings& activeClone() { return activeScene().clones[activeObjectIndex()]; }

  static std::vector<Scene> initialScenes() {
    std::vector<Scene> scenes(kSceneCapacity);
    scenes[0].objectCount = 1;
    return scenes;
  }
};

}  // namespace tess
