// The 3D view's input through its controller: camera slots and slides, zoom and modifier wheel
// limits, heading and view mode keys, drags at right-angle headings, picks.
#include <gtest/gtest.h>

#include <numbers>

#include "editor/editor_session.hpp"
#include "editor/view3d_controller.hpp"

namespace tess {
namespace {

constexpr HeldInputs kNone{};
constexpr HeldInputs kCtrl{.ctrl = true};
constexpr HeldInputs kShift{.shift = true};
constexpr HeldInputs kShiftLeft{.shift = true, .left = true};
constexpr HeldInputs kLeft{.left = true};

class View3dControllerTest : public ::testing::Test {
 protected:
  View3dControllerTest() {
    session_.startBlankProject();
    view_.setViewSize(640, 480);
    view_.setBackBufferSize(640, 480);
    session_.subscribe([this](Changes changes) { published_.push_back(changes); });
  }

  SceneStore& scenes() { return session_.scenes(); }
  Camera& live() { return scenes().liveCamera; }
  SceneObject& object() { return scenes().activeObject(); }
  Modifier& modifier() { return scenes().activeModifiers().entries[0]; }
  void giveModifier(Modifier m) {
    scenes().activeModifiers().count = 1;
    modifier() = m;
    scenes().currentModifier = 0;
    view_.recentre();
  }
  void press(View3dKey key, HeldInputs held = kNone) {
    view_.keyDown(key, held);
    view_.keyUp(key, held);
  }
  void notches(int count, HeldInputs held) {
    for (int i = 0; i < count; ++i) view_.wheel(120, held);
  }
  // Shift-drags the current object from (100, 100) to (x, y) and lets go.
  void shiftDrag(int x, int y) {
    view_.keyDown(View3dKey::Shift, kShift);
    view_.buttonDown(MouseButton::Left, 100, 100, kShiftLeft);
    view_.pointerMove(x, y, kShiftLeft);
    view_.buttonUp(MouseButton::Left, x, y, kShift);
    view_.keyUp(View3dKey::Shift, kNone);
  }

