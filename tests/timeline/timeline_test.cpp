#include "timeline/timeline.hpp"

#include <gtest/gtest.h>

#include "timeline/playback.hpp"
#include "timeline_test_support.hpp"

namespace tess::testing {
namespace {

using namespace trackcmd;

TEST(TimelineRowsTest, RowsLastSpeedTimes64MsAndSetSpdActsFromItsOwnRow) {
  PlayedProject p;
  p.put(2, SetSpd, 4);
  p.play();
  p.runUntil(511);
  EXPECT_EQ(p.timeline.row, 0);
  p.runUntil(512);
  EXPECT_EQ(p.timeline.row, 1);
  p.runUntil(1024);
  EXPECT_EQ(p.timeline.row, 2);
  EXPECT_EQ(p.timeline.speed, 4);
  p.runUntil(1279);
  EXPECT_EQ(p.timeline.row, 2);
  p.runUntil(1280);
  EXPECT_EQ(p.timeline.row, 3);
  p.runUntil(1536);
  EXPECT_EQ(p.timeline.row, 4);
}

TEST(TimelineRowsTest, AfterAStallRowsCatchUpOneAFrame) {
  PlayedProject p;
  p.play();
  EXPECT_TRUE(EvaluateTimeline(p.timeline, *p.store, p.tracker, 5000));
  EXPECT_EQ(p.timeline.row, 1);
  EXPECT_TRUE(EvaluateTimeline(p.timeline, *p.store, p.tracker, 5016));
  EXPECT_EQ(p.timeline.row, 2);
}

TEST(TimelineRowsTest, AtSpeedZeroRowsAdvanceEveryFrameSlidesStandAtTheirEndAndRow999Wraps) {
  PlayedProject p;
  p.store->cameras[2].eyeX = 300;
  p.put(0, SetSpd, 0);
  p.put(1, SldCam, 1);
  p.put(5, SldCam, 2);
  p.play();
  p.runUntil(16);
  EXPECT_EQ(p.timeline.row, 1);
  EXPECT_EQ(p.store->liveCamera.eyeX, 300);
  p.runUntil(16 * 999);
  EXPECT_EQ(p.timeline.row, 999);
  p.runUntil(16 * 1000);
  EXPECT_EQ(p.timeline.row, 0);
}

TEST(TimelineCameraTest, SldCamMovesLinearlyToTheNextSlideSlot) {
  PlayedProject p;
  p.store->cameras[3].eyeX = 1000;
  p.store->cameras[3].zoom = 3;
  p.store->cameras[1].eyeX = -500;
  p.put(10, SldCam, 0);
  p.put(20, SldCam, 3);
  p.put(30, SldCam, 1);
  p.play();
  p.runToRow(15);
  EXPECT_DOUBLE_EQ(p.store->liveCamera.eyeX, 500);
  EXPECT_DOUBLE_EQ(p.store->liveCamera.zoom, 2);
  p.runUntil(p.now + 256);
  EXPECT_DOUBLE_EQ(p.store->liveCamera.eyeX, 550);
  p.runToRow(20);
  EXPECT_DOUBLE_EQ(p.store->liveCamera.eyeX, 1000);
  p.runToRow(25);
  EXPECT_DOUBLE_EQ(p.store->liveCamera.eyeX, 250);
}

TEST(TimelineCameraTest, CamITp1StartsAndEndsWithZeroSpeed) {
  PlayedProject p;
  p.store->cameras[3].eyeX = 1000;
  p.put(0, CamITp, 1);
  p.put(1, SldCam, 0);
  p.put(11, SldCam, 3);
  p.play();
  p.runToRow(1);
  EXPECT_DOUBLE_EQ(p.store->liveCamera.eyeX, 0);
  p.runUntil(p.now + 16);  // a linear slide would stand at 3.125
  EXPECT_LT(p.store->liveCamera.eyeX, 0.05);
  p.runToRow(6);
  EXPECT_NEAR(p.store->liveCamera.eyeX, 500, 1e-9);
  p.runUntil(11 * 512 - 16);
  EXPECT_GT(p.store->liveCamera.eyeX, 999.95);
}

TEST(TimelineMaterialTest, SldMatReachesTheTargetAtStopMatAndStopRestoresTheColours) {
  PlayedProject p;
  Material& own = p.store->materials[2];
  own.surface.diffuse = {1, 0, 0, 0.5f};
  own.surface.power = 10;
  Material& target = p.store->materials[5];
  target.surface.diffuse = {0.25f, 1, 0, 1};
  target.surface.ambient = {0.5f, 0.5f, 0.5f, 1};
  target.surface.power = 30;
  target.displaceDepth = 101;
  const Material edited = own;
  p.put(0, SldMat, 2, 5);
  p.put(8, StopMat, 2);
  p.play();
  p.runToRow(4);
  EXPECT_FLOAT_EQ(p.store->materials[2].surface.diffuse.r, 0.625f);
  EXPECT_FLOAT_EQ(p.store->materials[2].surface.power, 20);
  EXPECT_EQ(p.store->materials[2].displaceDepth, 50);  // 50.5 truncated
  EXPECT_EQ(p.store->materials[2].surface.diffuse.a, 0.5f);  // alpha is not blended
  for (int row : {8, 12}) {
    p.runToRow(row);
    const SurfaceMaterial& live = p.store->materials[2].surface;
    EXPECT_EQ(live.diffuse.r, 0.25f);
    EXPECT_EQ(live.diffuse.g, 1);
    EXPECT_EQ(live.ambient.b, 0.5f);
    EXPECT_EQ(live.power, 30);
    EXPECT_EQ(p.store->materials[2].displaceDepth, 101);
  }
  stopPlayback(p.timeline, *p.store);
  EXPECT_EQ(p.store->materials[2], edited);
  EXPECT_FALSE(p.timeline.playing);
}

TEST(TimelineSceneTest, SldScnBlendsSceneAIntoSceneBAndStopRestoresTheScene) {
  PlayedProject p;
  SceneStore& store = *p.store;
  store.sceneCount = 3;
  store.scenes[1].objectCount = 1;
  store.scenes[1].modifiers[0].count = 1;
  store.scenes[1].modifiers[0].entries[0] = {0, 0, 0, 0, 0, 3};
  Scene& b = store.scenes[2];
  b.objectCount = 1;
  b.objects[0].posX = 1000;
  b.objects[0].sizeY = 125;  // halfway from 64: 94.5, truncated to 94
  b.objects[0].sizeZ = -67;  // halfway from 64: -1.5, truncated toward zero to -1
  b.modifiers[0].count = 2;
  b.modifiers[0].entries[0] = {100, 0, 0, 0, 0, 5};
  b.modifiers[0].entries[1] = {0, -7, 0, 0, 0, 6};
  const Scene savedB = b;
  p.put(0, SldScn, 1);
  p.put(10, SldScn, 2);
  p.play();
  EXPECT_EQ(store.currentScene, 2);
  p.runToRow(5);
  const SceneObject& live = b.objects[0];
  EXPECT_EQ(live.posX, 500);
  EXPECT_EQ(live.sizeY, 94);
  EXPECT_EQ(live.sizeZ, -1);
  ASSERT_EQ(b.modifiers[0].count, 2);
  EXPECT_EQ(b.modifiers[0].entries[0].code, 5);
  EXPECT_EQ(b.modifiers[0].entries[0].p1, 50);
  EXPECT_EQ(b.modifiers[0].entries[1].code, 6);
  EXPECT_EQ(b.modifiers[0].entries[1].p2, -3);
  stopPlayback(p.timeline, store);
  EXPECT_EQ(store.currentScene, 0);
  EXPECT_EQ(b.objects, savedB.objects);
  EXPECT_EQ(b.modifiers[0].count, 2);
  EXPECT_EQ(b.modifiers[0].entries, savedB.modifiers[0].entries);
}

TEST(TimelineSceneTest, StopSelectsOnlyWhatStillExists) {
  PlayedProject p;
  SceneStore& store = *p.store;
  store.sceneCount = 2;
  store.currentScene = 1;
  store.scenes[1].objectCount = 1;
  p.play();
  store.sceneCount = 1;  // the scene playback started in is deleted while it plays
  store.scenes[0].modifiers[0].count = 3;
  store.currentModifier = 2;
  stopPlayback(p.timeline, store);
  EXPECT_EQ(store.currentScene, 0);
  EXPECT_EQ(store.currentModifier, -1);  // the restored list is empty
}

TEST(TimelineObjectTest, SldObjEndsAtStopObjAndObjectsPast127DoNotSlide) {
  PlayedProject p;
  Scene& scene = p.store->scenes[0];
  scene.objectCount = 131;
  scene.objects[1].posY = 400;
  scene.objects[130].posY = 7;
  p.put(0, SldObj, 0, 1, 0);
  p.put(2, SldObj, 130, 0, 0);
  p.put(4, StopObj, 0);
  p.put(5, SetScn, 200);  // no such scene
  p.put(6, SetCam, 255);  // no such camera slot
  p.play();
  p.runToRow(2);
  EXPECT_EQ(scene.objects[0].posY, 200);
  p.runToRow(4);
  EXPECT_EQ(scene.objects[0].posY, 400);
  p.runToRow(7);
  EXPECT_EQ(scene.objects[0].posY, 400);
  EXPECT_EQ(scene.objects[130].posY, 7);
  EXPECT_EQ(p.store->currentScene, 0);
  EXPECT_EQ(p.store->currentCamera, 0);
}

}  // namespace
}  // namespace tess::testing
