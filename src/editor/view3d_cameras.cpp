// The 3D view's camera slots: writing liveCamera to the current slot, stepping and sliding to the
// neighbouring slots, and the zoom presets.
#include "editor/editor_session.hpp"
#include "editor/view3d_controller.hpp"

namespace tess {
namespace {

Camera blend(const Camera& from, const Camera& to, double t) {
  const auto mix = [t](double a, double b) { return (1 - t) * a + t * b; };
  return {mix(from.targetX, to.targetX), mix(from.targetY, to.targetY), mix(from.targetZ, to.targetZ),
          mix(from.eyeX, to.eyeX),       mix(from.eyeY, to.eyeY),       mix(from.eyeZ, to.eyeZ),
          mix(from.roll, to.roll),       mix(from.zoom, to.zoom)};
}

}  // namespace

bool View3dController::writeCamera() {
  if (sliding_) return false;
  SceneStore& scenes = session_.scenes();
  scenes.cameras[scenes.currentCamera] = scenes.liveCamera;
  session_.publish(Change::Cameras);
  return true;
}

bool View3dController::selectCamera(int slot) {
  SceneStore& scenes = session_.scenes();
  if (sliding_ || slot < 0 || slot > kLastCameraSlot) return false;
  scenes.currentCamera = slot;
  scenes.liveCamera = scenes.cameras[slot];
  display_.setTitleForm(View3dDisplay::TitleForm::Turned);
  changeCamera(Change::CurrentCamera);
  return true;
}

bool View3dController::nextCamera() { return selectCamera(session_.scenes().currentCamera + 1); }

bool View3dController::previousCamera() {
  return selectCamera(session_.scenes().currentCamera - 1);
}

bool View3dController::startSlide(int slot) {
  const SceneStore& scenes = session_.scenes();
  if (sliding_ || slot < 0 || slot > kLastCameraSlot) return false;
  sliding_ = true;
  slideStep_ = 0;
  slideTarget_ = slot;
  slideFrom_ = scenes.cameras[scenes.currentCamera];
  if (displayChanged) displayChanged();  // the first step waits for a frame
  return true;
}

bool View3dController::slideToNextCamera() {
  return startSlide(session_.scenes().currentCamera + 1);
}

bool View3dController::slideToPreviousCamera() {
  return startSlide(session_.scenes().currentCamera - 1);
}

void View3dController::slideStep() {
  if (!sliding_) return;
  SceneStore& scenes = session_.scenes();
  if (slideStep_ < kSlideSteps) {
    scenes.liveCamera = blend(slideFrom_, scenes.cameras[slideTarget_], slideStep_ * 0.05);
    ++slideStep_;
    changeCamera();
    return;
  }
  // The neighbour exactly, not the last blend.
  sliding_ = false;
  selectCamera(slideTarget_);
}

bool View3dController::zoomPreset(int preset) {
  if (sliding_ || preset < 0 || preset > 3) return false;
  session_.scenes().liveCamera.zoom = kZoomPresets[preset];
  changeCamera();
  return true;
}

}  // namespace tess
