#include "scene/pack_merge.hpp"

#include <algorithm>

#include "scene/scene_codes.hpp"
#include "texture/operation_table.hpp"

namespace tess {

namespace {

// What the merge keeps of the project it appends.
struct SetAside {
  int sceneCount;
  std::vector<Scene> scenes;
  std::vector<Material> materials;
  std::vector<Texture> textures;
};

// Highest material and texture that the objects of the loaded pack (and the materials they can
// reach) use, each plus one.
void usedRanges(const SceneStore& store, int& materialEnd, int& textureEnd) {
  int material = 0, texture = 0;
  for (int s = 0; s < store.sceneCount; ++s) {
    const Scene& scene = store.scenes[s];
    for (int i = 0; i < scene.objectCount; ++i) {
      material = std::max<int>(material, scene.objects[i].material);
      texture = std::max<int>(texture, scene.objects[i].texture);
    }
  }
  materialEnd = material + 1;
  // An object's material field can name 255, one past the last slot.
  for (int m = 0; m < std::min(materialEnd, kMaterialCount); ++m) {
    const Material& mat = store.materials[m];
    texture = std::max({texture, mat.displaceMap, int{mat.stage1Texture}, int{mat.stage2Texture}});
  }
  textureEnd = std::min(texture, kTextureSlotCount) + 1;  // past the last slot: no texture fits
}

// Two's-complement addition: displaceMap and the render-scene parameter are 32-bit fields, and a
// shift past INT_MAX wraps instead of overflowing.
int wrapAdd(int value, int shift) {
  return static_cast<int>(static_cast<unsigned>(value) + static_cast<unsigned>(shift));
}

void shiftReferences(SetAside& aside, int materialShift, int textureShift, int sceneShift) {
  for (int s = 0; s < aside.sceneCount; ++s) {
    Scene& scene = aside.scenes[s];
    for (int i = 0; i < scene.objectCount; ++i) {
      SceneObject& o = scene.objects[i];
      o.material = static_cast<std::uint8_t>(o.material + materialShift);
      o.texture = static_cast<std::uint8_t>(o.texture + textureShift);
      if (o.type == objtype::RenderScene) o.posX = static_cast<std::int16_t>(o.posX + sceneShift);
    }
  }
  for (Material& m : aside.materials) {
    m.displaceMap = wrapAdd(m.displaceMap, textureShift);
    m.stage1Texture = static_cast<std::uint8_t>(m.stage1Texture + textureShift);
    m.stage2Texture = static_cast<std::uint8_t>(m.stage2Texture + textureShift);
  }
  for (Texture& texture : aside.textures)
    for (int k = 1; k < std::min(texture.stageCount, kCommandRecords); ++k)
      if (texture.commands[k].op == texop::RenderScene)
        texture.commands[k].params[0] = wrapAdd(texture.commands[k].params[0], sceneShift);
}

// Slot k of from goes to slot k + shift of to, for the slots that fit.
template <class T>
void copyShifted(std::vector<T>& from, std::vector<T>& to, int shift) {
  for (int k = 0; k + shift < static_cast<int>(to.size()); ++k) to[k + shift] = std::move(from[k]);
}

}  // namespace

PackLoad mergePack(Project& project, const std::optional<std::filesystem::path>& chosen,
                   const PackLoadOptions& options) {
  if (!chosen) return {};
  SceneStore& scenes = project.scenes;
  SetAside aside{scenes.sceneCount, scenes.scenes, scenes.materials, project.textures.slots};

  PackLoad load = loadPack(project, *chosen, options);
  if (!load.status.ok()) return load;

  int materialEnd = 0, textureEnd = 0;
  usedRanges(scenes, materialEnd, textureEnd);
  const int loadedScenes = scenes.sceneCount;
  shiftReferences(aside, materialEnd, textureEnd, loadedScenes);
  copyShifted(aside.textures, project.textures.slots, textureEnd);
  copyShifted(aside.materials, scenes.materials, materialEnd);
  aside.scenes.resize(aside.sceneCount);
  copyShifted(aside.scenes, scenes.scenes, loadedScenes);
  scenes.sceneCount =
      static_cast<std::uint8_t>(std::min(loadedScenes + aside.sceneCount, kSceneCapacity));

  // Undo starts from the merged project, not from the pack alone.
  Status snapshot = project.undo.restart(scenes);
  if (!snapshot.ok()) load.notices.push_back(snapshot.message);
  return load;
}

}  // namespace tess
