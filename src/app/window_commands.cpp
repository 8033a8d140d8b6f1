// The "Scenes" and "Windows" menus: scenes, window schemes, the collapsing layout and the window
// toggles.
#include "app/main_window.hpp"
#include "ui/mdi_window.hpp"
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
  if (session_.addScene()) showSceneTitle();
}

void MainWindow::deleteLastScene() {
  if (session_.deleteLastScene()) showSceneTitle();
}

void MainWindow::selectScene(int scene) {
  if (session_.selectScene(scene)) showSceneTitle();
}

void MainWindow::showSceneTitle() {
  view3dDisplay_.setTitleForm(View3dDisplay::TitleForm::SceneMenu);
  view3d_->refreshTitle();
}

void MainWindow::chooseScheme(int scheme) {
  if (session_.chooseScheme(scheme)) placeSchemeWindows();
}

void MainWindow::loadScheme() {
  if (session_.loadScheme()) placeSchemeWindows();
}

void MainWindow::placeSchemeWindows() {
  const WindowLayout& layout = session_.layout();
  for (ToolWindow window : kPlacedWindows)
    placeWindow(window, layout.rect(window), keepsSchemeSize(window));
  for (const SizeChange& change : loadedSchemeSizes(layout)) resizeWindow(change.window, change.size);
  setFocus();
}

void MainWindow::saveScheme() {
  WindowLayout& layout = session_.layout();
  for (ToolWindow window : kToolWindows)
    if (collapses(window)) resizeWindow(window, fullSize(layout, window));
  for (ToolWindow window : kPlacedWindows) {
    const QRect frame = this->window(window)->geometry();
    layout.rects[rectSlot(window)] = {frame.left(), frame.top(), frame.left() + frame.width(),
                                      frame.top() + frame.height()};
  }
  report(session_.saveScheme());
  applyCollapsingLayout();
}

void MainWindow::applyCollapsingLayout() {
  for (const SizeChange& change : collapsingLayout(session_.layout()))
    resizeWindow(change.window, change.size);
  if (session_.layout().focusedWindow == kFocusMainFrame) raise();
}

void MainWindow::setWindowsOpened(bool opened) {
  session_.setWindowsOpened(opened);
  if (opened) {
    placeWindow(ToolWindow::Tracker, layout().rect(ToolWindow::Tracker), false);
    for (ToolWindow window : kToolWindows)
      if (collapses(window)) resizeWindow(window, fullSize(layout(), window));
  }
}

void MainWindow::setAutofocusOff(bool off) { session_.setAutofocusOff(off); }

void MainWindow::toggleTextureMaterialAutofocus() { session_.toggleTextureMaterialAutofocus(); }

void MainWindow::toggleWindow(ToolWindow window) {
  session_.setWindowShown(window, layout().hidden(window));
}

}  // namespace tess