  EditorSession session_;
  View3dDisplay display_{session_};
  View3dController view_{session_, display_};
  std::vector<Changes> published_;
};

TEST_F(View3dControllerTest, CameraStepsStayInsideTheSlotsAndCopyTheSlot) {
  scenes().currentCamera = View3dController::kLastCameraSlot;
  EXPECT_FALSE(view_.nextCamera());
  scenes().currentCamera = 0;
  EXPECT_FALSE(view_.previousCamera());
  view_.keyDown(View3dKey::Left, kCtrl);
  EXPECT_EQ(scenes().currentCamera, 0);
  EXPECT_TRUE(published_.empty());

  scenes().cameras[1].zoom = 2.5;
  view_.keyDown(View3dKey::Right, kCtrl);
  EXPECT_EQ(scenes().currentCamera, 1);
  EXPECT_EQ(live(), scenes().cameras[1]);
  EXPECT_EQ(view_.title(), "3d view: angle xz: 0 scene:0 camera:1");
  EXPECT_EQ(published_.back(), Change::LiveCamera | Change::CurrentCamera);
  EXPECT_FALSE(session_.modified());  // choosing a slot edits nothing

  live().eyeX = 7;
  EXPECT_TRUE(view_.writeCamera());
  EXPECT_EQ(scenes().cameras[1].eyeX, 7);
  EXPECT_TRUE(session_.modified());
}

TEST_F(View3dControllerTest, CtrlWheelZoomsWithinItsLimits) {
  notches(8, kCtrl);
  EXPECT_EQ(live().zoom, 1.1171875);
  notches(400, kCtrl);
  EXPECT_EQ(live().zoom, View3dController::kZoomMax);
  for (int i = 0; i < 400; ++i) view_.wheel(-120, kCtrl);
  EXPECT_EQ(live().zoom, View3dController::kZoomMin);
  // With a button down too the wheel is not zooming.
  view_.wheel(120, HeldInputs{.ctrl = true, .left = true});
  EXPECT_EQ(live().zoom, View3dController::kZoomMin);
  view_.keyDown(View3dKey::Digit2, kCtrl);
  EXPECT_EQ(live().zoom, 2.0);

  // "D" held: the wheel rolls, within 1440 degrees, and a click sets the roll back to 0.
  view_.keyDown(View3dKey::D, kNone);
  view_.wheel(120, kNone);
  EXPECT_DOUBLE_EQ(live().roll, 120 / 1024.0);
  for (int i = 0; i < 2000; ++i) view_.wheel(120, kNone);
  EXPECT_DOUBLE_EQ(live().roll, 8 * std::numbers::pi);
  view_.buttonDown(MouseButton::Left, 5, 5, kLeft);
  EXPECT_EQ(live().roll, 0);
}

TEST_F(View3dControllerTest, WheelStepsTheCurrentModifierInsideItsRanges) {
  giveModifier({.p4 = 100, .p5 = 127});
  notches(3, kShift);
  EXPECT_EQ(modifier().p5, 127);
  view_.wheel(-120, kShift);  // a fine step is 7.5, truncated
  EXPECT_EQ(modifier().p5, 120);
  view_.wheel(120, kLeft);  // a coarse step of 60 with the left button alone
  EXPECT_EQ(modifier().p4, 160);
  modifier().p4 = 32760;
  view_.wheel(120, kNone);  // 32767 would leave the open range: unchanged
  EXPECT_EQ(modifier().p4, 32760);
  view_.wheel(-120, kNone);
  EXPECT_EQ(modifier().p4, 32753);

  // Middle double click negates p4; -32768 cannot be negated further than 32767.
  modifier().p4 = -32768;
  view_.doubleClick(MouseButton::Middle, 0, 0, kNone);
  EXPECT_EQ(modifier().p4, 32767);
}

TEST_F(View3dControllerTest, HeadingAndViewModeKeysSetTheirTitles) {
  live().targetX = 5;
  press(View3dKey::Digit3);
  EXPECT_NEAR(live().eyeX, 5, 1e-9);
  EXPECT_EQ(live().eyeY, 0);
  EXPECT_DOUBLE_EQ(live().eyeZ, -100);
  EXPECT_EQ(view_.title(), "3d view | angle xz: 180");
  for (const char* title : {"3d view : upview", "3d view : bottomview", "3d view : normal mode"}) {
    press(View3dKey::Digit5);
    EXPECT_EQ(view_.title(), title);
  }
  press(View3dKey::G);
  press(View3dKey::W);
  EXPECT_EQ(display_.toggles().gridMode, 1);
  EXPECT_TRUE(display_.toggles().wireframe);
}

TEST_F(View3dControllerTest, CtrlTurnsFromTheCommittedHeading) {
  view_.pointerMove(320, 240, kNone);
  view_.pointerMove(410, 140, kCtrl);  // 90 pixels right, 100 up
  EXPECT_EQ(display_.viewAngle(), 90);
  EXPECT_NEAR(live().eyeX, 100, 1e-9);
  EXPECT_EQ(live().eyeY, 100);
  EXPECT_EQ(view_.title(), "3d view: angle xz: 90 scene:0 camera:0");
  view_.keyUp(View3dKey::Control, kNone);
  EXPECT_EQ(view_.viewAngleBase(), 90);
  view_.pointerMove(0, 240, kNone);
  view_.pointerMove(-300, 240, kCtrl);
  EXPECT_EQ(display_.viewAngle(), 150);  // 90 - 300, wrapped
}

// Shift-drags move the object one unit a pixel across the view and in height (in depth with
// "Z"), whatever the heading; the drag leaves marks the next drag goes on from.
TEST_F(View3dControllerTest, ShiftDragMovesTheObjectAlongTheView) {
  object().posX = 10, object().posY = 20, object().posZ = 30;
  view_.recentre();
  EXPECT_EQ(view_.objectMarks().lateral, -10);
  shiftDrag(105, 97);
  EXPECT_EQ(object().posX, 5);
  EXPECT_EQ(object().posY, 17);
  EXPECT_EQ(object().posZ, 30);
  EXPECT_EQ(view_.objectMarks().lateral, -5);
  EXPECT_EQ(view_.objectMarks().height, 17);

  press(View3dKey::Digit2);  // heading 90: across the view is +z
  shiftDrag(110, 100);
  EXPECT_EQ(object().posX, 5);
  EXPECT_EQ(object().posY, 17);
  EXPECT_EQ(object().posZ, 40);

  view_.keyDown(View3dKey::Z, kNone);
  shiftDrag(100, 93);  // depth along the heading: x at 90 degrees
  view_.keyUp(View3dKey::Z, kNone);
  EXPECT_EQ(object().posX, -2);
  EXPECT_EQ(object().posY, 17);
  EXPECT_EQ(object().posZ, 40);

  // A drag far off the scene stops at the field's limit instead of wrapping.
  shiftDrag(100 - 40000, 100);
  EXPECT_EQ(object().posZ, -32768);
}

TEST_F(View3dControllerTest, PlainDragMovesTheModifierRelativeToItsObject) {
  object().posX = 10;
  giveModifier({.p1 = 3, .p2 = 4, .p3 = 5});
  view_.buttonDown(MouseButton::Left, 100, 100, kLeft);
  view_.pointerMove(98, 110, kLeft);
  view_.buttonUp(MouseButton::Left, 98, 110, kNone);
  EXPECT_EQ(object().posX, 10);
  EXPECT_EQ(modifier().p1, 5);
  EXPECT_EQ(modifier().p2, 14);
  EXPECT_EQ(modifier().p3, 5);
}

TEST_F(View3dControllerTest, ArmedClickPicksThroughTheSession) {
  session_.createObject(0);
  session_.createObject(0);
  ASSERT_EQ(scenes().activeObjectIndex(), 2);
  int pickedX = -1, pickedY = -1;
  int under = -1;
  view_.pick = [&](int x, int y) {
    pickedX = x, pickedY = y;
    return under;
  };
  view_.setViewSize(320, 240);
  const int snapshots = scenes().snapshotCounter;

  // The background: nothing changes, nothing to undo.
  view_.keyDown(View3dKey::Space, kNone);
  view_.buttonDown(MouseButton::Left, 10, 20, kLeft);
  view_.buttonUp(MouseButton::Left, 10, 20, kNone);
  EXPECT_EQ(pickedX, 20);
  EXPECT_EQ(pickedY, 40);
  EXPECT_EQ(scenes().activeObjectIndex(), 2);
  EXPECT_EQ(scenes().snapshotCounter, snapshots);
  EXPECT_FALSE(view_.pickArmed());

  // An object: it becomes current with its last modifier, and the click can be undone.
  scenes().activeScene().modifiers[1].count = 2;
  under = 1;
  view_.buttonDown(MouseButton::Left, 10, 20, kLeft);  // disarmed: no pick
  view_.buttonUp(MouseButton::Left, 10, 20, kNone);
  EXPECT_EQ(scenes().activeObjectIndex(), 2);
  view_.keyDown(View3dKey::Space, kNone);
  view_.buttonDown(MouseButton::Left, 10, 20, kLeft);
  view_.buttonUp(MouseButton::Left, 10, 20, kNone);
  EXPECT_EQ(scenes().activeObjectIndex(), 1);
  EXPECT_EQ(scenes().currentModifier, 1);
  EXPECT_EQ(scenes().snapshotCounter, snapshots + 1);
}

TEST_F(View3dControllerTest, SlideBlendsTwentyFramesThenLandsExactlyOnTheSlot) {
  scenes().cameras[0] = Camera{};
  scenes().cameras[1] = Camera{.targetX = 0.3, .eyeX = 200, .eyeY = 0.1, .eyeZ = -7, .roll = 1, .zoom = 3};
  EXPECT_FALSE(view_.slideToPreviousCamera());
  view_.keyDown(View3dKey::Down, kCtrl);
  ASSERT_TRUE(view_.sliding());
  int frames = 0;
  while (view_.sliding()) {
    // Input meanwhile is dropped, not queued.
    press(View3dKey::Digit6);
    view_.wheel(120, kCtrl);
    EXPECT_FALSE(view_.popupFor(kNone));
    view_.slideStep();
    ++frames;
    if (frames == 11) {
      EXPECT_DOUBLE_EQ(live().eyeX, 100);  // t = 0.5
    }
  }
  EXPECT_EQ(frames, View3dController::kSlideSteps + 1);
  EXPECT_EQ(scenes().currentCamera, 1);
  EXPECT_EQ(live(), scenes().cameras[1]);
  EXPECT_EQ(view_.title(), "3d view: angle xz: 0 scene:0 camera:1");
}

TEST_F(View3dControllerTest, PopupsAndPointerShapesFollowTheKeys) {
  EXPECT_EQ(view_.popupFor(kNone), View3dPopup::Modifiers);
  EXPECT_EQ(view_.popupFor(kCtrl), View3dPopup::Camera);
  EXPECT_EQ(view_.popupFor(kShift), View3dPopup::Objects);
  view_.keyDown(View3dKey::Shift, kShift);
  EXPECT_EQ(view_.pointerShape(), PointerShape::Drag);
  view_.keyDown(View3dKey::Z, kShift);
  EXPECT_EQ(view_.pointerShape(), PointerShape::DepthDrag);
  view_.popupClosed();
  EXPECT_EQ(view_.pointerShape(), PointerShape::Normal);
  session_.armControlPick();
  EXPECT_EQ(view_.cursorMode(), 2);
  EXPECT_EQ(view_.pointerShape(), PointerShape::ControlPick);
}

}  // namespace
}  // namespace tess
