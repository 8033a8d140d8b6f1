// The session's file commands: packs, textures, scene layers, materials, the font and the
// project reports.
#include <algorithm>
#include <ctime>

#include "core/folders.hpp"
#include "editor/editor_session.hpp"
#include "scene/material_file.hpp"
#include "scene/complex_pack_text.hpp"
#include "scene/pack_files.hpp"
#include "scene/pack_merge.hpp"
#include "scene/project_reports.hpp"
#include "scene/scene_layer_file.hpp"
#include "scene/scene_operations.hpp"
#include "texture/bitmap_font.hpp"
#include "texture/texture_file.hpp"
#include "texture/texture_text.hpp"

namespace tess {
namespace {

Outcome failed(Status status) { return {std::move(status), std::nullopt}; }

// The notices of a load, each naming the file.
std::optional<Notice> loadNotice(const std::filesystem::path& path,
                                 const std::vector<std::string>& notices) {
  if (notices.empty()) return std::nullopt;
  std::string text;
  for (const std::string& notice : notices) text += "'" + path.string() + "': " + notice + "\n";
  return Notice{"Tessarine", text};
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code missing;
  return std::filesystem::equivalent(a, b, missing);
}

}  // namespace

PackLoadOptions EditorSession::loadOptions() {
  PackLoadOptions options;
  options.afterTexture = [this](int) {
    if (textureRegenerated) textureRegenerated();
  };
  return options;
}

Outcome EditorSession::projectOpened(const std::filesystem::path& path,
                                     std::vector<std::string> notices,
                                     const std::function<void(RecentFiles&)>& recentUpdate) {
  packPath_ = path;
  markSaved();
  recentUpdate(recent_);
  Outcome outcome = writeRecentFiles();
  outcome.notice = loadNotice(path, notices);
  deliver(kWholeProject | Change::Document | Change::RecentFiles | Change::Playback);
  return outcome;
}

Outcome EditorSession::openPackFile(const std::filesystem::path& path,
                                    const std::function<void(RecentFiles&)>& recentUpdate) {
  // Playback's snapshot belongs to the project it was taken of: stopping after the load would
  // write the old project's objects into the new one.
  const Changes stopped = haltPlayback();
  PackLoad load = loadPack(project_, path, loadOptions());
  if (!load.status.ok()) {
    deliver(stopped);
    return failed(load.status);
  }
  return projectOpened(path, std::move(load.notices), recentUpdate);
}

Outcome EditorSession::openPack(const std::filesystem::path& path) {
  return openPackFile(path, [&](RecentFiles& recent) { recent.openedNew(path.string()); });
}

Outcome EditorSession::openRecentFile(int k) {
  if (k < 1 || k > recent_.count) return {};
  const std::filesystem::path path = recent_.names[k - 1];  // the list changes on success
  return openPackFile(path, [k](RecentFiles& recent) { recent.openedRecent(k); });
}

Outcome EditorSession::savePack() {
  Status saved = tess::savePack(project_, packPath_);
  // The pre-save pass drops generated clones and their modifiers from the current scene, so the
  // current modifier may be gone.
  scenes_->currentModifier =
      std::min(scenes_->currentModifier, scenes_->activeModifiers().count - 1);
  if (!saved.ok()) return failed(saved);
  constexpr Changes kPrepared = Change::Objects | Change::Modifiers | Change::CurrentModifier;
  const bool wasModified = modified_;
  markSaved();
  deliver(wasModified ? kPrepared | Change::Document : kPrepared);
  return {};
}

Outcome EditorSession::savePackAs(const std::filesystem::path& path) {
  const std::filesystem::path previous = packPath_;
  packPath_ = path;
  Outcome saved = savePack();
  if (!saved.ok()) {
    packPath_ = previous;
    return saved;
  }
  deliver(Change::Document);
  return saved;
}

void EditorSession::markSaved() {
  modified_ = false;
  discardRecovery();
}

std::string EditorSession::packTextAsSaved() {
  const Scene kept = scenes_->activeScene();
  clearGeneratedClones(*scenes_);
  std::string text = packText(*scenes_, textures_->slots, tracker_);
  scenes_->activeScene() = kept;
  return text;
}

Status EditorSession::writeRecovery() {
  if (!recovery_ || !modified_) return Status::success();
  std::error_code error;
  const std::filesystem::path pack =
      packPath_.empty() ? packPath_ : std::filesystem::absolute(packPath_, error);
  return recovery_->write(packTextAsSaved(),
                          {pack, static_cast<std::int64_t>(std::time(nullptr))});
}

std::optional<RecoveryNote> EditorSession::pendingRecovery() const {
  return recovery_ ? recovery_->pending() : std::nullopt;
}

Outcome EditorSession::restoreRecovery(const RecoveryNote& note) {
  if (!recovery_) return {};
  const Changes stopped = haltPlayback();
  PackLoad load = loadPack(project_, recovery_->packFile(), loadOptions());
  if (!load.status.ok()) {
    deliver(stopped);
    return failed(load.status);
  }
  packPath_ = note.pack;
  modified_ = true;
  deliver(kWholeProject | Change::Document | Change::Playback);
  return {Status::success(), loadNotice(recovery_->packFile(), load.notices)};
}

void EditorSession::discardRecovery() {
  if (recovery_) recovery_->remove();
}

Outcome EditorSession::mergePacks(const std::optional<std::filesystem::path>& chosen) {
  if (!chosen) return {};
  // The merge takes the project as edited, not as playback has changed it.
  const Changes stopped = haltPlayback();
  PackLoad merged = mergePack(project_, chosen, loadOptions());
  if (!merged.status.ok()) {
    deliver(stopped);
    return failed(merged.status);
  }
  publish(kWholeProject | stopped);
  return {Status::success(),
          Notice{"Merging complete", "Save pack with an name, restart application and reopen pack"}};
}

Outcome EditorSession::loadTexture(const std::filesystem::path& path) {
  std::vector<std::string> unknown;
  Status loaded = loadTextureFile(*textures_, path, unknown);
  if (!loaded.ok()) return failed(loaded);
  publish(Change::Stages | Change::TextureNames);
  if (unknown.empty()) return {};
  std::string text = "'" + path.string() + "': unknown commands became Empty stages:";
  for (const std::string& warning : unknownCommandWarnings(unknown)) text += "\n" + warning;
  return {Status::success(), Notice{"Tessarine", text}};
}

Outcome EditorSession::saveTexture(const std::filesystem::path& path) {
  return failed(saveTextureFile(*textures_, path));
}

Outcome EditorSession::exportTexturesPack(const std::filesystem::path& path) {
  return failed(writeFileAtomically(path, texturesPackText(*scenes_, textures_->slots)));
}

Outcome EditorSession::loadSceneLayer(const std::filesystem::path& path) {
  Status loaded = tess::loadSceneLayer(project_, path);
  if (loaded.ok()) publish(kObjectEdit);
  return failed(loaded);
}

Outcome EditorSession::saveSceneLayer(const std::filesystem::path& path) {
  return failed(tess::saveSceneLayer(*scenes_, path));
}

void EditorSession::clearScene() {
  tess::clearScene(project_);
  publish(kObjectEdit);
}

Outcome EditorSession::loadMaterial(const std::filesystem::path& path) {
  Status loaded = tess::loadMaterial(*scenes_, path);
  if (loaded.ok()) publish(Change::Materials);
  return failed(loaded);
}

Outcome EditorSession::saveMaterial(const std::filesystem::path& path) {
  return failed(tess::saveMaterial(*scenes_, path));
}

Outcome EditorSession::changeFont(const std::filesystem::path& path) {
  BitmapFont font;
  if (Status loaded = loadBitmapFont(path, font); !loaded.ok()) return failed(loaded);
  const std::string name = path.filename().string();
  const std::filesystem::path kept = userFolder() / name;
  if (!sameFile(path, kept) && !sameFile(path, dataFolder() / name)) {
    std::error_code error;
    std::filesystem::copy_file(path, kept, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (error) return failed(Status::failure("'" + kept.string() + "': " + error.message()));
  }
  textures_->font = font;
  scenes_->fontName = name;
  publish(Change::Font);
  return {};
}

std::string EditorSession::statistics() const {
  return statisticText(*scenes_, textures_->slots);
}

}  // namespace tess
