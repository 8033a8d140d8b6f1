#include "scene/object_operations.hpp"

#include <gtest/gtest.h>

#include "scene/scene_operations.hpp"
#include "scene_test_support.hpp"

namespace tess {
namespace {

class ObjectOperations : public ::testing::Test {
 protected:
  // A scene of count objects; object i has posX i so that moves can be followed.
  void makeObjects(int count) {
    scene().objectCount = static_cast<std::uint8_t>(count);
    for (int i = 0; i < count; ++i) {
      scene().objects[i] = SceneObject{};
      scene().objects[i].posX = static_cast<std::int16_t>(i);
    }
  }
  void control(int object, int by, int mode = 1) {
    scene().objects[object].controlObject = static_cast<std::uint8_t>(by);
    scene().objects[object].controlMode = static_cast<std::uint8_t>(mode);
  }
  void select(int object) { scene().currentObject = static_cast<std::uint8_t>(object); }
  Scene& scene() { return p_.scenes->activeScene(); }
  SceneObject& object(int i) { return scene().objects[i]; }
  int snapshots() const { return p_.scenes->snapshotCounter; }

  testing::TestProject p_;
};

TEST_F(ObjectOperations, CreateInsertsAfterTheCurrentAndRenumbersLaterControls) {
  makeObjects(8);
  control(6, 5);
  control(7, 2);
  object(1).controlObject = 5;  // not controlled: left alone
  select(2);
  object(2).texture = 9;
  object(2).material = 4;
  scene().modifiers[2].count = 3;
  scene().clones[2] = {1, 2, 3, 4};

  ASSERT_TRUE(createObject(p_.project, objtype::Torus));
  EXPECT_EQ(scene().objectCount, 9);
  EXPECT_EQ(scene().currentObject, 3);
  EXPECT_EQ(object(7).controlObject, 6);  // formerly object 6, controlled by 5, now by 6
  EXPECT_EQ(object(8).controlObject, 2);
  EXPECT_EQ(object(1).controlObject, 5);
  EXPECT_EQ(object(4).posX, 3);
  SceneObject expected;
  expected.type = objtype::Torus;
  expected.texture = 9;
  EXPECT_EQ(object(3), expected);
  EXPECT_EQ(scene().modifiers[3].count, 0);
  EXPECT_EQ(scene().clones[3], (CloneSettings{1, 2, 3, 4}));
  EXPECT_EQ(p_.scenes->currentModifier, -1);
  EXPECT_EQ(snapshots(), 1);
}

TEST_F(ObjectOperations, InsertsRefuseAtTwoHundredFiftyFiveObjects) {
  makeObjects(255);
  select(10);
  EXPECT_FALSE(createObject(p_.project, 0));
  EXPECT_FALSE(copyObject(p_.project));
  EXPECT_FALSE(appendCopy(p_.project));
  EXPECT_EQ(scene().objectCount, 255);
  EXPECT_EQ(snapshots(), 0);
}

TEST_F(ObjectOperations, CreateInAnEmptySceneMakesObjectZero) {
  makeObjects(0);
  select(0);
  EXPECT_FALSE(copyObject(p_.project));
  EXPECT_FALSE(deleteObject(p_.project));
  ASSERT_TRUE(createObject(p_.project, objtype::Cube));
  EXPECT_EQ(scene().objectCount, 1);
  EXPECT_EQ(scene().currentObject, 0);
  EXPECT_EQ(object(0).type, objtype::Cube);
}

TEST_F(ObjectOperations, CopyAndAppendCopyDuplicateTheWholeSlot) {
  makeObjects(3);
  select(0);
  control(2, 1);
  scene().modifiers[0].count = 2;
  scene().modifiers[0].entries[1].p3 = -7;
  scene().clones[0] = {3, 1, 0, 0};
  ASSERT_TRUE(copyObject(p_.project));
  EXPECT_EQ(scene().currentObject, 1);
  EXPECT_EQ(object(1), object(0));
  EXPECT_EQ(scene().modifiers[1].entries[1].p3, -7);
  EXPECT_EQ(scene().clones[1], scene().clones[0]);
  EXPECT_EQ(object(3).controlObject, 2);  // its control object moved up with the insert

  ASSERT_TRUE(appendCopy(p_.project));
  EXPECT_EQ(scene().objectCount, 5);
  EXPECT_EQ(scene().currentObject, 4);
  EXPECT_EQ(object(4), object(1));
  EXPECT_EQ(object(3).controlObject, 2);  // nothing moved, nothing renumbered
  EXPECT_EQ(snapshots(), 2);
}

TEST_F(ObjectOperations, DeleteRenumbersLaterControlsAndKeepsEqualOnes) {
  makeObjects(8);
  control(5, 4);
  control(6, 4);
  control(7, 3);  // controlled by the deleted object: left as it is
  select(3);
  ASSERT_TRUE(deleteObject(p_.project));
  EXPECT_EQ(scene().objectCount, 7);
  EXPECT_EQ(object(3).posX, 4);
  EXPECT_EQ(object(4).controlObject, 3);
  EXPECT_EQ(object(5).controlObject, 3);
  EXPECT_EQ(object(6).controlObject, 3);
  EXPECT_EQ(scene().currentObject, 3);
}

TEST_F(ObjectOperations, DeletingTheLastObjectSelectsItsPredecessorAndTheOnlyOneIsKept) {
  makeObjects(3);
  scene().modifiers[1].count = 5;
  select(2);
  ASSERT_TRUE(deleteObject(p_.project));
  EXPECT_EQ(scene().currentObject, 1);
  EXPECT_EQ(p_.scenes->currentModifier, 4);
  ASSERT_TRUE(deleteObject(p_.project));
  EXPECT_FALSE(deleteObject(p_.project));
  EXPECT_EQ(scene().objectCount, 1);
}

TEST_F(ObjectOperations, AutofocusSelectsMaterialAndTextureOfTheNewCurrentObject) {
  makeObjects(3);
  object(1).material = 7;
  object(1).texture = 12;
  select(2);
  ASSERT_TRUE(deleteObject(p_.project));
  EXPECT_EQ(p_.scenes->currentMaterial, 0);  // autofocus off
  p_.scenes->textureMaterialAutofocus = true;
  ASSERT_TRUE(previousObject(p_.project));
  ASSERT_TRUE(nextObject(p_.project));
  EXPECT_EQ(p_.scenes->currentMaterial, 7);
  EXPECT_EQ(p_.textures->current, 12);
  EXPECT_FALSE(nextObject(p_.project));
}

TEST_F(ObjectOperations, MovesExchangeObjectsAndModifiersButNotCloneSettings) {
  makeObjects(3);
  scene().modifiers[1].count = 2;
  scene().clones[1] = {5, 5, 5, 5};
  control(2, 0);
  select(1);
  ASSERT_TRUE(moveObjectUp(p_.project));
  EXPECT_EQ(scene().currentObject, 2);
  EXPECT_EQ(object(2).posX, 1);
  EXPECT_EQ(object(1).controlMode, 1);
  EXPECT_EQ(scene().modifiers[2].count, 2);
  EXPECT_EQ(scene().clones[1], (CloneSettings{5, 5, 5, 5}));
  EXPECT_FALSE(moveObjectUp(p_.project));
  select(0);
  EXPECT_FALSE(moveObjectDown(p_.project));
}

TEST_F(ObjectOperations, CloneGroupCopiesTheControlObjectAndEveryMember) {
  makeObjects(5);
  control(1, 0, 2);
  control(3, 0, 1);
  control(4, 3, 1);
  select(2);
  EXPECT_FALSE(cloneGroup(p_.project));  // not controlled
  select(3);
  ASSERT_TRUE(cloneGroup(p_.project));
  ASSERT_EQ(scene().objectCount, 8);
  EXPECT_EQ(object(5).posX, 0);  // the control object's copy
  EXPECT_EQ(object(6).posX, 1);
  EXPECT_EQ(object(6).controlObject, 5);
  EXPECT_EQ(object(6).controlMode, 2);
  EXPECT_EQ(object(7).posX, 3);
  EXPECT_EQ(object(7).controlObject, 5);
  EXPECT_EQ(scene().currentObject, 3);
  EXPECT_EQ(snapshots(), 3);
}

TEST_F(ObjectOperations, UngroupReleasesEveryMemberOfTheGroup) {
  makeObjects(4);
  control(1, 0);
  control(2, 0, 2);
  control(3, 1);
  select(2);
  ASSERT_TRUE(ungroup(p_.project));
  EXPECT_EQ(object(1).controlMode, 0);
  EXPECT_EQ(object(2).controlMode, 0);
  EXPECT_EQ(object(3).controlMode, 1);
  EXPECT_FALSE(ungroup(p_.project));
}

TEST_F(ObjectOperations, ArmedPickNamesTheControlObjectOnce) {
  makeObjects(4);
  select(1);
  armControlPick(*p_.scenes);
  ASSERT_TRUE(pickObject(p_.project, 3));
  EXPECT_EQ(object(1).controlObject, 3);
  EXPECT_EQ(object(1).controlMode, 1);
  EXPECT_EQ(scene().currentObject, 1);
  EXPECT_FALSE(p_.scenes->controlPickArmed);
  ASSERT_TRUE(pickObject(p_.project, 2));
  EXPECT_EQ(scene().currentObject, 2);
  EXPECT_FALSE(pickObject(p_.project, 4));
  ASSERT_TRUE(resetControlObject(p_.project));
  EXPECT_EQ(object(2).controlMode, 0);
}

TEST_F(ObjectOperations, LocalAndGlobalCoordinatesAddOrSubtractTheControlPosition) {
  makeObjects(2);
  object(0) = {100, -200, 32767};
  object(1) = {1, 2, 3};
  control(1, 0, 2);
  select(1);
  ASSERT_TRUE(toLocalCoordinates(p_.project));
  EXPECT_EQ(object(1).posX, 101);
  EXPECT_EQ(object(1).posY, -198);
  EXPECT_EQ(object(1).posZ, -32766);  // wraps in 16 bits
  EXPECT_EQ(object(1).controlMode, 1);
  ASSERT_TRUE(toGlobalCoordinates(p_.project));
  EXPECT_EQ(object(1).posX, 1);
  EXPECT_EQ(object(1).posZ, 3);
  EXPECT_EQ(object(1).controlMode, 2);
}

TEST_F(ObjectOperations, AppliedValuesWrapToTheFieldWidthAndTakeUndoSnapshots) {
  makeObjects(1);
  ASSERT_TRUE(applyPosition(p_.project, 70000, -1, -32768));
  EXPECT_EQ(object(0).posX, 70000 - 65536);
  EXPECT_EQ(snapshots(), 2);  // before and after
  ASSERT_TRUE(applyGrid(p_.project, 300, 16));
  EXPECT_EQ(object(0).segU, 44);
  ASSERT_TRUE(applyMosaic(p_.project, 2, 256));
  EXPECT_EQ(object(0).mosaic2, 0);
  p_.scenes->sizeAxis = 1;
  ASSERT_TRUE(applySize(p_.project, 40000));
  EXPECT_EQ(object(0).sizeY, 40000 - 65536);
  EXPECT_EQ(object(0).sizeX, 64);
  p_.scenes->sizeAxis = 3;
  ASSERT_TRUE(applySize(p_.project, 7));
  EXPECT_EQ(object(0).sizeX, 7);
  EXPECT_EQ(object(0).sizeZ, 7);
  EXPECT_EQ(snapshots(), 6);
}

TEST(SceneOperations, AddDeleteSelectAndClear) {
  testing::TestProject p;
  SceneStore& s = *p.scenes;
  Scene& second = s.scenes[1];
  second.objectCount = 3;  // what a deleted scene left behind
  second.objects[0].material = 9;
  second.modifiers[0].count = 4;
  ASSERT_TRUE(addScene(s));
  EXPECT_EQ(s.sceneCount, 2);
  EXPECT_EQ(s.currentScene, 1);
  EXPECT_EQ(second.objectCount, 1);
  EXPECT_EQ(second.objects[0], SceneObject{});
  EXPECT_EQ(second.modifiers[0].count, 0);

  EXPECT_FALSE(selectScene(s, 2));
  ASSERT_TRUE(selectScene(s, 0));
  ASSERT_TRUE(deleteLastScene(s));
  EXPECT_EQ(s.sceneCount, 1);
  EXPECT_EQ(s.currentScene, 0);
  EXPECT_FALSE(deleteLastScene(s));
  while (addScene(s)) {
  }
  EXPECT_EQ(s.sceneCount, 64);

  Scene& scene = s.activeScene();
  scene.objectCount = 5;
  scene.currentObject = 4;
  scene.objects[0] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 4, 3, 2, 1};
  scene.modifiers[0].count = 9;
  scene.clones[0] = {1, 1, 1, 1};
  const int before = s.snapshotCounter;
  clearScene(p.project);
  EXPECT_EQ(s.snapshotCounter, before + 1);
  EXPECT_EQ(scene.objectCount, 1);
  EXPECT_EQ(scene.currentObject, 0);
  EXPECT_EQ(scene.objects[0],
            (SceneObject{0, 0, 0, 32, 32, 32, 0, 32, 32, 1, 1, 0, 0, 0, 0, 2, 1}));
  EXPECT_EQ(scene.modifiers[0].count, 0);
  EXPECT_EQ(scene.clones[0], (CloneSettings{1, 1, 1, 1}));
  EXPECT_EQ(s.currentModifier, -1);
}

}  // namespace
}  // namespace tess
