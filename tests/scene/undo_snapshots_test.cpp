#include "scene/undo_snapshots.hpp"

#include <gtest/gtest.h>

#include "scene/object_operations.hpp"
#include "scene/pack_files.hpp"
#include "scene/scene_operations.hpp"
#include "scene_test_support.hpp"
#include "test_folder.hpp"

namespace tess {
namespace {

TEST(UndoSnapshots, NumberedFilesInAPrivateFolderThatGoesWithItsOwner) {
  std::filesystem::path folder;
  {
    testing::TestProject p;
    folder = p.undo.folder();
    ASSERT_FALSE(folder.empty());
    ASSERT_TRUE(p.undo.take(*p.scenes).ok());
    ASSERT_TRUE(createObject(p.project, 0));
    EXPECT_TRUE(std::filesystem::exists(folder / "1"));
    EXPECT_TRUE(std::filesystem::exists(folder / "2"));
    EXPECT_EQ(p.scenes->snapshotCounter, 2);
    // Two owners never share a folder.
    UndoSnapshots other;
    EXPECT_NE(other.folder(), folder);
  }
  EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(UndoSnapshots, UndoStepsBackOneSnapshotAtATimeAndStopsAtTheFirst) {
  testing::TestProject p;
  SceneStore& s = *p.scenes;
  p.undo.take(s);
  ASSERT_TRUE(createObject(p.project, objtype::Torus));  // snapshot 2
  s.activeModifiers().count = 3;
  p.undo.take(s);                      // 3, as an applied value takes
  ASSERT_TRUE(copyObject(p.project));  // 4
  s.currentModifier = 2;
  ASSERT_EQ(s.activeScene().objectCount, 3);

  ASSERT_TRUE(p.undo.undo(s));
  EXPECT_EQ(s.activeScene().objectCount, 2);
  EXPECT_EQ(s.activeScene().objects[1].type, objtype::Torus);
  EXPECT_EQ(s.activeScene().currentObject, 1);  // limited to the count
  EXPECT_EQ(s.currentModifier, 2);              // within object 1's three modifiers
  ASSERT_TRUE(p.undo.undo(s));
  EXPECT_EQ(s.currentModifier, -1);  // object 1 had no modifiers yet
  ASSERT_TRUE(p.undo.undo(s));
  EXPECT_EQ(s.activeScene().objectCount, 1);
  EXPECT_EQ(s.activeScene().currentObject, 0);
  EXPECT_FALSE(p.undo.undo(s));
  EXPECT_EQ(s.snapshotCounter, 1);
}

TEST(UndoSnapshots, UndoRightAfterLoadingDoesNothing) {
  TestFolder folder;
  testing::TestProject source;
  testing::fillSampleProject(source);
  ASSERT_TRUE(savePack(source.project, folder.path() / "p.tsc").ok());
  testing::TestProject p;
  for (int i = 0; i < 3; ++i) p.undo.take(*p.scenes);
  ASSERT_TRUE(loadPack(p.project, folder.path() / "p.tsc").status.ok());
  EXPECT_EQ(p.scenes->snapshotCounter, 1);
  EXPECT_FALSE(p.undo.undo(*p.scenes));
  EXPECT_EQ(p.scenes->sceneCount, 3);
  EXPECT_EQ(p.scene(0).objectCount, 4);
}

TEST(UndoSnapshots, UndoKeepsTheCurrentSceneWithinTheScenesThatExist) {
  testing::TestProject p;
  SceneStore& s = *p.scenes;
  p.undo.take(s);
  ASSERT_TRUE(addScene(s));
  ASSERT_TRUE(createObject(p.project, 0));
  ASSERT_TRUE(p.undo.undo(s));
  EXPECT_EQ(s.sceneCount, 1);
  EXPECT_EQ(s.currentScene, 0);
}

TEST(UndoSnapshots, AnUnreadableSnapshotChangesNothing) {
  testing::TestProject p;
  SceneStore& s = *p.scenes;
  p.undo.take(s);
  ASSERT_TRUE(createObject(p.project, 0));
  std::filesystem::remove(p.undo.folder() / "1");
  Status failure;
  EXPECT_FALSE(p.undo.undo(s, &failure));
  EXPECT_NE(failure.message.find("1"), std::string::npos);
  EXPECT_EQ(s.snapshotCounter, 2);
  EXPECT_EQ(s.activeScene().objectCount, 2);
}

}  // namespace
}  // namespace tess
