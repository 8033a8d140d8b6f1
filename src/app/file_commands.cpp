// The "File" menu: packs, textures, scene layers, materials, the font and the reports.
#include <QDesktopServices>
#include <QUrl>

#include "app/main_window.hpp"
#include "core/folders.hpp"
#include "scene/material_file.hpp"
#include "scene/pack_files.hpp"
#include "scene/pack_merge.hpp"
#include "scene/project_reports.hpp"
#include "scene/scene_layer_file.hpp"
#include "scene/scene_operations.hpp"
#include "texture/bitmap_font.hpp"
#include "texture/texture_file.hpp"
#include "ui/texture_view_window.hpp"

namespace tess {
namespace {

const FileFilter kPackFilter{"Tessarine complex pack", "*.tsc"};
const FileFilter kTextureOpenFilter{"Tessarine Texture", "*.ttx"};
const FileFilter kTextureSaveFilter{"Tessarine texture", "*.ttx"};
const FileFilter kTexturesPackFilter{"Tessarine textures pack", "*.*"};
const FileFilter kSceneLayerFilter{"Tessarine scene layer", "*.tsl"};
const FileFilter kMaterialFilter{"Tessarine single material", "*.tmt"};
const FileFilter kFontFilter{"wbmp files", "*.wbmp"};

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code missing;
  return std::filesystem::equivalent(a, b, missing);
}

}  // namespace

template <typename Dialog>
auto MainWindow::withoutAutofocus(Dialog dialog) {
  const std::int32_t previous = layout_.autofocusOff;
  layout_.autofocusOff = 1;
  auto chosen = dialog();
  layout_.autofocusOff = previous;
  return chosen;
}

std::optional<std::filesystem::path> MainWindow::askOpen(const std::string& caption,
                                                         const FileFilter& filter) {
  return withoutAutofocus([&] { return services_.dialogs->openFile(caption, filter); });
}

std::optional<std::filesystem::path> MainWindow::askSave(const std::string& caption,
                                                         const FileFilter& filter,
                                                         std::string_view extension) {
  auto chosen = withoutAutofocus([&] { return services_.dialogs->saveFile(caption, filter); });
  if (chosen && !extension.empty() && !chosen->string().ends_with(extension))
    *chosen += std::string(extension);
  return chosen;
}

PackLoadOptions MainWindow::uploadingTextures() {
  PackLoadOptions options;
  options.afterTexture = [this](int) {
    if (graphics_) graphics_->textureChanged();
  };
  return options;
}

bool MainWindow::openPack(const std::filesystem::path& path) {
  PackLoad load = tess::loadPack(project(), path, uploadingTextures());
  if (!load.status.ok()) {
    showFailure(load.status);
    return false;
  }
  if (!load.notices.empty()) {
    std::string text;
    for (const std::string& notice : load.notices) text += "'" + path.string() + "': " + notice + "\n";
    services_.dialogs->message("Tessarine", text, UserDialogs::Icon::Information);
  }
  packPath_ = path;
  setWindowTitle(QString::fromStdString(path.string()));
  afterProjectChanged();
  return true;
}

void MainWindow::afterProjectChanged() {
  if (graphics_) graphics_->uploadAllTextures();
  rebuildScenesMenu();
  textureView_->refresh();
}

void MainWindow::loadPack() {
  const auto chosen = askOpen("Load pack…", kPackFilter);
  if (!chosen || !openPack(*chosen)) return;
  recent_.openedNew(chosen->string());
  recentFilesChanged();
}

void MainWindow::openRecentFile(int k) {
  if (k < 1 || k > recent_.count || !openPack(recent_.names[k - 1])) return;
  recent_.openedRecent(k);
  recentFilesChanged();
}

void MainWindow::recentFilesChanged() {
  showFailure(writeFileAtomically(userFolder() / kRecentFilesName, encodeRecentFiles(recent_)));
  rebuildRecentFilesMenu();
}

void MainWindow::savePack() {
  if (packPath_.empty()) return savePackAs();
  Status saved = tess::savePack(project(), packPath_);
  showFailure(saved);
  if (saved.ok()) setWindowTitle(QString::fromStdString(packPath_.string()));
}

