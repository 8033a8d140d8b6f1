#pragma once

#include <functional>
#include <optional>
#include <string>

#include "editor/changes.hpp"
#include "editor/modifiers_model.hpp"
#include "editor/view3d_display.hpp"
#include "editor/view3d_input.hpp"
#include "scene/scene_types.hpp"

namespace tess {

class EditorSession;

// Where the view's drags start from: an object's or a modifier's place seen along the heading,
// in whole position units. Re-centring sets them from the data; drags advance them.
struct View3dMarks {
  int lateral = 0;  // across the view
  int height = 0;
  int depth = 0;    // along the heading
};

// The 3D view's input behaviour: keys, pointer, wheel and pop-up commands move liveCamera, manage
// the camera slots, pick, drag and create objects and modifiers, switch the display, and choose
// the title. Each event acts on the session, which tells the windows what changed (once per
// command). A camera slide runs one step per frame the caller draws; while it runs every input
// is ignored.
class View3dController {
 public:
  View3dController(EditorSession& session, View3dDisplay& display);
  ~View3dController();
  View3dController(const View3dController&) = delete;
  View3dController& operator=(const View3dController&) = delete;

  // The widget's picture area and the renderer's back buffer, in pixels.
  void setViewSize(int width, int height);
  void setBackBufferSize(int width, int height);
  // The object index drawn at a back-buffer pixel, or -1 for none (the renderer's pick).
  std::function<int(int x, int y)> pick;
  // Display state that no session change reports (a toggle, the view mode, a slide) changed.
  std::function<void()> displayChanged;

  // Input. Pointer positions are in the picture area's pixels from its top left.
  void keyDown(View3dKey key, HeldInputs held);
  void keyUp(View3dKey key, HeldInputs held);
  void pointerMove(int x, int y, HeldInputs held);
  void buttonDown(MouseButton button, int x, int y, HeldInputs held);
  void buttonUp(MouseButton button, int x, int y, HeldInputs held);
  void doubleClick(MouseButton button, int x, int y, HeldInputs held);
  // delta: 120 a notch, positive away from the user.
  void wheel(int delta, HeldInputs held);
  // The pop-up a right click with these keys opens; none during a slide.
  std::optional<View3dPopup> popupFor(HeldInputs held) const;
  // A pop-up closed: the pointer is normal again.
  void popupClosed() { cursorMode_ = 0; }
  // The view lost the keyboard: keys held now will not be seen going up.
  void keysLost();

  // The "camera" pop-up's commands (also keys with Ctrl); each returns whether it acted.
  bool writeCamera();
  bool nextCamera();
  bool previousCamera();
  bool slideToNextCamera();
  bool slideToPreviousCamera();
  // 0 max, 1 middle, 2 25%, 3 min.
  bool zoomPreset(int preset);

  // A running slide: the caller draws one frame after each step until it ends.
  bool sliding() const { return sliding_; }
  void slideStep();
  static constexpr int kSlideSteps = 20;

  // State the widget shows and the tests read.
  std::string title() const { return display_.title(); }
  PointerShape pointerShape() const;
  int cursorMode() const;  // 0 normal, 1 Shift held, 2 control-object pick armed
  int dragPlane() const { return dragPlane_; }
  int dragTarget() const { return dragTarget_; }
  bool pickArmed() const { return pickArmed_; }
  int viewAngleBase() const { return viewAngleBase_; }
  const View3dMarks& objectMarks() const { return objectMarks_; }
  const View3dMarks& modifierMarks() const { return modifierMarks_; }

  // The marks from the current object and modifier, seen along the heading.
  void recentre();
  // Whole position units toward zero, ignoring the rounding noise of sines and cosines (a place
  // at 30 seen at a right angle stays 30, not 29).
  static int wholeUnits(double value);

  static constexpr double kZoomMin = 0.015625, kZoomMax = 3.984375;
  static constexpr double kZoomPresets[] = {3.984375, 2.0, 1.0, 0.03125};
  static constexpr int kLastCameraSlot = kCameraSlots - 1;

 private:
  // view3d_controller.cpp
  void changeCamera(Changes extra = {});
  bool hasObject() const;
  Modifier* currentModifier();  // none without a current object or modifier
  void toggleDisplay(bool& toggle);
  // view3d_keys.cpp
  void commandKey(View3dKey key);
  void ctrlKey(View3dKey key);
  // Target and eye together.
  void moveCamera(double dx, double dy, double dz);
  void moveSideways(double units);
  void moveAlongHeading(double units);
  void lookFrom(double degrees);
  void centreOnObject();
  void cycleNormalMode();
  void showMaterialAndTexture();
  // view3d_pointer.cpp
  // A point being dragged: world x and z, and the height the pointer gives it.
  struct DragPlace {
    double x, height, z;
  };
  int dragY(int y) const;
  // Where the pointer puts a point with these marks that now lies at (worldX, worldZ).
  DragPlace dragPlace(const View3dMarks& marks, double worldX, double worldZ) const;
  void dragObject();
  void dragModifier();
  void turn(int x, int y);
  void pickAt(int x, int y);
  // 0 objects, 1 modifiers; a drag in progress first keeps what it moved so far.
  void setDragTarget(int target);
  // Moves the marks of what the drag moves (an object's modifier moves with it).
  void advanceMarks(int lateral, int height, int depth);
  // The pointer's motion since the drag (re)started into the marks; the drag restarts there.
  void foldDrag();
  // The vertical motion only, into the height or the depth marks.
  void foldVertical(bool intoHeight);
  // view3d_cameras.cpp
  bool selectCamera(int slot);
  bool startSlide(int slot);

  EditorSession& session_;
  View3dDisplay& display_;
  ModifiersModel modifiers_;
  int subscription_ = 0;

  int viewWidth_ = 640, viewHeight_ = 480;
  int backBufferWidth_ = 640, backBufferHeight_ = 480;

  int viewAngleBase_ = 0;
  int dragPlane_ = 0;
  int dragTarget_ = 0;
  bool pickArmed_ = false;
  int cursorMode_ = 0;  // 0 or 1; 2 is shown while the scene store arms a control pick
  bool dHeld_ = false;
  View3dMarks objectMarks_, modifierMarks_;

  bool dragging_ = false;
  bool movedInDrag_ = false, pickedInDrag_ = false;  // the press changed something: snapshot it
  int dragStartX_ = 0, dragStartY_ = 0;
  int lastX_ = 0, lastY_ = 0;  // the pointer, y as drags see it
  int turnReference_ = 0;

  bool sliding_ = false;
  int slideStep_ = 0;
  int slideTarget_ = 0;
  Camera slideFrom_;
};

}  // namespace tess
