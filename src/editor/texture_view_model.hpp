#pragma once

#include <cstdint>
#include <string>

#include "editor/changes.hpp"
#include "editor/texture_editing.hpp"
#include "editor/texture_view_picture.hpp"
#include "editor/window_layout.hpp"

namespace tess {

class EditorSession;

// A key as the texture view receives it.
struct ViewKey {
  enum class Named { None, Tab, Backtab, Backspace, F1, F2, F3, F4, F5 };
  Named named = Named::None;
  char character = 0;  // the key's own character: letters in upper case, digits, space; else 0
  char typed = 0;      // the ASCII character it types with the modifiers held; else 0
  bool control = false;
  bool autoRepeat = false;
};

// What the window does after a key beyond drawing again.
struct ViewKeyAction {
  bool handled = false;
  int scheme = -1;         // F1..F5: load window scheme 0..4
  bool fitWindow = false;  // "9": give the window fittedWindowSize(), then fitZoom
};

// The texture view's behaviour: which stage it shows (the current texture's displayed stage),
// its title, its zoom, pan and background, its picture, and the keys and pointer gestures that
// choose and place the texture editor's operation.
class TextureViewModel {
 public:
  explicit TextureViewModel(EditorSession& session) : session_(session) {}

  // The changes after which the view draws again.
  static constexpr Changes kShown = Change::Stages | Change::CurrentTexture;

  const TextureViewState& view() const { return view_; }
  // "4 texture stage": the stage shown.
  std::string title() const;
  // The picture for a width x height view (row 0 at the top, 0xAARRGGBB words).
  void draw(int width, int height, std::uint32_t* picture) const;
  // The view's size in pixels, for the pointer and the fitting keys.
  void resize(int width, int height);

  // Keys. While DrwTxt is selected the view takes typed text instead of shortcuts: letters in upper
  // case, digits, space and ! , . ? up to 31 characters, Backspace.
  ViewKeyAction pressKey(const ViewKey& key);
  void releaseKey(const ViewKey& key);
  bool panMode() const { return panMode_; }
  // "9": the window size that shows the whole texture at one texture pixel per screen pixel.
  WindowSize fittedWindowSize() const;

  // Key "0": one texture pixel per screen pixel.
  void resetZoom() { view_.zoom = 64; }
  // Key "8": the whole texture fits a width x height view.
  void fitZoom(int width, int height);
  // The wheel (120 a notch; smaller deltas add up) steps the zoom by 10 a notch, down decreasing,
  // wrapping from below 0 to 255 and from above 255 to 0. While a key "1".."7" is held it changes
  // that parameter by delta * 0.02 instead.
  void wheel(int delta);
  // Key "W": mid-grey instead of black outside the texture.
  void toggleBackground() { view_.greyBackground = !view_.greyBackground; }
  // Panning: the picture follows the pointer from where the drag started.
  void startPan(int x, int y);
  void movePan(int x, int y);
  void endPan() { panning_ = false; }
  bool panning() const { return panning_; }

  // The left button at x, y (from the view's top left), pressed or moved while held: pans in pan
  // mode, else places an operation whose first parameter is "x" at the texture point there.
  void pressPointer(int x, int y);
  void movePointer(int x, int y);
  void releasePointer() { endPan(); }
  // A double click commits the selected operation, as the editor's "OK".
  bool doubleClick();

  // Placing and wheel changes only mark the preview due; the window runs it when the events
  // waiting are handled.
  bool previewDue() const { return preview_.due(); }
  bool runDuePreview() { return preview_.run(session_); }

 private:
  bool takesText() const;
  bool typeCharacter(char typed);
  bool eraseCharacter();
  bool stepOperation(int direction);
  bool placeAt(int x, int y);
  // Whole steps of `unit` in the wheel deltas gathered so far; the rest waits for the next delta.
  int wheelSteps(int delta, int unit);

  EditorSession& session_;
  TextureViewState view_;
  int width_ = 256, height_ = 256;
  bool panMode_ = false;
  bool panning_ = false;
  int grabX_ = 0, grabY_ = 0;          // pointer where the drag started
  int panStartX_ = 0, panStartY_ = 0;  // pan offset then
  int heldParameter_ = -1;             // the row whose key "1".."7" is held
  int wheelRest_ = 0;
  DuePreview preview_;
};

}  // namespace tess