void MainWindow::savePackAs() {
  const auto chosen = askSave("Save pack as…", kPackFilter, ".tsc");
  if (!chosen) return;
  packPath_ = *chosen;
  savePack();
}

void MainWindow::mergePacks() {
  const auto chosen = askOpen("Merge packs", kPackFilter);
  if (!chosen) return;
  PackLoad merged = mergePack(project(), chosen, uploadingTextures());
  if (!merged.status.ok()) return showFailure(merged.status);
  afterProjectChanged();
  services_.dialogs->message("Merging complete",
                             "Save pack with an name, restart application and reopen pack",
                             UserDialogs::Icon::Information);
}

void MainWindow::loadTexture() {
  const auto chosen = askOpen("Load texture", kTextureOpenFilter);
  if (!chosen) return;
  std::vector<std::string> unknown;
  Status loaded = loadTextureFile(project().textures, *chosen, unknown);
  if (!loaded.ok()) return showFailure(loaded);
  textureChanged();
  if (!unknown.empty()) {
    std::string text = "'" + chosen->string() + "': unknown commands became Empty stages:";
    for (const std::string& line : unknown) text += "\n" + line;
    services_.dialogs->message("Tessarine", text, UserDialogs::Icon::Information);
  }
}

void MainWindow::saveTexture() {
  if (const auto chosen = askSave("Save texture", kTextureSaveFilter, ".ttx"))
    showFailure(saveTextureFile(project().textures, *chosen));
}

void MainWindow::exportTexturesPack() {
  if (const auto chosen = askSave("Export texrures pack", kTexturesPackFilter, ""))
    showFailure(writeFileAtomically(
        *chosen, texturesPackText(project().scenes, project().textures.slots)));
}

void MainWindow::loadSceneLayer() {
  if (const auto chosen = askOpen("Load scene", kSceneLayerFilter))
    showFailure(tess::loadSceneLayer(project(), *chosen));
}

void MainWindow::saveSceneLayer() {
  if (const auto chosen = askSave("Save Scene", kSceneLayerFilter, ".tsl"))
    showFailure(tess::saveSceneLayer(project().scenes, *chosen));
}

void MainWindow::clearSceneAsked() {
  if (services_.dialogs->confirm("Attention!!!", "Do yo want to clear scene?"))
    clearScene(project());
}

void MainWindow::loadMaterial() {
  if (const auto chosen = askOpen("Load material", kMaterialFilter))
    showFailure(tess::loadMaterial(project().scenes, *chosen));
}

void MainWindow::saveMaterial() {
  if (const auto chosen = askSave("Save material", kMaterialFilter, ".tmt"))
    showFailure(tess::saveMaterial(project().scenes, *chosen));
}

void MainWindow::changeFont() {
  const auto chosen = services_.dialogs->openFile("Change Font...", kFontFilter);
  if (!chosen) return;
  BitmapFont font;
  if (Status loaded = loadBitmapFont(*chosen, font); !loaded.ok()) return showFailure(loaded);
  // A pack stores only the font's file name and finds it again in the user or data folder, so a
  // font from elsewhere is kept in the user folder.
  const std::string name = chosen->filename().string();
  const std::filesystem::path kept = userFolder() / name;
  if (!sameFile(*chosen, kept) && !sameFile(*chosen, dataFolder() / name)) {
    std::error_code error;
    std::filesystem::copy_file(*chosen, kept, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (error) return showFailure(Status::failure("'" + kept.string() + "': " + error.message()));
  }
  project().textures.font = font;
  project().scenes.fontName = name;
}

void MainWindow::showStatistics() {
  services_.dialogs->message("Statistic",
                             statisticText(project().scenes, project().textures.slots),
                             UserDialogs::Icon::Information);
}

void MainWindow::showHelp() {
  QDesktopServices::openUrl(
      QUrl::fromLocalFile(QString::fromStdString((dataFolder() / "help" / "index.html").string())));
}

}  // namespace tess
