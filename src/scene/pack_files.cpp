#include "scene/pack_files.hpp"

#include <algorithm>

#include "core/echoed_line.hpp"
#include "core/folders.hpp"
#include "scene/complex_pack_text.hpp"
#include "scene/scene_codes.hpp"
#include "scene/scene_selection.hpp"
#include "texture/interpreter.hpp"
#include "texture/slot_regeneration.hpp"
#include "texture/texture_text.hpp"

namespace tess {

namespace {

// The pack names its font by file name only; anything that could point elsewhere, or that holds
// control characters (the name may run over several lines), is not opened.
bool isPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
         std::none_of(name.begin(), name.end(),
                      [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

void loadFont(Project& project, std::vector<std::string>& notices) {
  const std::string& name = project.scenes.fontName;
  Status status = isPlainFileName(name)
                      ? loadBitmapFont(userOrDataFile(name), project.textures.font)
                      : Status::failure("'" + echoedLine(name) + "': not a plain file name");
  if (!status.ok()) notices.push_back("font " + status.message + "; the current font stays");
}

void regenerateTextures(Project& project, const PackLoadOptions& options) {
  TextureStore& textures = project.textures;
  std::vector<int> slots;
  for (int t = 0; t < kPackTextureEntries; ++t)
    if (textures.slots[t].stageCount > 1) slots.push_back(t);
  if (slots.empty()) selectTexture(textures, 0);
  regenerateSlots(textures, slots, options.afterTexture);
}

void resetSelection(SceneStore& scenes) {
  scenes.currentCamera = 0;
  scenes.liveCamera = scenes.cameras[0];
  scenes.currentScene = 0;
  scenes.currentMaterial = 0;
  limitCurrentObjects(scenes);
  selectLastModifier(scenes);
  scenes.controlPickArmed = false;
}

void replaceProject(Project& project, PackContents& contents) {
  SceneStore& scenes = project.scenes;
  scenes.fontName = std::move(contents.fontName);
  applyGeometry(contents.geometry, scenes);
  std::move(contents.materials.begin(), contents.materials.end(), scenes.materials.begin());
  std::copy(contents.cameras.begin(), contents.cameras.end(), scenes.cameras.begin());

  std::vector<Texture>& slots = project.textures.slots;
  for (Texture& slot : slots) slot.stageCount = 1;
  std::move(contents.textures.begin(), contents.textures.end(), slots.begin());

  if (contents.tracker) project.tracker = std::move(*contents.tracker);
}

}  // namespace

PackLoad loadPack(Project& project, const std::filesystem::path& path,
                  const PackLoadOptions& options) {
  PackLoad load;
  std::string text;
  load.status = readWholeFile(path, text);
  if (!load.status.ok()) return load;
  PackContents contents;
  Status parsed = readPackText(text, contents);
  if (!parsed.ok()) {
    load.status = Status::failure("'" + path.string() + "': " + parsed.message);
    return load;
  }
  load.notices = unknownCommandWarnings(contents.unknownLines);

  replaceProject(project, contents);
  loadFont(project, load.notices);
  if (options.regenerateTextures) regenerateTextures(project, options);
  resetSelection(project.scenes);
  Status snapshot = project.undo.restart(project.scenes);
  if (!snapshot.ok()) load.notices.push_back(snapshot.message);
  return load;
}

Status savePack(Project& project, const std::filesystem::path& path) {
  clearGeneratedClones(project.scenes);
  return writeFileAtomically(path,
                             packText(project.scenes, project.textures.slots, project.tracker));
}

void clearGeneratedClones(SceneStore& store) {
  Scene& scene = store.activeScene();
  for (int i = 0; i < scene.objectCount; ++i) {
    const CloneSettings& clone = scene.clones[i];
    const int n = std::min<int>(scene.modifiers[i].count, kModifierCapacity);
    for (int j = i + 1; j <= i + clone.cloneCount && j < kObjectSlots; ++j) {
      if (clone.cloneType != kCloneTypeGroup) {
        SceneObject& o = scene.objects[j];
        const std::uint8_t controlObject = o.controlObject, controlMode = o.controlMode;
        o = SceneObject{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, controlObject, controlMode};
      }
      ModifierList& list = scene.modifiers[j];
      std::fill_n(list.entries.begin(), n, Modifier{});
      if (list.count == n) list.count = 0;
    }
  }
}

}  // namespace tess
