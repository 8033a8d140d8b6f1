// A click in the 3D view with the pick armed selects the object drawn under the pointer.
#include <gtest/gtest.h>

#include <optional>

#include "editor/editor_session.hpp"
#include "editor/view3d_controller.hpp"
#include "gl_test_support.hpp"

namespace tess::testing {
namespace {

class View3dPickTest : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    if (IsSkipped()) return;
    // A red ball left of the middle (object 0) and a blue one right of it (object 1).
    addBall(1, ColorValue{1, 0, 0, 1}, 5, 1).posX = -96;
    addBall(2, ColorValue{0, 0, 1, 1}, 5, 1).posX = 96;
    session_.scenes() = *scenes_;
    session_.scenes().activeScene().currentObject = 0;
    renderer_ = std::make_unique<gl::FrameRenderer>(*device_, session_.scenes(), session_.textures(), images_);
    renderer_->switches.guidesHidden = true;
    // The view shows the back buffer at twice its size.
    view_.setViewSize(2 * kWidth, 2 * kHeight);
    view_.setBackBufferSize(kWidth, kHeight);
    view_.pick = [this](int x, int y) {
      return renderer_->PickObject(x, y, gl::currentView(session_.scenes()));
    };
  }

  // A pixel of the rendered frame whose colour has the given channel (0 blue, 2 red) strong.
  std::optional<std::pair<int, int>> pixelOf(int channel) {
    renderer_->RenderFrame(0, gl::currentView(session_.scenes()));
    const auto& screen = device_->readBackBuffer();
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const std::uint8_t* p = screen.data() + 4 * (y * kWidth + x);
        if (p[channel] > 128 && p[2 - channel] < 64) return std::pair{x, y};
      }
    return std::nullopt;
  }

  void armedClick(int x, int y) {
    view_.keyDown(View3dKey::Space, {});
    view_.buttonDown(MouseButton::Left, x, y, {.left = true});
    view_.buttonUp(MouseButton::Left, x, y, {});
    view_.keyUp(View3dKey::Space, {});
  }

  int current() { return session_.scenes().activeObjectIndex(); }

  EditorSession session_;
  View3dDisplay display_{session_};
  View3dController view_{session_, display_};
};

TEST_F(View3dPickTest, ArmedClickSelectsTheObjectUnderThePointer) {
  const auto blue = pixelOf(0);
  ASSERT_TRUE(blue);
  armedClick(2 * blue->first, 2 * blue->second);
  EXPECT_EQ(current(), 1);

  const auto red = pixelOf(2);
  ASSERT_TRUE(red);
  armedClick(2 * red->first + 1, 2 * red->second + 1);
  EXPECT_EQ(current(), 0);

  armedClick(0, 0);  // the background
  EXPECT_EQ(current(), 0);
}

}  // namespace
}  // namespace tess::testing
