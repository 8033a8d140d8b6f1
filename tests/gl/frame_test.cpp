#include <gtest/gtest.h>

#include <tuple>

#include "gl_test_support.hpp"

namespace tess::testing {
namespace {

constexpr std::array<std::uint8_t, 4> kRed = {0, 0, 255, 255};
constexpr std::array<std::uint8_t, 4> kBlue = {255, 0, 0, 255};

using FrameTest = GlTest;

TEST_F(FrameTest, EmptySceneClearsToGrey) {
  frame();
  for (auto [x, y] : {std::pair{0, 0}, {kWidth - 1, kHeight - 1}, {kWidth / 2, kHeight / 2}}) {
    const auto p = pixel(x, y);
    EXPECT_EQ(p[0], 0x78);
    EXPECT_EQ(p[1], 0x78);
    EXPECT_EQ(p[2], 0x78);
  }
}

// The postprocessor's first grid row lies at the top of the screen and takes texture row 0, as
// Direct3D 9 shows it (linear filtering wraps at the outermost rows); it covers the
// picture to its last row and column.
TEST_F(FrameTest, PostprocessorShowsTextureRowZeroAtTheTop) {
  uploadHalves(1, kRed, kBlue);
  addScreen(1, 1.0f, 1);
  frame();
  for (int x : {0, kWidth / 2, kWidth - 1}) {
    EXPECT_EQ(red(x, 2), 255) << x;
    EXPECT_EQ(blue(x, 2), 0) << x;
    EXPECT_EQ(red(x, kHeight - 3), 0) << x;
    EXPECT_EQ(blue(x, kHeight - 3), 255) << x;
    EXPECT_NE(pixel(x, 0)[1], 0x78) << x;
    EXPECT_NE(pixel(x, kHeight - 1)[1], 0x78) << x;
  }
}

struct BlendCase {
  int mode;
  int expected;  // of a 0x40 layer over 0x60
};

class BlendModeTest : public GlTest, public ::testing::WithParamInterface<BlendCase> {};

TEST_P(BlendModeTest, LayerOverKnownBackground) {
  const BlendCase c = GetParam();
  // The blended layer comes first in the list: it still draws after every opaque object.
  SceneObject& layer = addScreen(2, 0x40 / 255.0f);
  layer.blend = static_cast<std::uint8_t>(c.mode);
  addScreen(1, 0x60 / 255.0f);
  frame();
  EXPECT_NEAR(red(kWidth / 2, kHeight / 2), c.expected, 1);
  EXPECT_NEAR(blue(3, 3), c.expected, 1);
}

INSTANTIATE_TEST_SUITE_P(AllModes, BlendModeTest,
                         ::testing::Values(BlendCase{1, 0xA0}, BlendCase{2, 0x20}, BlendCase{3, 0},
                                           BlendCase{4, 0x40}, BlendCase{5, 0x60},
                                           BlendCase{6, 0x40}));

TEST_F(FrameTest, AlphaChannelModeMixesByTextureAlphaAndDropsTransparentPixels) {
  uploadHalves(3, {255, 255, 255, 128}, {255, 255, 255, 0});
  addScreen(1, 0x20 / 255.0f);
  SceneObject& layer = addScreen(2, 1.0f, 3);
  layer.blend = 6;
  frame();
  EXPECT_NEAR(red(kWidth / 2, 5), (255 * 128 + 0x20 * 127) / 255, 2);
  EXPECT_EQ(red(kWidth / 2, kHeight - 5), 0x20);
}

// The postprocessor's triangles run clockwise on the screen: "nrml: -1" (cull counter-clockwise)
// keeps them, "nrml: 1" (cull clockwise) removes them, "nrml:unv" keeps the previous cull mode.
TEST_F(FrameTest, CullModesFollowNormalModeAndWinding) {
  renderer_->switches.guidesHidden = false;  // "nrml:unv" objects are drawn
  for (auto [modes, visible] : {std::pair{std::vector<int>{0}, true}, {{1}, true}, {{2}, false},
                                {{3}, true}, {{2, 5}, false}, {{0, 5}, true}}) {
    scenes_->scenes[0].objectCount = 0;
    for (std::size_t k = 0; k < modes.size(); ++k) {
      SceneObject& o = addScreen(1, 1.0f);
      o.normalMode = static_cast<std::uint8_t>(modes[k]);
      if (k + 1 < modes.size()) o.sizeX = o.sizeY = 0;  // sets the cull mode, draws nothing
    }
    frame();
    EXPECT_EQ(red(10, 10), visible ? 255 : 0x78) << modes.back();
  }
}

TEST_F(FrameTest, NormalModeUnvisibleIsHiddenWithTheGuides) {
  SceneObject& o = addScreen(1, 1.0f);
  o.normalMode = 5;
  frame();
  EXPECT_EQ(red(10, 10), 0x78);
  renderer_->switches.guidesHidden = false;
  frame();
  EXPECT_EQ(red(10, 10), 255);
}

// A sphere of radius 2 at depth 8: the perspective shows it half as wide as the orthographic
// projection, which shows every depth at the scale of depth 4.
TEST_F(FrameTest, OrthographicSwitchChangesOnlyTheProjection) {
  SceneObject& ball = add(objtype::Sphere);
  ball.sizeX = ball.sizeY = ball.sizeZ = 128;
  ball.posZ = -4 * 64;
  ball.material = 1;
  ball.texture = gl::kWhiteTexture;
  scenes_->materials[1].surface.ambient = ColorValue{1, 1, 1, 1};
  // Width in pixels of the white ball on the middle row.
  const auto coveredWidth = [this] {
    frame();
    int covered = 0;
    for (int x = 0; x < kWidth; ++x) covered += red(x, kHeight / 2) > 0x80;
    return covered;
  };
  const int perspective = coveredWidth();
  renderer_->switches.orthographic = true;
  const int orthographic = coveredWidth();
  // Half-widths in normalised device units: 2 / 8 in perspective, 0.25 * 2 orthographic.
  EXPECT_NEAR(perspective, kWidth / 4, 2);
  EXPECT_NEAR(orthographic, kWidth / 2, 2);
}

}  // namespace
}  // namespace tess::testing

