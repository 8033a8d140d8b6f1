// The texture editor's model: operations by group, parameter rows, the command list with change
// mode, slot, size, type and name, and what each command publishes.
#include "editor/texture_editor_model.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "editor/editor_session.hpp"
#include "texture/interpreter.hpp"

namespace tess {
namespace {

class TextureEditorModelTest : public ::testing::Test {
 protected:
  TextureEditorModelTest() {
    session_.subscribe([this](Changes changes) { published_.push_back(changes); });
  }

  TextureStore& store() { return session_.textures(); }
  std::vector<std::uint8_t> workingStage() {
    const std::uint8_t* stage = store().stage(store().workingStage);
    return {stage, stage + StageArea::stageBytes(store().size())};
  }
  // Selects and commits op with its remembered values.
  void append(int op) {
    ASSERT_TRUE(model_.selectOperation(op));
    ASSERT_TRUE(model_.commit());
  }

  EditorSession session_;
  TextureEditorModel model_{session_};
  std::vector<Changes> published_;
};

TEST_F(TextureEditorModelTest, OperationsAreListedByGroupWithTheirParameterRows) {
  const auto texts = TextureEditorModel::operationListTexts();
  ASSERT_EQ(texts.size(), 52u);
  EXPECT_EQ(texts[0], "::Generators");
  EXPECT_EQ(texts[1], "  Cells");
  EXPECT_EQ(texts[23], "\u2022 Blur");
  EXPECT_EQ(texts[51], "  Empty");
  EXPECT_EQ(TextureEditorModel::tabOfRow(23), 2);
  EXPECT_EQ(TextureEditorModel::tabOfRow(46), 3);

  EXPECT_TRUE(model_.selectTab(1));
  EXPECT_EQ(model_.selectedOperation(), texop::GeometryHeader);
  EXPECT_EQ(model_.parameterRowCount(), 0);
  EXPECT_EQ(model_.functionCaption(), "function");

  ASSERT_TRUE(model_.selectOperation(texop::Box));
  EXPECT_EQ(model_.functionCaption(), "Box");
  ASSERT_EQ(model_.parameterRowCount(), 7);
  EXPECT_EQ(model_.parameterLabel(3), "heith");
  EXPECT_EQ(model_.parameterValue(2), 32);
  EXPECT_TRUE(published_.back().has(Change::Stages));
}

TEST_F(TextureEditorModelTest, SliderMovesRunOnlyTheNewestValuesAndAreRemembered) {
  ASSERT_TRUE(model_.selectOperation(texop::Circle));
  published_.clear();
  model_.setParameter(2, 3);
  model_.setParameter(2, 9);
  model_.setParameter(2, 400);  // a slider holds 0..255
  EXPECT_TRUE(published_.empty());
  EXPECT_TRUE(model_.runDuePreview());
  EXPECT_FALSE(model_.runDuePreview());
  EXPECT_EQ(published_.size(), 1u);
  EXPECT_EQ(model_.parameterValue(2), 255);

  // The same operation run directly with the newest values gives the picture shown.
  EditorSession direct;
  OpParams params = pristineOperationTable()[texop::Circle].values;
  params[2] = 255;
  runTextureOp(direct.textures(), texop::Circle, params);
  const std::uint8_t* expected = direct.textures().stage(1);
  EXPECT_EQ(workingStage(), std::vector<std::uint8_t>(expected, expected + 32 * 32 * 4));

  // Another operation and back: the table remembers the slider; "defP" restores the default.
  ASSERT_TRUE(model_.selectOperation(texop::Blur));
  ASSERT_TRUE(model_.selectOperation(texop::Circle));
  EXPECT_EQ(model_.parameterValue(2), 255);
  EXPECT_TRUE(model_.restoreDefaults());
  EXPECT_EQ(model_.parameterValue(2), 32);

  // "+" / "-" and typed numbers stay in 0..255; a row the operation lacks takes nothing.
  EXPECT_TRUE(model_.stepParameter(0, -1) == false);  // x is 0 already
  EXPECT_TRUE(model_.stepParameter(0, 1));
  EXPECT_EQ(model_.parameterValue(0), 1);
  EXPECT_FALSE(model_.typeParameter(0, "256"));
  EXPECT_FALSE(model_.typeParameter(0, ""));
  EXPECT_TRUE(model_.typeParameter(0, "77"));
  EXPECT_EQ(model_.parameterValue(0), 77);
  EXPECT_FALSE(model_.typeParameter(6, "5"));
  EXPECT_FALSE(model_.stepParameter(6, 1));
}

TEST_F(TextureEditorModelTest, CommitsFillTheStageListNewestFirst) {
  EXPECT_FALSE(model_.commit());  // row 0 is a header
  append(texop::Cells);
  append(texop::Blur);
  EXPECT_EQ(model_.stageListTexts(), (std::vector<std::string>{"2Blur", "1Cells"}));
  EXPECT_EQ(store().workingStage, 3);

  // The committed command produces what was shown, even when nothing ran since the last commit.
  ASSERT_TRUE(model_.commit());
  const auto committed = workingStage();
  regenerateTexture(store());
  EXPECT_EQ(workingStage(), committed);

  // Showing a listed stage, then an edit shows the working stage again.
  EXPECT_TRUE(model_.showStage(2));  // position 2 is stage 1
  EXPECT_EQ(store().displayedStage, 1);
  EXPECT_FALSE(model_.showStage(2));
  EXPECT_FALSE(model_.showStage(3));
  model_.setParameter(0, 2);
  model_.runDuePreview();
  EXPECT_EQ(store().displayedStage, store().workingStage);

  // Double clicking the operation list commits.
  EXPECT_TRUE(model_.commitByDoubleClick());
  EXPECT_EQ(model_.stageListTexts().size(), 4u);
}

TEST_F(TextureEditorModelTest, ChangeModeDisablesListEditsUntilTheCommit) {
  append(texop::Cells);
  append(texop::Circle);
  append(texop::Blur);
  ASSERT_TRUE(model_.listEditsEnabled());
  EXPECT_FALSE(model_.prerenderShown());

  ASSERT_TRUE(model_.change(1));  // 2Circle
  EXPECT_EQ(model_.selectedOperation(), texop::Circle);
  EXPECT_FALSE(model_.listEditsEnabled());
  EXPECT_TRUE(model_.prerenderShown());
  EXPECT_EQ(model_.changedStagePosition(), 1);
  published_.clear();
  EXPECT_FALSE(model_.change(0));
  EXPECT_FALSE(model_.insert(0));
  EXPECT_FALSE(model_.remove(0));
  EXPECT_FALSE(model_.commitByDoubleClick());
  EXPECT_FALSE(model_.changeByDoubleClick(0));
  model_.clearAll();
  EXPECT_TRUE(published_.empty());

  // "prerender" stores the change and keeps changing the same stage.
  model_.setParameter(2, 60);
  ASSERT_TRUE(model_.prerender());
  EXPECT_EQ(store().currentTexture().commands[2].params[2], 60);
  EXPECT_TRUE(model_.prerenderShown());
  EXPECT_EQ(model_.changedStagePosition(), 1);

  ASSERT_TRUE(model_.selectOperation(texop::Box));
  ASSERT_TRUE(model_.commit());
  EXPECT_TRUE(model_.listEditsEnabled());
  EXPECT_FALSE(model_.prerenderShown());
  EXPECT_EQ(model_.selectedOperation(), 0);
  EXPECT_EQ(model_.stageListTexts(), (std::vector<std::string>{"3Blur", "2Box", "1Cells"}));
}

TEST_F(TextureEditorModelTest, ListEditsOutsideTheListRefuseSilently) {
  published_.clear();
  EXPECT_FALSE(model_.change(-1));  // an empty list has no top entry
  EXPECT_FALSE(model_.insert(-1));
  EXPECT_FALSE(model_.remove(-1));
  append(texop::Cells);
  published_.clear();
  EXPECT_FALSE(model_.change(1));
  EXPECT_FALSE(model_.remove(5));
  EXPECT_FALSE(model_.showStage(-1));  // no row selected shows nothing
  EXPECT_FALSE(model_.showStage(1));
  EXPECT_TRUE(published_.empty());

  EXPECT_TRUE(model_.insert(0));
  EXPECT_EQ(model_.stageListTexts(), (std::vector<std::string>{"2Cells", "1Empty"}));
  EXPECT_TRUE(model_.remove(1));
  EXPECT_EQ(model_.stageListTexts(), (std::vector<std::string>{"1Cells"}));
  model_.clearAll();
  EXPECT_TRUE(model_.stageListTexts().empty());
}

TEST_F(TextureEditorModelTest, SlotsStepWithin0To254) {
  published_.clear();
  EXPECT_FALSE(model_.stepSlot(-1));
  EXPECT_TRUE(published_.empty());
  ASSERT_TRUE(model_.selectOperation(texop::Blur));
  EXPECT_TRUE(model_.typeSlot("254"));
  EXPECT_EQ(model_.slotText(), "254");
  EXPECT_EQ(model_.selectedOperation(), 0);
  EXPECT_TRUE(published_.back().has(Change::CurrentTexture));
  EXPECT_FALSE(model_.stepSlot(1));
  EXPECT_FALSE(model_.typeSlot("255"));
  EXPECT_FALSE(model_.typeSlot("-3"));
  EXPECT_FALSE(model_.typeSlot(""));
  EXPECT_TRUE(model_.stepSlot(-1));
  EXPECT_EQ(store().current, 253);
}

TEST_F(TextureEditorModelTest, SizeTypeAndNameReachTheSlotAndThePickers) {
  append(texop::Cells);
  ASSERT_TRUE(model_.selectOperation(texop::Blur));
  published_.clear();
  ASSERT_TRUE(model_.setSizeIndex(3));
  EXPECT_EQ(store().size(), 256);
  EXPECT_TRUE(published_.back().has(Change::TextureNames));  // the pickers show sizes
  EXPECT_EQ(model_.selectedOperation(), texop::Blur);
  EXPECT_FALSE(model_.setSizeIndex(3));

  // 30 stages fit at 256 but not at 1024 (22 stages): refused, nothing changes.
  for (int k = 0; k < 28; ++k) append(texop::Empty);
  published_.clear();
  EXPECT_FALSE(model_.setSizeIndex(5));
  EXPECT_EQ(model_.sizeIndex(), 3);
  EXPECT_TRUE(published_.empty());

  EXPECT_TRUE(model_.setTypeIndex(1));
  EXPECT_EQ(store().currentTexture().type, kTextureRenderTarget);
  EXPECT_TRUE(published_.back().has(Change::Stages));  // the device texture is made again
  EXPECT_FALSE(model_.setTypeIndex(2));

  EXPECT_TRUE(model_.setName(std::string(120, 'n')));
  EXPECT_EQ(model_.name(), std::string(98, 'n'));
  EXPECT_EQ(published_.back(), Changes(Change::TextureNames));
  EXPECT_FALSE(model_.setName("bricks;end"));
  EXPECT_TRUE(model_.setName(std::string(97, 'n') + "\u00e9"));  // not cut inside the letter
  EXPECT_EQ(model_.name(), std::string(97, 'n'));
}

}  // namespace
}  // namespace tess
