// The modifiers window's model and the modifier pop-up's tree.
#include <gtest/gtest.h>

#include <map>

#include "editor/editor_session.hpp"
#include "editor/modifier_menu_tree.hpp"
#include "editor/modifiers_model.hpp"

namespace tess {
namespace {

class ModifiersModelTest : public testing::Test {
 protected:
  ModifiersModelTest() {
    session_.subscribe([this](Changes changes) {
      ++notices_;
      last_ = changes;
    });
  }

  ModifierList& list() { return session_.scenes().activeModifiers(); }
  int& currentModifier() { return session_.scenes().currentModifier; }

  // Creates n modifiers whose codes are 10, 11, ...
  void createWithCodes(int n) {
    for (int k = 0; k < n; ++k) {
      ASSERT_TRUE(model_.create());
      ASSERT_TRUE(model_.setCode(10 + k));
    }
  }

  EditorSession session_;
  ModifiersModel model_{session_};
  int notices_ = 0;
  Changes last_;
};

TEST_F(ModifiersModelTest, CreateCopiesTheCurrentEntryBehindItAndStopsAtSixtyFour) {
  EXPECT_EQ(model_.numberText(), "");
  EXPECT_EQ(model_.countText(), "");
  EXPECT_EQ(model_.firstLabel(), "p1");
  EXPECT_EQ(model_.secondLabel(), "p2");

  ASSERT_TRUE(model_.create());
  EXPECT_EQ(list().count, 1);
  EXPECT_EQ(list().entries[0], kFirstModifier);
  EXPECT_EQ(model_.valueText(ModifierField::P4), "100");
  EXPECT_EQ(currentModifier(), 0);
  EXPECT_TRUE(last_.has(Change::Modifiers) && last_.has(Change::CurrentModifier));
  EXPECT_EQ(model_.firstLabel(), "force");
  EXPECT_EQ(model_.secondLabel(), "rad");

  ASSERT_TRUE(model_.typeValue(ModifierField::P1, "7"));
  ASSERT_TRUE(model_.create());  // copies entry 0 into a new entry 1
  ASSERT_TRUE(model_.setCode(modcode::TwistY));
  ASSERT_TRUE(model_.previous());
  ASSERT_TRUE(model_.create());  // goes between the two
  EXPECT_EQ(list().count, 3);
  EXPECT_EQ(currentModifier(), 1);
  EXPECT_EQ(list().entries[1].p1, 7);
  EXPECT_EQ(list().entries[1].code, modcode::Breath);
  EXPECT_EQ(list().entries[2].code, modcode::TwistY);

  while (list().count < kModifierCapacity) ASSERT_TRUE(model_.create());
  const int notices = notices_;
  EXPECT_FALSE(model_.create());
  EXPECT_EQ(list().count, kModifierCapacity);
  EXPECT_EQ(notices_, notices);
}

TEST_F(ModifiersModelTest, DeleteSelectsThePreviousEntryAndBlanksTheFieldsWhenEmpty) {
  EXPECT_FALSE(model_.remove());
  EXPECT_EQ(notices_, 0);

  createWithCodes(3);
  ASSERT_TRUE(model_.previous());  // entry 1
  ASSERT_TRUE(model_.remove());
  EXPECT_EQ(list().count, 2);
  EXPECT_EQ(currentModifier(), 0);
  EXPECT_EQ(list().entries[1].code, 12);
  ASSERT_TRUE(model_.remove());
  EXPECT_EQ(currentModifier(), 0);  // not below 0
  EXPECT_EQ(list().entries[0].code, 12);

  ASSERT_TRUE(model_.remove());
  EXPECT_EQ(currentModifier(), -1);
  EXPECT_EQ(model_.numberText(), "");
  EXPECT_EQ(model_.countText(), "");
  EXPECT_EQ(model_.valueText(ModifierField::P5), "");
  EXPECT_TRUE(model_.logLines().empty());
}

TEST_F(ModifiersModelTest, LogListsTheHighestIndexFirstAndNavigationFollowsIt) {
  createWithCodes(3);
  EXPECT_EQ(model_.logLines(),
            (std::vector<std::string>{"2   gl.rotate y", "1 •gl.rotate x", "0   rotate z"}));
  EXPECT_EQ(model_.logRow(), 0);
  EXPECT_EQ(model_.numberText(), "2");
  EXPECT_EQ(model_.countText(), "3");

  ASSERT_TRUE(model_.selectLogRow(2));
  EXPECT_EQ(currentModifier(), 0);
  EXPECT_EQ(last_, Changes(Change::CurrentModifier));
  EXPECT_FALSE(model_.previous());
  ASSERT_TRUE(model_.next());
  EXPECT_EQ(currentModifier(), 1);
  ASSERT_TRUE(model_.last());
  EXPECT_FALSE(model_.next());
  EXPECT_FALSE(model_.selectLogRow(3));

  // "down" and "up" carry the entry along.
  ASSERT_TRUE(model_.moveDown());
  EXPECT_EQ(currentModifier(), 1);
  EXPECT_EQ(list().entries[1].code, 12);
  EXPECT_EQ(list().entries[2].code, 11);
  ASSERT_TRUE(model_.moveUp());
  EXPECT_EQ(list().entries[2].code, 12);
  EXPECT_FALSE(model_.moveUp());
}

TEST_F(ModifiersModelTest, TypedValuesOutsideTheirRangeLeaveTheField) {
  EXPECT_FALSE(model_.typeValue(ModifierField::P5, "5"));  // no modifier
  ASSERT_TRUE(model_.create());
  const int notices = notices_;
  EXPECT_FALSE(model_.typeValue(ModifierField::P5, "128"));
  EXPECT_FALSE(model_.typeValue(ModifierField::P5, "-129"));
  EXPECT_FALSE(model_.typeValue(ModifierField::P4, "32767"));
  EXPECT_FALSE(model_.typeValue(ModifierField::P1, "12700"));
  EXPECT_FALSE(model_.typeValue(ModifierField::P3, "-12700"));
  EXPECT_FALSE(model_.typeValue(ModifierField::P2, "1e3"));
  EXPECT_FALSE(model_.typeValue(ModifierField::P2, "-"));
  EXPECT_FALSE(model_.typeValue(ModifierField::P2, "99999999999"));
  EXPECT_EQ(list().entries[0], kFirstModifier);
  EXPECT_EQ(notices_, notices);

  EXPECT_TRUE(model_.typeValue(ModifierField::P5, "127"));
  EXPECT_TRUE(model_.typeValue(ModifierField::P4, "-32766"));
  EXPECT_TRUE(model_.typeValue(ModifierField::P3, " +12699"));
  EXPECT_EQ(last_, Changes(Change::Modifiers));
  const Modifier& entry = list().entries[0];
  EXPECT_EQ(entry.p5, 127);
  EXPECT_EQ(entry.p4, -32766);
  EXPECT_EQ(entry.p3, 12699);

  // "+" and "-" stop at the ends of their ranges.
  EXPECT_FALSE(model_.stepFirst(1));
  EXPECT_TRUE(model_.stepSecond(-1));
  EXPECT_FALSE(model_.stepSecond(-1));
  EXPECT_EQ(entry.p5, 127);
  EXPECT_EQ(entry.p4, -32767);
}

TEST_F(ModifiersModelTest, CodesAndStepsNeedACurrentModifier) {
  EXPECT_FALSE(model_.setCode(modcode::TwistY));  // a pop-up item on an empty list
  EXPECT_FALSE(model_.stepFirst(1));
  EXPECT_EQ(list().count, 0);
  EXPECT_EQ(notices_, 0);

  // A list whose object became current without selecting a modifier: Create puts a fresh entry
  // first; nothing edits an entry that is not there.
  createWithCodes(2);
  currentModifier() = -1;
  EXPECT_FALSE(model_.remove());
  EXPECT_FALSE(model_.moveUp());
  EXPECT_FALSE(model_.setCode(modcode::Move));
  ASSERT_TRUE(model_.create());
  EXPECT_EQ(currentModifier(), 0);
  EXPECT_EQ(list().entries[0], kFirstModifier);
  EXPECT_EQ(list().entries[1].code, 10);

  // A damaged pack's unknown code shows without a type or labels of its own.
  list().entries[0].code = 200;
  EXPECT_EQ(model_.selectedCode(), std::nullopt);
  EXPECT_EQ(model_.firstLabel(), "p1");
  EXPECT_EQ(model_.logLines().back(), "0 (code 200)");
}

TEST_F(ModifiersModelTest, GroupButtonsFrameTheChosenGroup) {
  EXPECT_EQ(model_.groupCaption(ModifierGroup::Form), "F");
  model_.chooseGroup(ModifierGroup::Texture);
  EXPECT_EQ(model_.groupMode(), 3);
  EXPECT_EQ(model_.groupCaption(ModifierGroup::Texture), "•T•");
  EXPECT_EQ(model_.groupCaption(ModifierGroup::Anima), "A");
  model_.clearGroup();
  EXPECT_EQ(model_.groupCaption(ModifierGroup::Texture), "T");
}

// Every item's path from the pop-up's root, "form/twist/bend/twist y", by code.
void collectPaths(const ModifierMenuNode& menu, const std::string& path,
                  std::multimap<int, std::string>& paths) {
  for (const ModifierMenuNode& entry : menu.entries) {
    const std::string at = path.empty() ? std::string(entry.caption)
                                        : path + "/" + std::string(entry.caption);
    if (entry.isSubMenu())
      collectPaths(entry, at, paths);
    else
      paths.emplace(entry.code, at);
  }
}

TEST(ModifierMenuTree, HoldsEachCodeOnceWhereTheTableSaysAndEachGroupStartsWithClearing) {
  const ModifierMenuNode root = modifierMenuTree();
  EXPECT_EQ(root.caption, "modifers");
  ASSERT_EQ(root.entries.size(), 4u);
  for (int g = 0; g < 4; ++g) {
    EXPECT_EQ(root.entries[g].caption, kModifierGroupCaptions[g]);
    EXPECT_EQ(root.entries[g].entries.front().caption, "...");
    EXPECT_EQ(root.entries[g].entries.front().code, kClearGroupEntry);
  }

  std::multimap<int, std::string> paths;
  collectPaths(root, "", paths);
  EXPECT_EQ(paths.count(kClearGroupEntry), 4u);
  for (int code = 0; code < kModifierCodeCount; ++code) {
    const ModifierCodeInfo& info = kModifierCodes[code];
    std::string expected(kModifierGroupCaptions[static_cast<int>(info.group)]);
    if (!info.subMenu.empty()) expected += "/" + std::string(info.subMenu);
    expected += "/" + std::string(info.caption);
    ASSERT_EQ(paths.count(code), 1u) << code;
    EXPECT_EQ(paths.find(code)->second, expected);
  }
  EXPECT_EQ(paths.find(modcode::TwistY)->second, "form/twist/bend/twist y");
  EXPECT_EQ(paths.find(modcode::FrontMappingXZ)->second, "texture/front mapping/xz");
  EXPECT_EQ(paths.find(modcode::AnimaCycle)->second, "anima/anima-cycle");

  // Sub-menus take the place of the first code they hold.
  std::vector<std::string_view> form;
  for (const ModifierMenuNode& entry : root.entries[0].entries) form.push_back(entry.caption);
  EXPECT_EQ(form, (std::vector<std::string_view>{"...", "breath/exhalation", "limiter",
                                                 "twist/bend", "rotate/flip", "extract", "zoom",
                                                 "trapeze/skew", "erch in bottle",
                                                 "erch in bottle 2", "move", "waves", "empty"}));
}

}  // namespace
}  // namespace tess
