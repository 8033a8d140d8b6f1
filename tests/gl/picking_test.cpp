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

TEST_F(PickingTest, PickSelectsTheIndexDrawnAndTheBackgroundNothing) {
  for (int index : {3, 127, 253}) {
    scenes_->scenes[0].objectCount = 0;
    scenes_->scenes[0].currentObject = 0;
    ballAt(index);
    EXPECT_EQ(renderer_->PickObject(kWidth / 2, kHeight / 2), index);
    EXPECT_EQ(scenes_->scenes[0].currentObject, index);
  }
  EXPECT_EQ(renderer_->PickObject(0, 0), 255);
  EXPECT_EQ(scenes_->scenes[0].currentObject, 253);
}

TEST_F(PickingTest, ControlPickSetsTheControlObject) {
  ballAt(2);
  scenes_->controlPickArmed = true;
  renderer_->PickObject(kWidth / 2, kHeight / 2);
  EXPECT_EQ(scenes_->scenes[0].currentObject, 0);
  EXPECT_EQ(scenes_->scenes[0].objects[0].controlObject, 2);
  EXPECT_EQ(scenes_->scenes[0].objects[0].controlMode, 1);
  EXPECT_FALSE(scenes_->controlPickArmed);
}

}  // namespace
}  // namespace tess::testing
