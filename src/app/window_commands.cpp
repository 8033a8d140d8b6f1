// The "Scenes" and "Windows" menus: scenes, window schemes, the collapsing layout and the window
// toggles.
#include "app/main_window.hpp"
#include "core/folders.hpp"
#include "scene/scene_operations.hpp"
#include "ui/mdi_window.hpp"
#include "ui/view3d_rules.hpp"
#include "ui/view3d_window.hpp"

namespace tess {
namespace {

// The windows whose position a scheme stores; the 3D view and the texture view keep their size
// too.
constexpr ToolWindow kPlacedWindows[] = {ToolWindow::TextureView,    ToolWindow::TextureEditor,
                                         ToolWindow::View3d,         ToolWindow::Objects,
                                         ToolWindow::MaterialEditor, ToolWindow::Modifiers,
                                         ToolWindow::Tracker};

bool keepsSchemeSize(ToolWindow window) {
  return window == ToolWindow::TextureView || window == ToolWindow::View3d;
}

}  // namespace

void MainWindow::addScene() {
  if (!tess::addScene(project().scenes)) return;
  rebuildScenesMenu();
  selectScene(project().scenes.currentScene);
}

void MainWindow::deleteLastScene() {
  if (!tess::deleteLastScene(project().scenes)) return;
  rebuildScenesMenu();
  selectScene(project().scenes.currentScene);
}

void MainWindow::selectScene(int scene) {
  SceneStore& scenes = project().scenes;
  if (!tess::selectScene(scenes, scene)) return;
  for (int s = 0; s < static_cast<int>(sceneActions_.size()); ++s)
    sceneActions_[s]->setChecked(s == scenes.currentScene);
  view3d_->setWindowTitle(QString::fromStdString(
      sceneMenuTitle(view3d_->viewAngle, scenes.currentScene, scenes.currentCamera)));
}

void MainWindow::chooseScheme(int scheme) {
  layout_.schemeNumber = static_cast<std::int8_t>(scheme);
  loadScheme();
}

void MainWindow::loadScheme() {
  std::string bytes;
  if (!readWholeFile(userOrDataFile(schemeFileName(layout_.schemeNumber)), bytes).ok() ||
      !decodeScheme(bytes, layout_))
    return;
  updateLayoutChecks();
  for (ToolWindow window : kPlacedWindows)
    placeWindow(window, layout_.rect(window), keepsSchemeSize(window));
  for (ToolWindow window : kToolWindows) setWindowShown(window, !layout_.hidden(window));
  for (const SizeChange& change : loadedSchemeSizes(layout_)) resizeWindow(change.window, change.size);
  setFocus();
}

void MainWindow::saveScheme() {
  for (ToolWindow window : kToolWindows)
    if (collapses(window)) resizeWindow(window, fullSize(layout_, window));
  for (ToolWindow window : kPlacedWindows) {
    const QRect frame = this->window(window)->geometry();
    layout_.rects[rectSlot(window)] = {frame.left(), frame.top(), frame.left() + frame.width(),
                                       frame.top() + frame.height()};
  }
  showFailure(writeFileAtomically(userFolder() / schemeFileName(layout_.schemeNumber),
                                  encodeScheme(layout_)));
  applyCollapsingLayout();
  for (ToolWindow window : kToolWindows)
    if (window != ToolWindow::View3d && window != ToolWindow::TextureView &&
        window != ToolWindow::Tracker && layout_.hidden(window))
      this->window(window)->hide();
}

void MainWindow::applyCollapsingLayout() {
  for (const SizeChange& change : collapsingLayout(layout_)) resizeWindow(change.window, change.size);
  if (layout_.focusedWindow == kFocusMainFrame) raise();
}

void MainWindow::setWindowsOpened(bool opened) {
  layout_.windowsOpened = opened ? 1 : 0;
  if (opened) {
    placeWindow(ToolWindow::Tracker, layout_.rect(ToolWindow::Tracker), false);
    for (ToolWindow window : kToolWindows)
      if (collapses(window)) resizeWindow(window, fullSize(layout_, window));
  }
  updateLayoutChecks();
}

void MainWindow::setAutofocusOff(bool off) {
  layout_.autofocusOff = off ? 1 : 0;
  updateLayoutChecks();
}

void MainWindow::toggleTextureMaterialAutofocus() {
  bool& on = project().scenes.textureMaterialAutofocus;
  on = !on;
  updateLayoutChecks();
}

void MainWindow::toggleWindow(ToolWindow window) { setWindowShown(window, layout_.hidden(window)); }

}  // namespace tess
