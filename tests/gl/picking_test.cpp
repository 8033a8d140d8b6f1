#include <gtest/gtest.h>

#include "gl_test_support.hpp"

namespace tess::testing {
namespace {

class PickingTest : public GlTest {
 protected:
  // A ball in the middle of the picture as object `index`, after zbuf cleaners.
  void ballAt(int index) {
    for (int i = 0; i < index; ++i) add(objtype::ZBufferCleaner);
    addBall(1, ColorValue{1, 1, 1, 1}, 5, 2);
  }
};

// A pick returns the index drawn at the point, or -1 on the background, and selects nothing:
// neither the current object nor, while control picking is armed, a control object.
TEST_F(PickingTest, PickReturnsTheIndexDrawnAndChangesNoSelection) {
  const Scene& scene = scenes_->scenes[0];
  for (int index : {3, 127, 253})
    for (bool armed : {false, true}) {
      scenes_->scenes[0].objectCount = 0;
      ballAt(index);
      scenes_->controlPickArmed = armed;
      const gl::FrameView view = gl::currentView(*scenes_);
      EXPECT_EQ(renderer_->PickObject(kWidth / 2, kHeight / 2, view), index);
      EXPECT_EQ(renderer_->PickObject(0, 0, view), -1);
      EXPECT_EQ(scene.currentObject, 0);
      EXPECT_EQ(scene.objects[0].controlMode, 0);
      EXPECT_EQ(scenes_->controlPickArmed, armed);
    }
}

// The index image is the given scene through the given camera, not the current ones.
TEST_F(PickingTest, PickDrawsTheGivenView) {
  scenes_->sceneCount = 2;
  addBall(1, ColorValue{1, 1, 1, 1}, 5, 2, 1);
  gl::FrameView view{1, scenes_->liveCamera};
  EXPECT_EQ(renderer_->PickObject(kWidth / 2, kHeight / 2, view), 0);
  view.camera.targetX = view.camera.eyeX = 64 * 20;  // beside the ball
  EXPECT_EQ(renderer_->PickObject(kWidth / 2, kHeight / 2, view), -1);
  EXPECT_EQ(renderer_->PickObject(kWidth / 2, kHeight / 2, gl::currentView(*scenes_)), -1);
}

}  // namespace
}  // namespace tess::testing
