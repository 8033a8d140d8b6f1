// The "File" menu: the dialogs that choose files, then the session's commands.
#include "app/help_window.hpp"
#include "app/main_window.hpp"
#include "core/folders.hpp"

namespace tess {
namespace {

const FileFilter kPackFilter{"Tessarine complex pack", "*.tsc"};
const FileFilter kTextureOpenFilter{"Tessarine Texture", "*.ttx"};
const FileFilter kTextureSaveFilter{"Tessarine texture", "*.ttx"};
const FileFilter kTexturesPackFilter{"Tessarine textures pack", "*.*"};
const FileFilter kSceneLayerFilter{"Tessarine scene layer", "*.tsl"};
const FileFilter kMaterialFilter{"Tessarine single material", "*.tmt"};
const FileFilter kFontFilter{"wbmp files", "*.wbmp"};

}  // namespace

template <typename Dialog>
auto MainWindow::withoutAutofocus(Dialog dialog) {
  std::int32_t& autofocusOff = session_.layout().autofocusOff;
  const std::int32_t previous = autofocusOff;
  autofocusOff = 1;
  auto chosen = dialog();
  autofocusOff = previous;
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
  if (chosen) *chosen = withExtension(*chosen, extension);
  return chosen;
}

bool MainWindow::settleUnsavedChanges() {
  return tess::settleUnsavedChanges(
      session_, {[this](const std::string& question) {
                   return services_.dialogs->askSaveChanges(question);
                 },
                 [this] { return askPackPath(); },
                 [this](const Outcome& outcome) { report(outcome); }});
}

void MainWindow::loadPack() {
  if (!settleUnsavedChanges()) return;
  if (const auto chosen = askOpen("Load pack…", kPackFilter)) report(session_.openPack(*chosen));
}

void MainWindow::openRecentFile(int k) {
  if (settleUnsavedChanges()) report(session_.openRecentFile(k));
}

void MainWindow::savePack() {
  if (!session_.hasPackPath()) return savePackAs();
  report(session_.savePack());
}

std::optional<std::filesystem::path> MainWindow::askPackPath() {
  return askSave("Save pack as…", kPackFilter, ".tsc");
}

void MainWindow::savePackAs() {
  if (const auto chosen = askPackPath()) report(session_.savePackAs(*chosen));
}

void MainWindow::mergePacks() {
  if (settleUnsavedChanges()) report(session_.mergePacks(askOpen("Merge packs", kPackFilter)));
}

void MainWindow::loadTexture() {
  if (const auto chosen = askOpen("Load texture", kTextureOpenFilter))
    report(session_.loadTexture(*chosen));
}

void MainWindow::saveTexture() {
  if (const auto chosen = askSave("Save texture", kTextureSaveFilter, ".ttx"))
    report(session_.saveTexture(*chosen));
}

void MainWindow::exportTexturesPack() {
  if (const auto chosen = askSave("Export texrures pack", kTexturesPackFilter, ""))
    report(session_.exportTexturesPack(*chosen));
}

void MainWindow::loadSceneLayer() {
  if (const auto chosen = askOpen("Load scene", kSceneLayerFilter))
    report(session_.loadSceneLayer(*chosen));
}

void MainWindow::saveSceneLayer() {
  if (const auto chosen = askSave("Save Scene", kSceneLayerFilter, ".tsl"))
    report(session_.saveSceneLayer(*chosen));
}

void MainWindow::clearSceneAsked() {
  if (services_.dialogs->confirm("Attention!!!", "Do yo want to clear scene?"))
    session_.clearScene();
}

void MainWindow::loadMaterial() {
  if (const auto chosen = askOpen("Load material", kMaterialFilter))
    report(session_.loadMaterial(*chosen));
}

void MainWindow::saveMaterial() {
  if (const auto chosen = askSave("Save material", kMaterialFilter, ".tmt"))
    report(session_.saveMaterial(*chosen));
}

void MainWindow::changeFont() {
  // This dialog leaves the window autofocus as it is.
  if (const auto chosen = services_.dialogs->openFile("Change Font...", kFontFilter))
    report(session_.changeFont(*chosen));
}

void MainWindow::showStatistics() {
  services_.dialogs->message("Statistic", session_.statistics(), UserDialogs::Icon::Information);
}

void MainWindow::showHelp() {
  if (!help_) help_ = new HelpWindow(dataFolder() / "help", this);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

}  // namespace tess
