#include "scene/pack_merge.hpp"

#include <gtest/gtest.h>

#include "scene_test_support.hpp"
#include "test_folder.hpp"

namespace tess {
namespace {

class PackMerge : public ::testing::Test {
 protected:
  void SetUp() override {
    // The pack merged in front: 2 scenes, objects using materials 0..4 and textures 0..9.
    testing::TestProject pack;
    pack.scenes->sceneCount = 2;
    Scene& scene = pack.scene(1);
    scene.objectCount = 2;
    scene.objects[0].material = 4;
    scene.objects[1].texture = 9;
    pack.scenes->materials[4].name = "pack material";
    pack.textures->slots[9].name = "pack texture";
    ASSERT_TRUE(savePack(pack.project, packFile()).ok());

    // The current project: one scene with a render-scene object, a material and a texture that
    // reference each other.
    SceneStore& s = *current_.scenes;
    Scene& own = current_.scene(0);
    own.objectCount = 2;
    own.objects[0].material = 1;
    own.objects[0].texture = 2;
    own.objects[1].type = objtype::RenderScene;
    own.objects[1].posX = 0;
    s.materials[0].name = "own 0";
    s.materials[1].stage1Texture = 3;
    s.materials[1].displaceMap = 1;
    current_.textures->slots[0].name = "own 0";
    Texture& renders = current_.textures->slots[2];
    renders.commands[1].op = texop::RenderScene;
    renders.commands[1].params = {0, 5};
    renders.stageCount = 2;
  }
  std::filesystem::path packFile() const { return folder_.path() / "front.tsc"; }

  TestFolder folder_;
  testing::TestProject current_;
};

TEST_F(PackMerge, CurrentProjectFollowsTheLoadedOneWithShiftedReferences) {
  PackLoad merge = mergePack(current_.project, packFile());
  ASSERT_TRUE(merge.status.ok()) << merge.status.message;
  const SceneStore& s = *current_.scenes;
  EXPECT_EQ(s.sceneCount, 3);
  EXPECT_EQ(s.materials[4].name, "pack material");
  EXPECT_EQ(s.materials[5].name, "own 0");  // material 0 at slot 5
  EXPECT_EQ(s.materials[6].stage1Texture, 13);
  EXPECT_EQ(s.materials[6].displaceMap, 11);
  EXPECT_EQ(current_.textures->slots[9].name, "pack texture");
  EXPECT_EQ(current_.textures->slots[10].name, "own 0");  // texture 0 at slot 10
  EXPECT_EQ(current_.textures->slots[12].commands[1].params[0],
            2);  // RenderScene follows its scene
  EXPECT_EQ(current_.textures->slots[12].commands[1].params[1], 5);
  const Scene& moved = s.scenes[2];
  EXPECT_EQ(moved.objectCount, 2);
  EXPECT_EQ(moved.objects[0].material, 6);
  EXPECT_EQ(moved.objects[0].texture, 12);
  EXPECT_EQ(moved.objects[1].posX, 2);
  EXPECT_EQ(s.scenes[1].objects[0].material, 4);
  EXPECT_EQ(s.snapshotCounter, 1);  // undo starts from the merged project
}

TEST_F(PackMerge, ScenesAndSlotsThatDoNotFitAreDropped) {
  current_.scenes->sceneCount = 63;
  current_.textures->slots[244].name = "last that fits";
  current_.textures->slots[245].name = "dropped";
  current_.scenes->materials[249].name = "last material that fits";
  ASSERT_TRUE(mergePack(current_.project, packFile()).status.ok());
  EXPECT_EQ(current_.scenes->sceneCount, 64);
  EXPECT_EQ(current_.scenes->scenes[63].objectCount, 0);  // set-aside scene 61
  EXPECT_EQ(current_.textures->slots[254].name, "last that fits");
  EXPECT_EQ(current_.scenes->materials[254].name, "last material that fits");
}

TEST_F(PackMerge, AMaterialIndexOfTheLoadedPackBeyondTheTableLeavesNoRoom) {
  testing::TestProject pack;
  pack.scene(0).objects[0].material = 255;
  ASSERT_TRUE(savePack(pack.project, folder_.path() / "full.tsc").ok());
  ASSERT_TRUE(mergePack(current_.project, folder_.path() / "full.tsc").status.ok());
  EXPECT_EQ(current_.scenes->materials[0].name, "");  // the loaded pack's material 0 stays
  EXPECT_EQ(current_.scenes->sceneCount, 2);
}

TEST_F(PackMerge, CancelledOrFailedMergeChangesNothing) {
  const std::string before = current_.packText();
  EXPECT_TRUE(mergePack(current_.project, std::nullopt).status.ok());
  EXPECT_EQ(current_.packText(), before);
  EXPECT_EQ(current_.scenes->sceneCount, 1);

  PackLoad missing = mergePack(current_.project, folder_.path() / "missing.tsc");
  EXPECT_FALSE(missing.status.ok());
  EXPECT_EQ(current_.packText(), before);
}

}  // namespace
}  // namespace tess
