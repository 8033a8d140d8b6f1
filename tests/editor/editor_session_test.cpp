// The session: loading, saving and merging packs, what each command reports, the modified state
// and picks applied through the object operation.
#include "editor/editor_session.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "core/folders.hpp"
#include "editor/modifiers_model.hpp"
#include "editor/objects_model.hpp"
#include "scene/pack_files.hpp"
#include "scene/scene_codes.hpp"
#include "test_folder.hpp"

namespace tess {
namespace {

class EditorSessionTest : public ::testing::Test {
 protected:
  EditorSessionTest() {
    ::setenv("XDG_CONFIG_HOME", (folder_.path() / "config").c_str(), 1);
    session_.subscribe([this](Changes changes) { notified_.push_back(changes); });
  }

  std::filesystem::path file(const std::string& name) const { return folder_.path() / name; }

  // A pack with `scenes` scenes written by another session, so that loads can be told apart.
  std::filesystem::path packWithScenes(const std::string& name, int scenes) {
    EditorSession other;
    for (int s = 1; s < scenes; ++s) other.addScene();
    EXPECT_TRUE(other.savePackAs(file(name)).ok());
    return file(name);
  }

  TestFolder folder_;
  EditorSession session_;
  std::vector<Changes> notified_;
};

TEST_F(EditorSessionTest, OpeningAPackReplacesTheProjectAndTellsEveryWindowOnce) {
  const auto pack = packWithScenes("three.tsc", 3);
  session_.createObject(objtype::Cube);
  ASSERT_TRUE(session_.modified());
  notified_.clear();

  const Outcome opened = session_.openPack(pack);
  ASSERT_TRUE(opened.ok()) << opened.status.message;
  EXPECT_EQ(session_.scenes().sceneCount, 3);
  EXPECT_EQ(session_.packPath(), pack);
  EXPECT_FALSE(session_.modified());
  EXPECT_EQ(session_.recentFiles().names[0], pack.string());
  EXPECT_TRUE(std::filesystem::exists(userFolder() / "rf.tmp"));
  ASSERT_EQ(notified_.size(), 1u);
  EXPECT_TRUE(notified_[0].has(Change::AllTextures));
  EXPECT_TRUE(notified_[0].has(Change::Document));
  EXPECT_TRUE(notified_[0].has(Change::RecentFiles));
}

TEST_F(EditorSessionTest, AFailedLoadOrMergeChangesAndNotifiesNothing) {
  session_.addScene();
  const auto saved = file("mine.tsc");
  ASSERT_TRUE(session_.savePackAs(saved).ok());
  std::ofstream(file("damaged.tsc"), std::ios::binary) << "this is not a pack";
  notified_.clear();

  for (const char* name : {"missing.tsc", "damaged.tsc"}) {
    const Outcome opened = session_.openPack(file(name));
    EXPECT_FALSE(opened.ok());
    EXPECT_NE(opened.status.message.find(name), std::string::npos) << opened.status.message;
    const Outcome merged = session_.mergePacks(file(name));
    EXPECT_FALSE(merged.ok());
  }
  EXPECT_TRUE(session_.mergePacks(std::nullopt).ok());  // a cancelled dialog
  EXPECT_TRUE(notified_.empty());
  EXPECT_EQ(session_.scenes().sceneCount, 2);
  EXPECT_EQ(session_.packPath(), saved);
  EXPECT_FALSE(session_.modified());
  EXPECT_EQ(session_.recentFiles().count, 0);
}

TEST_F(EditorSessionTest, ModifiedStateFollowsEditsSavesAndLoads) {
  EXPECT_FALSE(session_.modified());
  EXPECT_TRUE(session_.selectScene(0));  // selecting changes no content
  EXPECT_FALSE(session_.modified());

  EXPECT_TRUE(session_.createObject(objtype::Torus));
  EXPECT_TRUE(session_.modified());
  EXPECT_TRUE(notified_.back().has(Change::Document));  // only the first edit flips it
  EXPECT_TRUE(session_.copyObject());
  EXPECT_FALSE(notified_.back().has(Change::Document));

  const Outcome saved = session_.savePackAs(file("name"));
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(session_.packPath(), file("name"));
  EXPECT_FALSE(session_.modified());
  EXPECT_TRUE(notified_.back().has(Change::Document));

  // A save that fails keeps the path and the modified state.
  session_.createObject(objtype::Sun);
  const Outcome failed = session_.savePackAs(file("no-such-folder") / "x.tsc");
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(session_.packPath(), file("name"));
  EXPECT_TRUE(session_.modified());
}

TEST_F(EditorSessionTest, CommandsReportWhatTheyChangedAndRefusalsNothing) {
  EXPECT_FALSE(session_.deleteObject());  // the only object stays
  EXPECT_FALSE(session_.selectScene(5));
  EXPECT_FALSE(session_.deleteLastScene());
  EXPECT_TRUE(notified_.empty());

  EXPECT_TRUE(session_.createObject(objtype::Cube));
  ASSERT_EQ(notified_.size(), 1u);
  EXPECT_TRUE(notified_[0].has(Change::Objects));
  EXPECT_TRUE(notified_[0].has(Change::CurrentObject));
  EXPECT_FALSE(notified_[0].has(Change::Materials));

  EXPECT_TRUE(session_.addScene());
  EXPECT_TRUE(notified_.back().has(Change::Scenes));
  session_.setWindowShown(ToolWindow::Tracker, false);
  EXPECT_TRUE(notified_.back() == Changes(Change::Layout));
  EXPECT_TRUE(session_.layout().hidden(ToolWindow::Tracker));
}

TEST_F(EditorSessionTest, MergingAppendsTheProjectAndSaysHowToGoOn) {
  const auto pack = packWithScenes("two.tsc", 2);
  const Outcome merged = session_.mergePacks(pack);
  ASSERT_TRUE(merged.ok());
  ASSERT_TRUE(merged.notice.has_value());
  EXPECT_EQ(merged.notice->title, "Merging complete");
  EXPECT_EQ(session_.scenes().sceneCount, 3);
  EXPECT_TRUE(session_.modified());
  ASSERT_EQ(notified_.size(), 1u);
  EXPECT_TRUE(notified_[0].has(Change::AllTextures));
}

TEST_F(EditorSessionTest, APickGoesThroughTheObjectOperation) {
  session_.startBlankProject();
  Scene& scene = session_.scenes().activeScene();
  session_.createObject(objtype::Cube);
  session_.createObject(objtype::Torus);
  scene.modifiers[1].count = 3;
  notified_.clear();

  EXPECT_FALSE(session_.applyPick(std::nullopt));
  EXPECT_TRUE(notified_.empty());

  EXPECT_TRUE(session_.applyPick(1));
  EXPECT_EQ(scene.currentObject, 1);
  EXPECT_EQ(session_.scenes().currentModifier, 2);  // the object's last modifier
  EXPECT_TRUE(notified_.back().has(Change::CurrentObject));

  // Armed by "Set control object": the picked object controls the current one, with a snapshot.
  const int snapshots = session_.scenes().snapshotCounter;
  session_.armControlPick();
  EXPECT_TRUE(session_.applyPick(2));
  EXPECT_EQ(scene.currentObject, 1);
  EXPECT_EQ(scene.objects[1].controlObject, 2);
  EXPECT_EQ(scene.objects[1].controlMode, 1);
  EXPECT_FALSE(session_.scenes().controlPickArmed);
  EXPECT_EQ(session_.scenes().snapshotCounter, snapshots + 1);
  EXPECT_TRUE(session_.undo());
  EXPECT_EQ(scene.objects[1].controlMode, 0);
}

TEST_F(EditorSessionTest, SchemesAndRecentFilesLiveInTheUserFolder) {
  EXPECT_FALSE(session_.chooseScheme(3));  // no file yet: the layout stays
  EXPECT_EQ(session_.layout().schemeNumber, 3);
  session_.layout().rects[0] = {10, 20, 110, 220};
  ASSERT_TRUE(session_.saveScheme().ok());
  EXPECT_TRUE(std::filesystem::exists(userFolder() / "winpos4.twp"));

  session_.layout().rects[0] = {};
  EXPECT_TRUE(session_.loadScheme());
  EXPECT_EQ(session_.layout().rects[0], (LayoutRect{10, 20, 110, 220}));

  const auto first = packWithScenes("a.tsc", 1), second = packWithScenes("b.tsc", 2);
  ASSERT_TRUE(session_.openPack(first).ok());
  ASSERT_TRUE(session_.openPack(second).ok());
  EXPECT_TRUE(session_.openRecentFile(2).ok());  // "a.tsc" again, now name 1
  EXPECT_EQ(session_.scenes().sceneCount, 1);
  EXPECT_EQ(session_.recentFiles().names[0], first.string());

  EditorSession restarted;
  restarted.readRecentFiles();
  EXPECT_EQ(restarted.recentFiles().count, 2);
  EXPECT_EQ(restarted.recentFiles().names[1], second.string());
}

TEST(FileNames, TheExtensionIsAppendedUnlessTheNameEndsWithIt) {
  EXPECT_EQ(withExtension("demo", ".tsc"), "demo.tsc");
  EXPECT_EQ(withExtension("demo.tsc", ".tsc"), "demo.tsc");
  EXPECT_EQ(withExtension("demo.tsc.bak", ".tsc"), "demo.tsc.bak.tsc");
  EXPECT_EQ(withExtension("textures", ""), "textures");
}

// Found by the session soak: the save's pass emptied the modifier list the selection was in.
TEST_F(EditorSessionTest, SavingKeepsTheCurrentModifierInsideItsList) {
  ModifiersModel modifiers(session_);
  ObjectsModel objects(session_);
  modifiers.create();
  objects.raiseCloneCount();  // object 1 is generated from object 0
  objects.create();
  modifiers.create();
  ASSERT_TRUE(session_.savePackAs(file("a.tsc")).ok());
  EXPECT_LT(session_.scenes().currentModifier, session_.scenes().activeModifiers().count);
}

}  // namespace
}  // namespace tess
