// The 3D view's keys: navigation, heading and view mode, display switches, and the commands that
// act on the current object and modifier.
#include <cmath>
#include <numbers>

#include "editor/editor_session.hpp"
#include "editor/view3d_controller.hpp"
#include "scene/object_operations.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

constexpr double kStep = 10;             // position units a navigation key moves the camera
constexpr double kEyeDistance = 100;     // from the target, after a heading key

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

}  // namespace

void View3dController::keyDown(View3dKey key, HeldInputs held) {
  if (sliding_) return;
  switch (key) {
    case View3dKey::Shift:
      setDragTarget(0);
      cursorMode_ = 1;
      return;
    case View3dKey::Space: pickArmed_ = true; return;
    case View3dKey::D: dHeld_ = true; return;
    case View3dKey::Z:
      if (dragPlane_ == 1) return;  // held: the key repeats
      foldVertical(true);
      dragPlane_ = 1;
      return;
    default: break;
  }
  if (held.ctrl)
    ctrlKey(key);
  else
    commandKey(key);
}

void View3dController::keyUp(View3dKey key, HeldInputs) {
  if (sliding_) return;
  switch (key) {
    case View3dKey::Shift:
      setDragTarget(1);
      cursorMode_ = 0;
      break;
    case View3dKey::Control: viewAngleBase_ = static_cast<int>(display_.viewAngle()); break;
    case View3dKey::Space: pickArmed_ = false; break;
    case View3dKey::D: dHeld_ = false; break;
    case View3dKey::Z:
      if (dragPlane_ == 0) break;
      foldVertical(false);
      dragPlane_ = 0;
      break;
    default: break;
  }
}

void View3dController::commandKey(View3dKey key) {
  View3dToggles& toggles = display_.toggles();
  switch (key) {
    case View3dKey::Backspace: session_.undo(); break;
    case View3dKey::Tab:
      if (const auto code = modifiers_.selectedCode()) modifiers_.setCode(*code + 1);
      break;
    case View3dKey::Left: moveSideways(-kStep); break;
    case View3dKey::Right: moveSideways(kStep); break;
    // Up and down: the height, or along the heading while "Z" is held.
    case View3dKey::Up: dragPlane_ ? moveAlongHeading(-kStep) : moveCamera(0, -kStep, 0); break;
    case View3dKey::Down: dragPlane_ ? moveAlongHeading(kStep) : moveCamera(0, kStep, 0); break;
    case View3dKey::Delete: session_.deleteObject(); break;
    case View3dKey::Digit1: lookFrom(0); break;
    case View3dKey::Digit2: lookFrom(90); break;
    case View3dKey::Digit3: lookFrom(180); break;
    case View3dKey::Digit4: lookFrom(270); break;
    case View3dKey::Digit5:
      display_.cycleViewMode();
      if (displayChanged) displayChanged();
      break;
    case View3dKey::Digit6: {
      Camera& camera = session_.scenes().liveCamera;
      camera.targetX = camera.targetY = camera.targetZ = 0;
      camera.eyeX = camera.eyeY = 0;
      camera.eyeZ = kEyeDistance;
      changeCamera();
      break;
    }
    case View3dKey::Digit7: {
      Camera& camera = session_.scenes().liveCamera;
      camera.targetX = camera.targetY = camera.targetZ = 0;
      changeCamera();
      break;
    }
    case View3dKey::C: centreOnObject(); break;
    case View3dKey::E: modifiers_.previous(); break;
    case View3dKey::R: modifiers_.next(); break;
    case View3dKey::T: showMaterialAndTexture(); break;
    case View3dKey::X: cycleNormalMode(); break;
    case View3dKey::A: toggleDisplay(toggles.animationFrozen); break;
    case View3dKey::H: toggleDisplay(toggles.groupOnly); break;
    case View3dKey::P: toggleDisplay(toggles.orthographic); break;
    case View3dKey::Q: toggleDisplay(toggles.guidesHidden); break;
    case View3dKey::W: toggleDisplay(toggles.wireframe); break;
    case View3dKey::G:
      toggles.gridMode = (toggles.gridMode + 1) % 4;
      if (displayChanged) displayChanged();
      break;
    default: break;
  }
}

void View3dController::ctrlKey(View3dKey key) {
  switch (key) {
    case View3dKey::Tab:
      if (const auto code = modifiers_.selectedCode()) modifiers_.setCode(*code - 1);
      break;
    case View3dKey::Left: previousCamera(); break;
    case View3dKey::Right: nextCamera(); break;
    case View3dKey::Up: slideToPreviousCamera(); break;
    case View3dKey::Down: slideToNextCamera(); break;
    case View3dKey::Digit1: zoomPreset(0); break;
    case View3dKey::Digit2: zoomPreset(1); break;
    case View3dKey::Digit3: zoomPreset(2); break;
    case View3dKey::Digit4: zoomPreset(3); break;
    default: break;
  }
}

void View3dController::moveCamera(double dx, double dy, double dz) {
  Camera& camera = session_.scenes().liveCamera;
  camera.targetX += dx, camera.eyeX += dx;
  camera.targetY += dy, camera.eyeY += dy;
  camera.targetZ += dz, camera.eyeZ += dz;
  changeCamera();
}

void View3dController::moveSideways(double units) {
  // Across the view: the direction a drag to the right moves things.
  const double a = radians(display_.viewAngle());
  moveCamera(-units * std::cos(a), 0, units * std::sin(a));
}

void View3dController::moveAlongHeading(double units) {
  // The eye lies along the heading from the target: forward is the other way.
  const double a = radians(display_.viewAngle());
  moveCamera(units * std::sin(a), 0, units * std::cos(a));
}

void View3dController::lookFrom(double degrees) {
  display_.setViewAngle(degrees);
  // Pointer turning goes on from this heading.
  viewAngleBase_ = static_cast<int>(degrees);
  Camera& camera = session_.scenes().liveCamera;
  camera.roll = 0;
  camera.eyeX = camera.targetX + kEyeDistance * std::sin(radians(degrees));
  camera.eyeY = camera.targetY;
  camera.eyeZ = camera.targetZ + kEyeDistance * std::cos(radians(degrees));
  display_.setTitleForm(View3dDisplay::TitleForm::Heading);
  changeCamera();
}

void View3dController::centreOnObject() {
  if (!hasObject()) return;
  const SceneObject& o = session_.scenes().activeObject();
  const Camera& camera = session_.scenes().liveCamera;
  moveCamera(o.posX - camera.targetX, o.posY - camera.targetY, o.posZ - camera.targetZ);
}

void View3dController::cycleNormalMode() {
  if (!hasObject()) return;
  SceneObject& o = session_.scenes().activeObject();
  o.normalMode = nextNormalMode(o.normalMode);
  session_.undoSnapshots().take(session_.scenes());
  session_.publish(Change::Objects);
}

void View3dController::showMaterialAndTexture() {
  if (tess::showMaterialAndTexture(session_.project()))
    session_.publish(Change::CurrentMaterial | Change::CurrentTexture | Change::Stages);
}

}  // namespace tess
