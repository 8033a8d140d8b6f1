// The 3D view's pointer: dragging objects and modifier centres across the view or in depth,
// turning the view with Ctrl, picking, and the double clicks that edit the modifier list.
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "editor/editor_session.hpp"
#include "editor/view3d_controller.hpp"

namespace tess {
namespace {

// Drags never wrap a 16-bit field around to the other side of the scene.
std::int16_t toField(double value) {
  return static_cast<std::int16_t>(
      std::clamp(View3dController::wholeUnits(value), INT16_MIN, INT16_MAX));
}

}  // namespace

int View3dController::dragY(int y) const {
  return display_.viewMode() == ViewMode::Bottom ? -y : y;
}

void View3dController::pointerMove(int x, int y, HeldInputs held) {
  if (sliding_) return;
  const bool dragged = held.left && !held.ctrl && dragging_;
  // Shift pressed or released where the view did not see it: what was dragged so far stays.
  if (dragged) setDragTarget(held.shift ? 0 : 1);
  lastX_ = x;
  lastY_ = dragY(y);
  if (dragged) {
    if (held.shift)
      dragObject();
    else
      dragModifier();
  } else if (held.ctrl) {
    turn(x, y);
  } else {
    turnReference_ = x - viewWidth_ / 2;
  }
}

View3dController::DragPlace View3dController::dragPlace(const View3dMarks& marks, double worldX,
                                                        double worldZ) const {
  const double a = display_.viewAngle() * std::numbers::pi / 180;
  const double across = lastX_ + (marks.lateral - dragStartX_);
  // In the normal plane the point keeps its depth and the pointer moves its height; with "Z" the
  // pointer moves it in depth.
  const double depth = dragPlane_ ? lastY_ + (marks.depth - dragStartY_)
                                  : std::cos(a) * worldZ + std::sin(a) * worldX;
  return {depth * std::sin(a) - across * std::cos(a),
          static_cast<double>(lastY_ + (marks.height - dragStartY_)),
          across * std::sin(a) + depth * std::cos(a)};
}

void View3dController::dragObject() {
  if (!hasObject()) return;
  SceneObject& o = session_.scenes().activeObject();
  const Camera& camera = session_.scenes().liveCamera;
  const DragPlace place = dragPlace(objectMarks_, o.posX + camera.targetX, o.posZ + camera.targetZ);
  SceneObject moved = o;
  moved.posX = toField(place.x - camera.targetX);
  moved.posZ = toField(place.z - camera.targetZ);
  if (!dragPlane_) moved.posY = toField(place.height - camera.targetY);
  if (moved == o) return;
  o = moved;
  movedInDrag_ = true;
  session_.publish(Change::Objects);
}

void View3dController::dragModifier() {
  Modifier* current = currentModifier();
  if (!current) return;
  Modifier& m = *current;
  const SceneObject& o = session_.scenes().activeObject();
  const Camera& camera = session_.scenes().liveCamera;
  const double baseX = o.posX + camera.targetX, baseZ = o.posZ + camera.targetZ;
  const DragPlace place = dragPlace(modifierMarks_, baseX + m.p1, baseZ + m.p3);
  Modifier moved = m;
  moved.p1 = toField(place.x - baseX);
  moved.p3 = toField(place.z - baseZ);
  if (!dragPlane_) moved.p2 = toField(place.height - camera.targetY - o.posY);
  if (moved == m) return;
  m = moved;
  movedInDrag_ = true;
  session_.publish(Change::Modifiers);
}

void View3dController::turn(int x, int y) {
  Camera& camera = session_.scenes().liveCamera;
  const int heading = (x - viewWidth_ / 2 - turnReference_) * backBufferWidth_ / viewWidth_;
  display_.setViewAngle(heading + viewAngleBase_);
  const double a = display_.viewAngle() * std::numbers::pi / 180;
  camera.eyeX = camera.targetX + 100 * std::sin(a);
  camera.eyeZ = camera.targetZ + 100 * std::cos(a);
  camera.eyeY = camera.targetY - (y - viewHeight_ / 2) * backBufferWidth_ / viewWidth_;
  display_.setTitleForm(View3dDisplay::TitleForm::Turned);
  changeCamera();
}

void View3dController::buttonDown(MouseButton button, int x, int y, HeldInputs) {
  if (sliding_ || button != MouseButton::Left) return;
  if (dHeld_) {
    session_.scenes().liveCamera.roll = 0;
    changeCamera();
    return;
  }
  lastX_ = x;
  lastY_ = dragY(y);
  if (pickArmed_) {
    pickAt(x, y);
    pickArmed_ = false;
  }
  if (!dragging_) {
    dragging_ = true;
    dragStartX_ = lastX_;
    dragStartY_ = lastY_;
  }
}

void View3dController::pickAt(int x, int y) {
  if (!pick) return;
  // The picture fills the view: scale to the back buffer's pixels.
  const int picked = pick(x * backBufferWidth_ / viewWidth_, y * backBufferHeight_ / viewHeight_);
  if (picked >= 0 && session_.applyPick(picked)) pickedInDrag_ = true;
}

void View3dController::buttonUp(MouseButton button, int x, int y, HeldInputs) {
  if (sliding_ || button != MouseButton::Left || !dragging_) return;
  lastX_ = x;
  lastY_ = dragY(y);
  foldDrag();
  dragging_ = false;
  if (movedInDrag_ || pickedInDrag_) session_.undoSnapshots().take(session_.scenes());
  movedInDrag_ = pickedInDrag_ = false;
}

void View3dController::setDragTarget(int target) {
  if (target == dragTarget_) return;
  if (dragging_) foldDrag();
  dragTarget_ = target;
}

void View3dController::advanceMarks(int lateral, int height, int depth) {
  for (View3dMarks* marks : {&objectMarks_, &modifierMarks_}) {
    // A modifier drag leaves its object where it is.
    if (marks == &objectMarks_ && dragTarget_ == 1) continue;
    marks->lateral += lateral;
    marks->height += height;
    marks->depth += depth;
  }
}

void View3dController::foldDrag() {
  const int vertical = lastY_ - dragStartY_;
  advanceMarks(lastX_ - dragStartX_, dragPlane_ ? 0 : vertical, dragPlane_ ? vertical : 0);
  dragStartX_ = lastX_;
  dragStartY_ = lastY_;
}

void View3dController::foldVertical(bool intoHeight) {
  if (!dragging_) return;
  const int vertical = lastY_ - dragStartY_;
  advanceMarks(0, intoHeight ? vertical : 0, intoHeight ? 0 : vertical);
  dragStartY_ = lastY_;
}

void View3dController::doubleClick(MouseButton button, int, int, HeldInputs held) {
  if (sliding_) return;
  switch (button) {
    case MouseButton::Left:
      if (!held.shift && cursorMode_ != 1 && !pickArmed_) modifiers_.create();
      break;
    case MouseButton::Right: modifiers_.remove(); break;
    case MouseButton::Middle:
      // p4 becomes -p4 (-32768 gives 32767).
      if (const Modifier* m = currentModifier()) modifiers_.stepSecond(-2 * m->p4);
      break;
  }
}

}  // namespace tess
