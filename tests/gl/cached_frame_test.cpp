// Frames drawn with the meshes of earlier frames against frames of a renderer made afresh, pixel
// for pixel, after the changes a cache could miss.
#include <gtest/gtest.h>

#include <vector>

#include "gl_test_support.hpp"
#include "scene/modifier_codes.hpp"

namespace tess::testing {
namespace {

class CachedFrameTest : public GlTest {
 protected:
  // The warm renderer's frame, then a fresh renderer's frame of the same data: the same pixels.
  void expectSameAsFresh(const char* change) {
    frame();
    const std::vector<std::uint8_t> cached = device_->readBackBuffer();
    gl::FrameRenderer fresh(*device_, *scenes_, *textures_, images_);
    fresh.switches = renderer_->switches;
    fresh.RenderFrame(0, gl::currentView(*scenes_));
    EXPECT_TRUE(cached == device_->readBackBuffer()) << change;
  }

  // Texture 1's image regenerated with a new pattern, as a texture edit captures it.
  void regenerateHeights(int seed) {
    textures_->current = 1;
    std::uint8_t* stage = textures_->stage(textures_->displayedStage);
    for (int i = 0; i < 4 * textures_->size() * textures_->size(); ++i)
      stage[i] = static_cast<std::uint8_t>((i / 4 % 7) * seed);
    images_.capture(*textures_);
  }
};

TEST_F(CachedFrameTest, ControlObjectAndHeightImageChangesShowAtOnce) {
  Camera& camera = scenes_->liveCamera;
  camera.eyeX = 120, camera.eyeY = -300, camera.eyeZ = 200;
  SceneObject& ball = addBall(1, ColorValue{1, 0, 0, 1}, 3, 1);
  ball.posX = -90;
  scenes_->scenes[0].modifiers[0].count = 1;
  scenes_->scenes[0].modifiers[0].entries[0] = Modifier{0, 0, 0, 0, 90, modcode::GlobalRotateZ};
  SceneObject& land = addBall(2, ColorValue{0, 1, 0, 1}, 3, 2);
  land.type = objtype::Landscape;
  land.segU = land.segV = 20;
  land.material = 2;
  scenes_->materials[2].displaceMap = 1;
  scenes_->materials[2].displaceDepth = 120;
  SceneObject& cube = addBall(3, ColorValue{0, 0, 1, 1}, 2, 1);
  cube.type = objtype::Cube;
  cube.controlMode = 1;
  cube.controlObject = 0;
  regenerateHeights(9);
  expectSameAsFresh("first frame");

  scenes_->scenes[0].objects[2].controlObject = 1;
  expectSameAsFresh("the control object");
  regenerateHeights(31);
  expectSameAsFresh("the height image");
  scenes_->scenes[0].modifiers[0].entries[0].p5 = 30;
  expectSameAsFresh("the controlling list");
}

}  // namespace
}  // namespace tess::testing
