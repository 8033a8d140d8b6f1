#pragma once

#include <string>

#include "editor/changes.hpp"
#include "engine/view_transform.hpp"

namespace tess {

class EditorSession;

// The display switches the view's keys flip and every frame reads.
struct View3dToggles {
  bool animationFrozen = false;  // "A"
  bool groupOnly = false;        // "H"
  bool orthographic = false;     // "P"
  bool guidesHidden = false;     // "Q"
  bool wireframe = false;        // "W"
  int gridMode = 0;              // "G": 0 none, 1, 2, 3
};

// The 3D view's display state: its heading, its view mode, its display switches and the title
// that reports them. The
// title's form is chosen by the last action that set it; its numbers are always the current
// ones.
class View3dDisplay {
 public:
  enum class TitleForm {
    Start,      // "3d view: normal mode"
    Turned,     // after turning the view or changing the camera slot
    Heading,    // after the heading keys 1 to 4
    SceneMenu,  // after adding, deleting or choosing a scene from the main menu
    ViewMode,   // after the view mode key
  };

  explicit View3dDisplay(const EditorSession& session) : session_(session) {}

  // The changes after which the title may read differently.
  static constexpr Changes kTitled = Change::CurrentScene | Change::CurrentCamera;

  double viewAngle() const { return viewAngle_; }
  // Heading in degrees, wrapped into 0 <= angle < 360.
  void setViewAngle(double degrees);
  ViewMode viewMode() const { return viewMode_; }
  // Normal, up view, bottom view, normal, ...; the title names the mode.
  void cycleViewMode();

  View3dToggles& toggles() { return toggles_; }
  const View3dToggles& toggles() const { return toggles_; }

  void setTitleForm(TitleForm form) { form_ = form; }
  std::string title() const;

  // The height of a view width w that shows the back buffer's 4:3 picture plus a 25-pixel title.
  static int heightFor(int backBufferWidth, int width) {
    return (backBufferWidth * 480 / 640 + 25) * width / backBufferWidth;
  }

 private:
  const EditorSession& session_;
  double viewAngle_ = 0;
  ViewMode viewMode_ = ViewMode::Normal;
  TitleForm form_ = TitleForm::Start;
  View3dToggles toggles_;
};

}  // namespace tess
