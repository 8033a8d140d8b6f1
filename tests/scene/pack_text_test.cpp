#include <gtest/gtest.h>

#include "scene/pack_files.hpp"
#include "scene_test_support.hpp"
#include "test_folder.hpp"

namespace tess {
namespace {

using testing::TestProject;

class PackTest : public ::testing::Test {
 protected:
  std::filesystem::path file(const char* name) const { return folder_.path() / name; }

  // Saves from, loads into a fresh project and returns it.
  std::unique_ptr<TestProject> roundTrip(TestProject& from) {
    EXPECT_TRUE(savePack(from.project, file("round.tsc")).ok());
    auto to = std::make_unique<TestProject>();
    PackLoad load = loadPack(to->project, file("round.tsc"));
    EXPECT_TRUE(load.status.ok()) << load.status.message;
    return to;
  }

  TestFolder folder_;
};

TEST_F(PackTest, FreshProjectIsWrittenInTheStoredLayout) {
  TestProject p;
  const std::string text = p.packText();
  const std::string geometry =
      "fontname:[micra.wbmp]\nsection:geometry_\n1,\n1,\n"
      "1,\n1,\n0,\n0,\n32,\n32,\n0,\n64,\n0,\n64,\n0,\n64,\n0,\n0,\n128,\n0,\n128,\n0,\n128,\n0,"
      "\n0,\n\n0,\n\n0,\n\n"
      "\n0,\n\n\nclones\n0,0,0,0,\nsection:materials_\n0,0,0,0,0,0,0,0,0,255,1,0,0,0,0,0,mname=;\n";
  EXPECT_EQ(text.substr(0, geometry.size()), geometry);
  EXPECT_NE(text.find("section:rendersettings_\ncamera_\n64,0,0,0,0,0,100,0,\n"),
            std::string::npos);
  EXPECT_NE(text.find("section:texturedata_\n1,texture generation log\ntsize=32;"),
            std::string::npos);

  const std::size_t track = text.find("track_");
  ASSERT_NE(track, std::string::npos);
  EXPECT_EQ(text.size(), track + 40'106);
  p.tracker.sound = "song.xm";
  p.tracker.events[1] = {3, 7, 0, 0, 9};
  const std::string withTracker = p.packText();
  EXPECT_EQ(withTracker.substr(track + 6 + 5, 5), std::string("\x03\x07\x00\x00\x09", 5));
  EXPECT_EQ(withTracker.substr(track + 40'006, 8), std::string("song.xm\0", 8));
}

TEST_F(PackTest, RoundTripKeepsEveryStoredFieldAndTheBytes) {
  TestProject from;
  testing::fillSampleProject(from);
  auto to = roundTrip(from);
  testing::expectSameStoredProject(from, *to);
  // The four last texture entries come back too, and the pack reads the same a second time.
  EXPECT_EQ(to->textures->slots[253].commands[1].text, "HI, THERE");
  EXPECT_EQ(to->packText(), from.packText());
}

TEST_F(PackTest, EmptySceneWritesTwentyThreeEmptyListLinesAndReadsBackEmpty) {
  TestProject from;
  testing::fillSampleProject(from);
  const std::string text = from.packText();
  // Scene 0's last list line, then scene 1: its count and 23 empty lines (3 with an extra break).
  EXPECT_NE(text.find("2,1,1,0,\n\n0,\n" + std::string(26, '\n') + "1,\n"), std::string::npos);
  auto to = roundTrip(from);
  EXPECT_EQ(to->scene(1).objectCount, 0);
  EXPECT_EQ(to->scene(2).objectCount, 1);
}

TEST_F(PackTest, ShorterFontNameLeavesNoRemnant) {
  TestProject p;
  testing::fillSampleProject(p);
  TestProject shortName;
  shortName.scenes->fontName = "m.wbmp";
  ASSERT_TRUE(savePack(shortName.project, file("short.tsc")).ok());
  ASSERT_TRUE(loadPack(p.project, file("short.tsc")).status.ok());
  EXPECT_EQ(p.scenes->fontName, "m.wbmp");
}

TEST_F(PackTest, CameraRollSurvivesRepeatedSavesAndSlot254IsNotStored) {
  TestProject p;
  p.scenes->cameras[0].roll = 0.29;  // x 100 is 28.999...: a truncating writer would drift
  p.scenes->cameras[1].roll = -0.29;
  p.scenes->cameras[254].eyeX = 77;
  for (int cycle = 0; cycle < 3; ++cycle) {
    auto next = roundTrip(p);
    EXPECT_EQ(next->scenes->cameras[0].roll, 0.29);
    EXPECT_EQ(next->scenes->cameras[1].roll, -0.29);
    EXPECT_EQ(next->scenes->cameras[254].eyeX, 0);
    EXPECT_EQ(next->scenes->liveCamera, next->scenes->cameras[0]);
    *p.scenes = *next->scenes;
  }
  EXPECT_EQ(p.packText().find("77,"), std::string::npos);
}

TEST_F(PackTest, PackWithoutClonesOrTrackerKeepsThoseParts) {
  TestProject source;
  source.scene(0).clones[0] = {4, 2, 9, 9};
  source.tracker.events[5] = {1, 1, 1, 1, 1};
  std::string text = source.packText();
  text.erase(text.find("track_"));
  text.replace(text.find("clones"), 6, "xxxxxx");
  testing::writeFile(file("old.tsc"), text);

  TestProject p;
  p.scene(0).clones[0] = {7, 1, -3, 3};
  p.tracker.sound = "kept.mod";
  ASSERT_TRUE(loadPack(p.project, file("old.tsc")).status.ok());
  EXPECT_EQ(p.scene(0).clones[0], (CloneSettings{7, 1, -3, 3}));
  EXPECT_EQ(p.tracker.sound, "kept.mod");
  EXPECT_TRUE(p.tracker.events[5].empty());
}

TEST_F(PackTest, LoadingResetsTheSelectionAndStartsUndoAtOne) {
  TestProject from;
  testing::fillSampleProject(from);
  ASSERT_TRUE(savePack(from.project, file("sample.tsc")).ok());

  TestProject p;
  p.scenes->sceneCount = 2;
  p.scenes->currentScene = 1;
  p.scenes->currentMaterial = 9;
  p.scenes->currentCamera = 4;
  p.scene(0).currentObject = 200;
  p.undo.take(*p.scenes);
  p.undo.take(*p.scenes);
  ASSERT_TRUE(loadPack(p.project, file("sample.tsc")).status.ok());
  const SceneStore& s = *p.scenes;
  EXPECT_EQ(s.currentScene, 0);
  EXPECT_EQ(s.currentMaterial, 0);
  EXPECT_EQ(s.currentCamera, 0);
  EXPECT_EQ(s.liveCamera, s.cameras[0]);
  EXPECT_EQ(s.scenes[0].currentObject, 3);  // limited to the 4 objects loaded
  EXPECT_EQ(s.currentModifier, -1);
  EXPECT_EQ(s.snapshotCounter, 1);
  EXPECT_TRUE(std::filesystem::exists(p.undo.folder() / "1"));
  // Every slot with commands was regenerated; the last one is current.
  EXPECT_EQ(p.textures->current, 253);
}

TEST_F(PackTest, PreSavePassClearsWhatTheCloneExpansionMade) {
  TestProject p;
  Scene& scene = p.scene(0);
  scene.objectCount = 5;
  scene.objects[0].texture = 4;
  scene.modifiers[0].count = 2;
  scene.clones[0] = {0, 2, 0, 0};  // rotate xz, two clones: slots 1 and 2
  for (int j = 1; j <= 2; ++j) {
    scene.objects[j] = scene.objects[0];
    scene.objects[j].controlObject = 9;
    scene.objects[j].controlMode = 1;
    scene.modifiers[j] = scene.modifiers[0];
    scene.modifiers[j].entries[0].p1 = 5;
  }
  scene.modifiers[2].count = 3;    // one entry of its own behind the copied ones
  scene.clones[3] = {6, 1, 0, 0};  // a group keeps the member's record
  scene.objects[4].sizeX = 99;
  scene.modifiers[3].count = 1;

  clearGeneratedClones(*p.scenes);
  EXPECT_EQ(scene.objects[1], (SceneObject{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 1}));
  EXPECT_EQ(scene.modifiers[1].count, 0);
  EXPECT_EQ(scene.modifiers[1].entries[0], Modifier{});
  EXPECT_EQ(scene.modifiers[2].count, 3);
  EXPECT_EQ(scene.objects[4].sizeX, 99);
  EXPECT_EQ(scene.objects[0].texture, 4);
}

}  // namespace
}  // namespace tess
