#include "editor/view3d_display.hpp"

#include <cmath>

#include "editor/editor_session.hpp"

namespace tess {

void View3dDisplay::setViewAngle(double degrees) {
  viewAngle_ = std::fmod(degrees, 360.0);
  if (viewAngle_ < 0) viewAngle_ += 360.0;
}

void View3dDisplay::cycleViewMode() {
  viewMode_ = static_cast<ViewMode>((static_cast<int>(viewMode_) + 1) % 3);
  form_ = TitleForm::ViewMode;
}

std::string View3dDisplay::title() const {
  const std::string heading = std::to_string(static_cast<int>(viewAngle_));
  const std::string place = " scene:" + std::to_string(session_.scenes().currentScene) +
                            " camera:" + std::to_string(session_.scenes().currentCamera);
  switch (form_) {
    case TitleForm::Start: return "3d view: normal mode";
    case TitleForm::Turned: return "3d view: angle xz: " + heading + place;
    case TitleForm::Heading: return "3d view | angle xz: " + heading;
    case TitleForm::SceneMenu: return "3d view : angle xz: " + heading + place;
    case TitleForm::ViewMode: break;
  }
  static constexpr const char* kModes[] = {"3d view : normal mode", "3d view : upview",
                                           "3d view : bottomview"};
  return kModes[static_cast<int>(viewMode_)];
}

}  // namespace tess
