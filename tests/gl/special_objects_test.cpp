#include <gtest/gtest.h>

#include "gl_test_support.hpp"
#include "texture/interpreter.hpp"

namespace tess::testing {
namespace {

constexpr std::array<std::uint8_t, 4> kRed = {0, 0, 255, 255};
constexpr std::array<std::uint8_t, 4> kBlue = {255, 0, 0, 255};
constexpr ColorValue kWhite{1, 1, 1, 1};

using SpecialObjectTest = GlTest;

// Fog start 30 and end 300 at zoom 1 fog linearly from depth 10 to depth 100, towards the fog
// material's ambient colour (black here).
TEST_F(SpecialObjectTest, FogIsLinearFromStartToEndOverThree) {
  for (auto [front, expected] : {std::pair{5.0, 255}, {51.0, 139}, {146.0, 0}}) {
    scenes_->scenes[0].objectCount = 0;
    SceneObject& fog = add(objtype::Fog);
    fog.material = 3;
    fog.sizeX = 30;
    fog.sizeY = 300;
    addBall(1, kWhite, front, 4);
    frame();
    EXPECT_NEAR(red(kWidth / 2, kHeight / 2), expected, 6) << front;
  }
}

TEST_F(SpecialObjectTest, FogEndsWithTheFrame) {
  SceneObject& fog = add(objtype::Fog);
  fog.sizeX = 3;
  fog.sizeY = 6;
  frame();
  scenes_->scenes[0].objectCount = 0;
  addBall(1, kWhite, 51, 4);
  frame();
  EXPECT_EQ(red(kWidth / 2, kHeight / 2), 255);
}

// What was drawn so far lands in a render-target texture with the top of the picture in row 0,
// so a postprocessor showing that texture repeats the picture the right way up; an ordinary
// texture refuses the copy. The current texture, a render target, gets its storage at the start
// of the frame and keeps what was copied into it.
TEST_F(SpecialObjectTest, CopyToTextureFillsOnlyRenderTargets) {
  uploadHalves(1, kRed, kBlue);
  uploadHalves(6, {0, 255, 0, 255}, {0, 255, 0, 255});
  textures_->slots[5].type = kTextureRenderTarget;
  textures_->current = 5;
  addScreen(1, 1.0f, 1);
  add(objtype::CopyToTexture).texture = 5;
  add(objtype::CopyToTexture).texture = 6;
  frame();
  EXPECT_TRUE(device_->isRenderTarget(5));

  scenes_->scenes[0].objectCount = 0;
  addScreen(1, 1.0f, 5);
  frame();
  EXPECT_EQ(red(kWidth / 2, 12), 255);
  EXPECT_EQ(blue(kWidth / 2, kHeight - 13), 255);

  scenes_->scenes[0].objectCount = 0;
  addScreen(1, 1.0f, 6);
  frame();
  EXPECT_EQ(pixel(kWidth / 2, 4)[1], 255);
  EXPECT_EQ(red(kWidth / 2, 4), 0);
}

// Scene passes draw over each other into the same depth buffer: the nearer red ball of the first
// pass hides the green one of the second until a zbuf cleaner starts the second scene.
TEST_F(SpecialObjectTest, RenderScenePassesShareTheDepthBufferUntilCleaned) {
  scenes_->sceneCount = 3;
  add(objtype::RenderScene).posX = 1;
  add(objtype::RenderScene).posX = 2;
  addBall(1, ColorValue{1, 0, 0, 1}, 3, 2, 1);
  addBall(2, ColorValue{0, 1, 0, 1}, 20, 12, 2);
  frame();
  EXPECT_EQ(red(kWidth / 2, kHeight / 2), 255);

  Scene& second = scenes_->scenes[2];
  second.objects[1] = second.objects[0];
  second.objects[0] = SceneObject{};
  second.objects[0].type = objtype::ZBufferCleaner;
  second.objectCount = 2;
  frame();
  EXPECT_EQ(red(kWidth / 2, kHeight / 2), 0);
  EXPECT_EQ(pixel(kWidth / 2, kHeight / 2)[1], 255);
  EXPECT_EQ(scenes_->currentScene, 0);
}

TEST_F(SpecialObjectTest, RenderSceneOperationFillsTheWorkingStage) {
  uploadHalves(1, kRed, kBlue);
  addScreen(1, 1.0f, 1, 1);
  textures_->sceneRenderer = renderer_.get();
  selectTexture(*textures_, 0);
  std::uint8_t* out = textures_->stage(textures_->workingStage);
  std::fill(out, out + 4 * 32 * 32, 7);
  OpParams params = {1, 0};
  runTextureOp(*textures_, texop::RenderScene, params);
  // The top of the picture is in the last rows (the outermost screen rows mix both halves by
  // wrapping); alpha stays as it was.
  const std::uint8_t* top = out + 4 * 32 * 30;
  EXPECT_EQ(top[2], 255);
  EXPECT_EQ(top[0], 0);
  EXPECT_EQ(out[0], 255);
  EXPECT_EQ(out[2], 0);
  EXPECT_EQ(out[3], 7);
  EXPECT_EQ(scenes_->currentScene, 0);
}

}  // namespace
}  // namespace tess::testing
