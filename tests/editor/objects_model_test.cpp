// The objects window's model: sizes and sliders, typed values and their limits, the object list,
// navigation and the notifications the window refreshes on.
#include "editor/objects_model.hpp"

#include <gtest/gtest.h>

#include "editor/editor_session.hpp"
#include "editor/typed_number.hpp"
#include "scene/scene_codes.hpp"
#include "test_folder.hpp"

namespace tess {
namespace {

class ObjectsModelTest : public ::testing::Test {
 protected:
  ObjectsModelTest() {
    ::setenv("XDG_CONFIG_HOME", (folder_.path() / "config").c_str(), 1);
    session_.layout().focusedWindow = kFocusObjects;
    session_.subscribe([this](Changes changes) { notified_.push_back(changes); });
  }

  SceneObject& current() { return session_.scenes().activeObject(); }
  // Whether the window was told to show its object again since the last call.
  bool refreshed() {
    bool shown = false;
    for (Changes changes : notified_) shown |= changes.any(ObjectsModel::kShown);
    notified_.clear();
    return shown;
  }

  TestFolder folder_;
  EditorSession session_;
  ObjectsModel model_{session_};
  std::vector<Changes> notified_;
};

TEST(TypedNumber, TakesWholeDecimalNumbersOnly) {
  EXPECT_EQ(parseTypedNumber(" -12 "), -12);
  EXPECT_EQ(parseTypedNumber("+7"), 7);
  for (const char* text : {"", " ", "-", "+", "+-3", "12a", "1e3", "0x10", "99999999999"})
    EXPECT_FALSE(parseTypedNumber(text)) << text;
  EXPECT_FALSE(parseTypedNumber("256", 0, 255));
  EXPECT_EQ(parseTypedNumber("255", 0, 255), 255);
}

TEST_F(ObjectsModelTest, SizeSlidersShowAndSetTheSelectedAxisWithinRange) {
  current().sizeX = 64;
  current().sizeY = 65;
  current().sizeZ = 66;
  model_.chooseSizeAxis(3);
  EXPECT_EQ(model_.shownSize(), 65);
  EXPECT_EQ(model_.sliderHigh(), 0);
  EXPECT_EQ(model_.sliderLow(), 65);
  EXPECT_EQ(sizeAxisCaption(3, model_.sizeAxis()), "[all]");
  EXPECT_EQ(sizeAxisCaption(0, model_.sizeAxis()), "x");

  ASSERT_TRUE(model_.moveSizeSliders(1, 2));
  EXPECT_EQ(current().sizeX, 258);
  EXPECT_EQ(current().sizeZ, 258);
  EXPECT_TRUE(model_.moveSizeSliders(500, 999));  // sliders cannot go past 127 and 255
  EXPECT_EQ(current().sizeY, 32767);
  model_.chooseSizeAxis(1);
  EXPECT_TRUE(model_.moveSizeSliders(-1, -1));
  EXPECT_EQ(current().sizeY, 0);
  EXPECT_EQ(current().sizeX, 32767);

  current().sizeY = -300;  // only a pack can hold it; the sliders stay in their ranges
  EXPECT_EQ(model_.sliderHigh(), 0);
  EXPECT_EQ(model_.sliderLow(), 0);

  EXPECT_FALSE(model_.typeSize("32768"));
  EXPECT_FALSE(model_.typeSize("-1"));
  EXPECT_TRUE(model_.typeSize("32767"));
  EXPECT_EQ(current().sizeY, 32767);
}

TEST_F(ObjectsModelTest, TypedValuesOutsideTheirLimitsNeverReachTheObject) {
  auto& clones = session_.scenes().activeScene().clones;
  EXPECT_FALSE(model_.typeClones("0", "20000", "-20000"));
  EXPECT_TRUE(model_.typeClones("0", "19999", "-19999"));
  EXPECT_EQ(clones[0].cloneCoeff1, 19999);
  EXPECT_EQ(clones[0].cloneCoeff2, -19999);

  session_.scenes().activeScene().objectCount = 4;
  session_.scenes().activeScene().currentObject = 3;
  EXPECT_FALSE(model_.typeClones("251", "x", ""));  // 3 + 251 reaches slot 254
  EXPECT_TRUE(model_.typeClones("250", "x", ""));   // the bad coefficients stay as they were
  EXPECT_EQ(clones[3].cloneCount, 250);
  EXPECT_EQ(clones[3].cloneCoeff1, 0);
  EXPECT_FALSE(model_.typeClones("-1", "", ""));

  clones[3].cloneCount = 253;
  EXPECT_TRUE(model_.raiseCloneCount());
  EXPECT_FALSE(model_.raiseCloneCount());
  clones[3].cloneCount = 0;
  EXPECT_FALSE(model_.lowerCloneCount());

  // Grid, mosaic and position: each field takes its own value or keeps the stored one.
  EXPECT_TRUE(model_.typePlacement({"256", "7", "-", "2", "abc", "-32768", "40000"}));
  EXPECT_EQ(current().segU, 32);
  EXPECT_EQ(current().segV, 7);
  EXPECT_EQ(current().mosaic1, 1);
  EXPECT_EQ(current().mosaic2, 2);
  EXPECT_EQ(current().posX, 0);
  EXPECT_EQ(current().posY, -32768);
  EXPECT_EQ(current().posZ, 0);
  // A typed position also says the current object moved, so that the 3D view re-centres.
  ASSERT_FALSE(notified_.empty());
  EXPECT_TRUE(notified_.back().has(Change::CurrentObject));

  // Typing only counts while this is the active tool window, or with autofocus off.
  session_.layout().focusedWindow = kFocusModifiers;
  EXPECT_FALSE(model_.typePlacement({"1", "1", "1", "1", "1", "1", "1"}));
  EXPECT_FALSE(model_.typeSize("100"));
  session_.layout().autofocusOff = 1;
  EXPECT_TRUE(model_.typeSize("100"));
}

TEST_F(ObjectsModelTest, TheListShowsTheHighestObjectFirstAndNavigationSelectsTheLastModifier) {
  session_.createObject(objtype::Tube);
  session_.createObject(objtype::Postprocessor);
  EXPECT_EQ(model_.objectLines(),
            (std::vector<std::string>{"2:postprocessor", "1:tube", "0:sphere"}));
  EXPECT_EQ(model_.selectedLine(), 0);

  session_.scenes().activeScene().modifiers[0].count = 3;
  notified_.clear();
  ASSERT_TRUE(model_.selectLine(2));
  EXPECT_EQ(model_.objectNumber(), 0);
  EXPECT_EQ(session_.scenes().currentModifier, 2);
  EXPECT_TRUE(notified_.back().has(Change::CurrentObject));
  EXPECT_FALSE(model_.previous());
  EXPECT_FALSE(model_.selectLine(3));
  EXPECT_TRUE(model_.last());
  EXPECT_EQ(model_.objectNumber(), 2);
  EXPECT_EQ(session_.scenes().currentModifier, -1);
  EXPECT_FALSE(model_.next());

  // "<" with texture and material autofocus selects the object's material.
  session_.scenes().activeScene().objects[1].material = 9;
  session_.scenes().textureMaterialAutofocus = true;
  ASSERT_TRUE(model_.previous());
  EXPECT_EQ(session_.scenes().currentMaterial, 9);
  EXPECT_TRUE(notified_.back().has(Change::CurrentMaterial));
}

TEST_F(ObjectsModelTest, ChoicesAreStoredAtOnceAndCaptionsFollowTheObject) {
  EXPECT_TRUE(model_.chooseType(objtype::Fog));
  EXPECT_EQ(model_.objectLines()[0], "0:fog mat[m] start[sx] end[sy]");
  EXPECT_FALSE(model_.chooseType(objtype::Fog));  // unchanged: nothing to tell
  EXPECT_FALSE(model_.chooseType(kObjectTypeCount));
  EXPECT_TRUE(model_.chooseBlend(6));
  EXPECT_TRUE(model_.chooseTexture(254));
  EXPECT_FALSE(model_.chooseMaterial(255));
  EXPECT_TRUE(model_.chooseCloneType(12));
  EXPECT_EQ(current().blend, 6);
  EXPECT_EQ(current().texture, 254);
  EXPECT_EQ(model_.clone().cloneType, 12);

  current().normalMode = 4;
  ASSERT_TRUE(model_.cycleNormalMode());
  EXPECT_EQ(model_.normalCaption(), "nrml:unv");
  ASSERT_TRUE(model_.cycleNormalMode());
  EXPECT_EQ(model_.normalCaption(), "nrml: -1");

  EXPECT_FALSE(model_.resetControlVisible());
  EXPECT_TRUE(model_.toGlobalCoordinates());
  EXPECT_EQ(model_.globalCaption(), "*glCS");
  EXPECT_EQ(model_.localCaption(), "locCS");
  EXPECT_TRUE(model_.resetControlVisible());
  EXPECT_TRUE(model_.resetControlObject());
  EXPECT_FALSE(model_.resetControlVisible());

  session_.scenes().materials[3].name = "chrome";
  EXPECT_EQ(model_.materialEntries()[3], "chrome");
  EXPECT_EQ(model_.materialEntries()[4], "4");
  EXPECT_EQ(model_.textureEntries().size(), 255u);
}

TEST_F(ObjectsModelTest, UndoAndPackLoadsRefreshTheWindow) {
  session_.undoSnapshots().restart(session_.scenes());
  ASSERT_TRUE(model_.chooseType(objtype::Torus));
  EXPECT_TRUE(refreshed());
  ASSERT_TRUE(session_.undo());
  EXPECT_TRUE(refreshed());
  EXPECT_EQ(model_.objectLines(), std::vector<std::string>{"0:sphere"});

  EditorSession other;
  other.createObject(objtype::Cube);
  other.createObject(objtype::Lamp);
  const auto pack = folder_.path() / "three.tsc";
  ASSERT_TRUE(other.savePackAs(pack).ok());
  ASSERT_TRUE(session_.openPack(pack).ok());
  EXPECT_TRUE(refreshed());
  EXPECT_EQ(model_.objectLines(),
            (std::vector<std::string>{"2:lamp", "1:cube", "0:sphere"}));
  EXPECT_EQ(model_.selectedLine(), 2);  // a loaded scene starts at object 0, the bottom line
}

}  // namespace
}  // namespace tess
