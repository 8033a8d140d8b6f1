#pragma once

// The 3D view's input, free of any toolkit: the keys the view acts on, the buttons and modifier
// keys held with an event, and what the view asks its widget to show (pointer shapes, pop-ups).

namespace tess {

enum class View3dKey {
  Backspace, Tab, Shift, Control, Space, Left, Right, Up, Down, Delete,
  Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7,
  A, C, D, E, G, H, P, Q, R, T, W, X, Z,
};

enum class MouseButton { Left, Right, Middle };

// The modifier keys and mouse buttons down while an event happened.
struct HeldInputs {
  bool shift = false;
  bool ctrl = false;
  bool left = false;
  bool right = false;
  bool middle = false;

  bool anyButton() const { return left || right || middle; }
  // The wheel's "only" tests: nothing else among the keys and buttons reported with it.
  bool onlyLeftButton() const { return left && !right && !middle && !shift && !ctrl; }
  bool onlyCtrl() const { return ctrl && !shift && !anyButton(); }
};

// Normal; Shift held (drag an object across the view, or in depth while "Z" is held); the next
// pick names a control object.
enum class PointerShape { Normal, Drag, DepthDrag, ControlPick };

// The pop-up a right click opens: the modifier menu, "camera", or the main menu's "Objects".
enum class View3dPopup { Modifiers, Camera, Objects };

}  // namespace tess
