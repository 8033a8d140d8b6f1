#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine/clone_expansion.hpp"
#include "scene/modifier_codes.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

class CloneExpansionTest : public ::testing::Test {
 protected:
  // Object i clones itself n times with the given type and coefficient; its list holds count
  // "move" entries numbered by p1.
  void clone(int type, int n, int coeff, int count = 2, int i = 0) {
    scene.objectCount =
        static_cast<std::uint8_t>(std::min(kMaxObjects, std::max<int>(scene.objectCount, i + 1 + n)));
    scene.clones[i] = CloneSettings{std::uint8_t(type), std::uint8_t(n), std::int16_t(coeff), 0};
    ModifierList& list = scene.modifiers[i];
    list.count = static_cast<std::uint8_t>(count);
    for (int k = 0; k < count; ++k)
      list.entries[k] = Modifier{std::int16_t(k + 1), 0, 0, 0, 0, modcode::Move};
  }
  const SceneObject& object(int j) const { return scene.objects[j]; }
  const ModifierList& list(int j) const { return scene.modifiers[j]; }

  std::unique_ptr<Scene> owned = std::make_unique<Scene>();
  Scene& scene = *owned;
};

TEST_F(CloneExpansionTest, RotateXZPlacesClonesOnACircleAndTurnsThem) {
  clone(0, 3, 100);
  ExpandClones(scene);
  const int posX[] = {100, 200, 100}, posZ[] = {-100, 0, 100}, p5[] = {-64, -128, -192};
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(object(k).posX, posX[k - 1]) << k;
    EXPECT_EQ(object(k).posZ, posZ[k - 1]) << k;
    ASSERT_EQ(list(k).count, 3);
    EXPECT_EQ(list(k).entries[2].code, modcode::GlobalRotateY);
    EXPECT_EQ(list(k).entries[2].p5, p5[k - 1]);
    EXPECT_EQ(list(k).entries[1], list(0).entries[1]);
  }
}

TEST_F(CloneExpansionTest, RotateXYAndZYTurnTheOtherWay) {
  clone(1, 1, 100);
  ExpandClones(scene);
  EXPECT_EQ(object(1).posX, 200);
  EXPECT_EQ(object(1).posY, 0);
  EXPECT_EQ(list(1).entries[2].code, modcode::GlobalRotateZ);
  EXPECT_EQ(list(1).entries[2].p5, 128);
  clone(2, 3, 100);
  ExpandClones(scene);
  EXPECT_EQ(object(1).posZ, 100);
  EXPECT_EQ(object(1).posY, -100);
  EXPECT_EQ(list(1).entries[2].code, modcode::GlobalRotateX);
  EXPECT_EQ(list(1).entries[2].p5, 64);
}

TEST_F(CloneExpansionTest, LinesStepAlongTheirAxis) {
  scene.objects[0].posY = 5;
  clone(4, 3, 10);
  ExpandClones(scene);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(object(k).posY, 5 + 10 * k);
  EXPECT_EQ(list(3).count, 2);
  clone(3, 2, 0);
  ExpandClones(scene);
  EXPECT_EQ(object(2).posX, 0);
  clone(5, 2, -7);
  ExpandClones(scene);
  EXPECT_EQ(object(2).posZ, -14);
}

TEST_F(CloneExpansionTest, GroupSharesModifiersButKeepsRecords) {
  scene.objects[1].type = objtype::Torus;
  scene.modifiers[1].count = 5;
  clone(kCloneTypeGroup, 2, 0);
  ExpandClones(scene);
  EXPECT_EQ(object(1).type, objtype::Torus);
  EXPECT_EQ(list(1).count, 5);  // a longer list keeps its count
  EXPECT_EQ(list(2).count, 2);
  EXPECT_EQ(list(1).entries[1], list(0).entries[1]);
}

TEST_F(CloneExpansionTest, ZoomScalesEachCloneFromTheOneBefore) {
  scene.objects[0].sizeX = 64;
  scene.objects[0].sizeZ = -64;
  clone(7, 2, 128);
  ExpandClones(scene);
  EXPECT_EQ(object(1).sizeX, 32);
  EXPECT_EQ(object(2).sizeX, 16);
  EXPECT_EQ(object(2).sizeZ, -16);
}

TEST_F(CloneExpansionTest, RingPlacesClonesAroundTheSource) {
  clone(8, 4, 100);
  ExpandClones(scene);
  EXPECT_EQ(object(1).posX, 0);
  EXPECT_EQ(object(1).posY, -100);
  EXPECT_EQ(object(2).posX, 100);
  EXPECT_EQ(object(4).posX, -100);
  EXPECT_EQ(object(4).posY, 0);
  EXPECT_EQ(list(1).count, 2);
}

TEST_F(CloneExpansionTest, ModifierRepeatAppendsTheLastEntriesOnceMorePerClone) {
  clone(9, 2, 1, 3);
  ExpandClones(scene);
  ASSERT_EQ(list(1).count, 4);
  ASSERT_EQ(list(2).count, 5);
  for (int e = 3; e < 5; ++e) EXPECT_EQ(list(2).entries[e].p1, 3);
  EXPECT_EQ(list(1).entries[3].p1, 3);
}

TEST_F(CloneExpansionTest, FlipsAppendAFlipAndSwapNormalModes) {
  const std::uint8_t before[] = {0, 2, 3, 4, 1, 5}, after[] = {2, 0, 4, 3, 1, 5};
  for (int m = 0; m < 6; ++m) {
    scene.objects[0].normalMode = before[m];
    clone(10 + m % 3, 1, 0);
    ExpandClones(scene);
    EXPECT_EQ(object(1).normalMode, after[m]);
    EXPECT_EQ(list(1).entries[2].code, modcode::GlobalFlipX + m % 3);
  }
}

TEST_F(CloneExpansionTest, ClonesNeverLeaveTheTables) {
  scene.objectCount = 255;
  clone(0, 10, 100, kModifierCapacity, 250);
  scene.objects[255].posX = 1234;
  ExpandClones(scene);
  EXPECT_EQ(object(255).posX, 1234);
  EXPECT_EQ(list(254).count, kModifierCapacity);
  clone(9, 3, 40, kModifierCapacity, 250);
  ExpandClones(scene);
  EXPECT_EQ(list(254).count, kModifierCapacity);
}

TEST(RenderScenes, CollectsRenderSceneObjectsInSlotOrder) {
  auto scene = std::make_unique<Scene>();
  auto renderScene = [&](int slot, int s, int camera) {
    scene->objects[slot].type = objtype::RenderScene;
    scene->objects[slot].posX = static_cast<std::int16_t>(s);
    scene->objects[slot].posY = static_cast<std::int16_t>(camera);
  };
  EXPECT_EQ(CollectRenderScenes(*scene).count, 0);
  renderScene(3, 1, 0);
  renderScene(7, 64, 0);  // no such scene
  renderScene(9, 2, 300);
  renderScene(254, 63, 255);
  const RenderSceneList list = CollectRenderScenes(*scene);
  ASSERT_EQ(list.count, 3);
  EXPECT_EQ(list.entries[0].scene, 1);
  EXPECT_EQ(list.entries[0].camera, 0);
  EXPECT_EQ(list.entries[1].scene, 2);
  EXPECT_EQ(list.entries[1].camera, kLiveCameraSlot);
  EXPECT_EQ(list.entries[2].scene, 63);
}

}  // namespace
}  // namespace tess
