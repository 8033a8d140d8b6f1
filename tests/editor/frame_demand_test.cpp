// When the 3D view draws: continuously while the clock moves the picture, otherwise on request.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "editor/frame_demand.hpp"
#include "scene/modifier_codes.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

TEST(FrameDemand, StillAnimatedPlayingAndSlidingViews) {
  const ClockDependence still{};
  EXPECT_FALSE(drawsContinuously(still));
  EXPECT_TRUE(drawsContinuously({.sceneAnimated = true}));
  EXPECT_FALSE(drawsContinuously({.animationFrozen = true, .sceneAnimated = true}));
  // Playback and slides move scenes and cameras whatever the animation switch says.
  EXPECT_TRUE(drawsContinuously({.playing = true, .animationFrozen = true}));
  EXPECT_TRUE(drawsContinuously({.sliding = true, .animationFrozen = true}));
}

struct SceneClock : ::testing::Test {
  std::unique_ptr<SceneStore> store = std::make_unique<SceneStore>();
  Scene& scene = store->scenes[0];
  SceneClock() { scene.objectCount = 2; }
  void addEntry(int object, int code, std::int16_t amplitude) {
    ModifierList& list = scene.modifiers[object];
    list.entries[list.count++] = Modifier{amplitude, 0, 0, 0, 0, static_cast<std::uint8_t>(code)};
  }
};

TEST_F(SceneClock, AnimaAmplitudesWithinTheListReadTheClock) {
  EXPECT_FALSE(sceneReadsClock(*store, 0));
  addEntry(1, modcode::AnimaSpeed, 40);     // a speed alone moves nothing
  addEntry(1, modcode::AnimaCycle, 0);      // neither does an amplitude of 0
  EXPECT_FALSE(sceneReadsClock(*store, 0));
  addEntry(1, modcode::AnimaAbsSine, 16);
  EXPECT_TRUE(sceneReadsClock(*store, 0));
  scene.modifiers[1].count = 2;             // the entry past the count is not in the list
  EXPECT_FALSE(sceneReadsClock(*store, 0));
  scene.objectCount = 1;
  scene.modifiers[1].count = 3;             // nor is an object past the scene's count
  EXPECT_FALSE(sceneReadsClock(*store, 0));
}

TEST_F(SceneClock, CopyToTextureAndRenderSceneObjectsReadTheClock) {
  scene.objects[1].type = objtype::CopyToTexture;
  EXPECT_TRUE(sceneReadsClock(*store, 0));
  scene.objects[1].type = objtype::Sphere;
  // Render-scene objects count in every slot, as the frame collects them, when they name a scene.
  SceneObject& pass = scene.objects[200];
  pass.type = objtype::RenderScene;
  pass.posX = 64;
  EXPECT_FALSE(sceneReadsClock(*store, 0));
  pass.posX = 3;
  EXPECT_TRUE(sceneReadsClock(*store, 0));
}

TEST(FrameDemand, PacedToTheDisplayOrSixtyAFrameWhenUnknown) {
  EXPECT_NEAR(frameInterval(60), 1000.0 / 60, 1e-12);
  EXPECT_NEAR(frameInterval(144), 1000.0 / 144, 1e-12);
  for (double unknown : {0.0, -5.0, std::nan(""), 1e6})
    EXPECT_NEAR(frameInterval(unknown), 1000.0 / 60, 1e-12) << unknown;
  EXPECT_EQ(nextFrameDelay(16, 5), 11);
  EXPECT_EQ(nextFrameDelay(16, 40), 0);  // a slow frame: the next one at once
}

}  // namespace
}  // namespace tess