namespace tess::testing {
namespace {

// Group-only display shows the objects that share the current object's control object, and
// nothing while the current object is not controlled.
TEST_F(FrameTest, GroupOnlyDisplayFollowsTheCurrentObjectsControlObject) {
  renderer_->switches.groupOnly = true;
  for (auto [currentMode, layerControl, shown] :
       {std::tuple{1, 9, true}, {1, 3, false}, {0, 9, false}}) {
    scenes_->scenes[0].objectCount = 0;
    SceneObject& current = add(objtype::ZBufferCleaner);
    current.controlMode = static_cast<std::uint8_t>(currentMode);
    current.controlObject = 9;
    addScreen(1, 1.0f).controlObject = static_cast<std::uint8_t>(layerControl);
    frame();
    EXPECT_EQ(red(10, 10), shown ? 255 : 0x78) << layerControl << " " << currentMode;
  }
}

// The guides (here the axes at the target and the x-z grid) draw over the scene unless hidden.
TEST_F(FrameTest, GuidesDrawOverTheSceneUnlessHidden) {
  addScreen(1, 0.0f);
  frame();
  EXPECT_EQ(red(kWidth / 2, kHeight / 2), 0);
  renderer_->switches.guidesHidden = false;
  renderer_->switches.gridMode = 1;
  frame();
  EXPECT_GT(red(kWidth / 2, kHeight / 2), 0);
}

}  // namespace
}  // namespace tess::testing

namespace tess::testing {
namespace {

// Stages 1 and 2 combine the material's textures with the lit, textured colour of stage 0 (here
// 0x20): add, texture minus colour, product; a stage set to "none" ends the cascade.
TEST_F(FrameTest, MaterialStagesCombineInOrder) {
  uploadHalves(4, {0x60, 0x60, 0x60, 255}, {0x60, 0x60, 0x60, 255});
  for (auto [stage1, stage2, expected] :
       {std::tuple{7, 0, 0x80}, {8, 0, 0x40}, {9, 0, 0x60 * 0x20 / 255}, {7, 8, 0}, {0, 7, 0x20}}) {
    scenes_->scenes[0].objectCount = 0;
    addScreen(1, 0x20 / 255.0f);
    Material& m = scenes_->materials[1];
    m.stage1Texture = m.stage2Texture = 4;
    m.stage1Blend = static_cast<std::uint8_t>(stage1);
    m.stage2Blend = static_cast<std::uint8_t>(stage2);
    frame();
    EXPECT_NEAR(red(10, 10), expected, 1) << stage1 << " " << stage2;
  }
}

}  // namespace
}  // namespace tess::testing

