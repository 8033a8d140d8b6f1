// The texture view's and the 3D view's display models.
#include <gtest/gtest.h>

#include "editor/editor_session.hpp"
#include "editor/texture_view_model.hpp"
#include "editor/view3d_display.hpp"

namespace tess {
namespace {

TEST(TextureViewModel, ShowsTheDisplayedStageWithItsZoomPanAndBackground) {
  EditorSession session;
  TextureViewModel model(session);
  EXPECT_EQ(model.title(), "1 texture stage");
  session.textures().displayedStage = 4;
  EXPECT_EQ(model.title(), "4 texture stage");

  // The wheel steps by 10 and wraps from below 0 to 255 and from above 255 to 0.
  model.wheel(-120);
  EXPECT_EQ(model.view().zoom, 54);
  for (int k = 0; k < 6; ++k) model.wheel(-120);
  EXPECT_EQ(model.view().zoom, 255);
  model.wheel(120);
  EXPECT_EQ(model.view().zoom, 0);
  model.resetZoom();
  EXPECT_EQ(model.view().zoom, 64);
  model.fitZoom(265, 302);
  EXPECT_EQ(model.view().zoom, 11);  // a fresh 32-pixel texture: 32 * 1.5 * 64 / 266

  // A drag moves the picture with the pointer, and a second drag goes on from there.
  model.startPan(100, 100);
  model.movePan(90, 130);
  model.endPan();
  model.movePan(0, 0);  // no longer panning
  model.startPan(0, 0);
  model.movePan(5, 5);
  EXPECT_EQ(model.view().panX, -5);
  EXPECT_EQ(model.view().panY, 35);

  std::vector<std::uint32_t> picture(4);
  model.resetZoom();
  model.startPan(0, 0);
  model.movePan(100000, 0);  // the texture is far off to the right: only background shows
  model.draw(2, 2, picture.data());
  EXPECT_EQ(picture[0], 0xFF000000u);
  model.toggleBackground();
  model.draw(2, 2, picture.data());
  EXPECT_EQ(picture[0], 0xFF808080u);
}

TEST(View3dDisplay, TitlesReportHeadingSceneCameraAndViewMode) {
  EditorSession session;
  View3dDisplay display(session);
  EXPECT_EQ(display.title(), "3d view: normal mode");

  session.addScene();
  session.scenes().currentCamera = 12;
  display.setViewAngle(271.9 + 720);
  display.setTitleForm(View3dDisplay::TitleForm::SceneMenu);
  EXPECT_EQ(display.title(), "3d view : angle xz: 271 scene:1 camera:12");
  display.setTitleForm(View3dDisplay::TitleForm::Turned);
  EXPECT_EQ(display.title(), "3d view: angle xz: 271 scene:1 camera:12");
  display.setViewAngle(-90);
  display.setTitleForm(View3dDisplay::TitleForm::Heading);
  EXPECT_EQ(display.title(), "3d view | angle xz: 270");

  display.cycleViewMode();
  EXPECT_EQ(display.title(), "3d view : upview");
  display.cycleViewMode();
  EXPECT_EQ(display.viewMode(), ViewMode::Bottom);
  EXPECT_EQ(display.title(), "3d view : bottomview");
  display.cycleViewMode();
  EXPECT_EQ(display.title(), "3d view : normal mode");
}

TEST(View3dDisplay, HeightKeepsTheBackBufferPictureAndTitleBar) {
  EXPECT_EQ(View3dDisplay::heightFor(640, 640), 505);
  EXPECT_EQ(View3dDisplay::heightFor(1280, 640), (960 + 25) * 640 / 1280);
  EXPECT_EQ(View3dDisplay::heightFor(1920, 333), (1440 + 25) * 333 / 1920);
}

}  // namespace
}  // namespace tess
