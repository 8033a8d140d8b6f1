#include "editor/view3d_controller.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

#include "editor/editor_session.hpp"

namespace tess {
namespace {

// The changes after which the marks are taken from the data again: another current object or
// modifier, scene or camera position (a pack load and an undo report these too).
constexpr Changes kRecentred =
    Change::CurrentObject | Change::CurrentModifier | Change::CurrentScene | Change::LiveCamera;

// A place seen along heading a (radians): across the view and along it.
View3dMarks marksOf(double worldX, double height, double worldZ, double a) {
  return {View3dController::wholeUnits(std::sin(a) * worldZ - std::cos(a) * worldX),
          View3dController::wholeUnits(height),
          View3dController::wholeUnits(std::cos(a) * worldZ + std::sin(a) * worldX)};
}

}  // namespace

int View3dController::wholeUnits(double value) {
  constexpr double kNoise = 1e-9;
  const double whole = std::trunc(value + (value < 0 ? -kNoise : kNoise));
  return static_cast<int>(std::clamp(whole, double{INT_MIN}, double{INT_MAX}));
}

View3dController::View3dController(EditorSession& session, View3dDisplay& display)
    : session_(session), display_(display), modifiers_(session) {
  subscription_ = session_.subscribe([this](Changes changes) {
    if (changes.any(kRecentred)) recentre();
  });
  recentre();
}

View3dController::~View3dController() { session_.unsubscribe(subscription_); }

void View3dController::setViewSize(int width, int height) {
  viewWidth_ = std::max(width, 1);
  viewHeight_ = std::max(height, 1);
}

void View3dController::setBackBufferSize(int width, int height) {
  backBufferWidth_ = width;
  backBufferHeight_ = height;
}

bool View3dController::hasObject() const {
  const Scene& scene = session_.scenes().activeScene();
  return scene.currentObject < scene.objectCount;
}

Modifier* View3dController::currentModifier() {
  const int current = modifiers_.current();
  if (!hasObject() || current < 0) return nullptr;
  return &session_.scenes().activeScene().modifiers[session_.scenes().activeObjectIndex()].entries[current];
}

void View3dController::recentre() {
  const SceneStore& scenes = session_.scenes();
  const Camera& camera = scenes.liveCamera;
  const double a = display_.viewAngle() * std::numbers::pi / 180;
  if (hasObject()) {
    const SceneObject& o = scenes.activeObject();
    const double x = o.posX + camera.targetX, z = o.posZ + camera.targetZ;
    const double y = o.posY + camera.targetY;
    objectMarks_ = marksOf(x, y, z, a);
    if (const Modifier* m = currentModifier())
      modifierMarks_ = marksOf(x + m->p1, y + m->p2, z + m->p3, a);
  }
  // A drag goes on from the marks as they are now.
  dragStartX_ = lastX_;
  dragStartY_ = lastY_;
}

void View3dController::changeCamera(Changes extra) { session_.publish(Change::LiveCamera | extra); }

void View3dController::toggleDisplay(bool& toggle) {
  toggle = !toggle;
  if (displayChanged) displayChanged();
}

std::optional<View3dPopup> View3dController::popupFor(HeldInputs held) const {
  if (sliding_) return std::nullopt;
  if (held.ctrl) return View3dPopup::Camera;
  if (held.shift) return View3dPopup::Objects;
  return View3dPopup::Modifiers;
}

void View3dController::keysLost() {
  if (sliding_) return;
  keyUp(View3dKey::Shift, {});
  keyUp(View3dKey::Control, {});
  keyUp(View3dKey::Space, {});
  keyUp(View3dKey::Z, {});
  keyUp(View3dKey::D, {});
}

int View3dController::cursorMode() const {
  return cursorMode_ == 0 && session_.scenes().controlPickArmed ? 2 : cursorMode_;
}

PointerShape View3dController::pointerShape() const {
  switch (cursorMode()) {
    case 1: return dragPlane_ ? PointerShape::DepthDrag : PointerShape::Drag;
    case 2: return PointerShape::ControlPick;
    default: return PointerShape::Normal;
  }
}

}  // namespace tess