namespace tess::testing {
namespace {

// Wireframe draws only the edges: the inside of a grid cell (40 x 30 pixels here) keeps the
// clear colour while the edges stay drawn.
TEST_F(FrameTest, WireframeDrawsOnlyTheEdges) {
  addScreen(1, 1.0f);
  renderer_->switches.wireframe = true;
  frame();
  EXPECT_EQ(red(20, 3), 0x78);
  int drawn = 0;
  for (int y = 0; y < kHeight; ++y) drawn += red(20, y) == 255;
  EXPECT_GT(drawn, 0);
  renderer_->switches.wireframe = false;
  frame();
  EXPECT_EQ(red(20, 3), 255);
}

// A ball two units in front of the target is in the middle of the normal view; the up view
// turns that offset downwards on the screen, the bottom view upwards.
TEST_F(FrameTest, ViewModeTurnsTheScene) {
  addBall(1, ColorValue{1, 1, 1, 1}, 1, 1);
  const int middle = kHeight / 2, low = 100, high = 20;
  for (auto [mode, shown, empty] : {std::tuple{ViewMode::Normal, middle, -1},
                                    {ViewMode::Up, low, high}, {ViewMode::Bottom, high, low}}) {
    renderer_->switches.viewMode = mode;
    frame();
    EXPECT_EQ(red(kWidth / 2, shown), 255) << static_cast<int>(mode);
    if (empty < 0) continue;
    EXPECT_EQ(red(kWidth / 2, middle), 0x78) << static_cast<int>(mode);
    EXPECT_EQ(red(kWidth / 2, empty), 0x78) << static_cast<int>(mode);
  }
}

// A frame shows the scene and camera it is given, whatever the store has current: meshes, lamp,
// fog and guides all follow the view, and the store keeps its current scene and live camera.
TEST_F(FrameTest, FrameShowsTheGivenViewWhateverIsCurrent) {
  renderer_->switches.guidesHidden = false;
  SceneObject& fog = add(objtype::Fog);
  fog.sizeX = 0;
  fog.sizeY = 60;  // from the eye to depth 20 at zoom 1
  addBall(1, ColorValue{0.2f, 0.2f, 0.2f, 1}, 3, 2);
  scenes_->materials[1].surface.diffuse = ColorValue{0.5f, 0.5f, 0.5f, 1};
  SceneObject& lamp = add(objtype::Lamp);
  lamp.segU = 0;  // no mesh of its own
  lamp.posZ = 64 * 2;
  lamp.sizeX = 64 * 10;
  lamp.material = 2;
  scenes_->materials[2].surface.diffuse = ColorValue{1, 1, 1, 1};
  scenes_->sceneCount = 2;
  addScreen(3, 1.0f, gl::kWhiteTexture, 1);  // scene 1: a white layer over everything
  const gl::FrameView view = gl::currentView(*scenes_);
  renderer_->RenderFrame(0, view);
  const std::vector<std::uint8_t> expected = device_->readBackBuffer();
  ASSERT_GT(red(kWidth / 2, kHeight / 2 - 7), 0x78);  // the lit ball, beside the x axis

  scenes_->currentScene = 1;
  scenes_->liveCamera.targetX = scenes_->liveCamera.eyeX = 64 * 3;
  scenes_->liveCamera.zoom = 2;
  const Camera live = scenes_->liveCamera;
  renderer_->RenderFrame(0, view);
  EXPECT_TRUE(device_->readBackBuffer() == expected);
  EXPECT_EQ(scenes_->currentScene, 1);
  EXPECT_EQ(scenes_->liveCamera, live);
}

}  // namespace
}  // namespace tess::testing
