// The texture view's keys, pointer and wheel: choosing, placing and committing operations and
// typing DrwTxt's text.
#include <gtest/gtest.h>

#include <vector>

#include "editor/editor_session.hpp"
#include "editor/texture_view_model.hpp"

namespace tess {
namespace {

ViewKey character(char c) {
  ViewKey key;
  key.character = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  key.typed = c;
  return key;
}

ViewKey named(ViewKey::Named name, bool control = false) {
  ViewKey key;
  key.named = name;
  key.control = control;
  return key;
}

class TextureViewInputTest : public ::testing::Test {
 protected:
  TextureViewInputTest() {
    session_.subscribe([this](Changes) { ++published_; });
    model_.resize(256, 256);
  }
  TextureStore& store() { return session_.textures(); }
  int selected() { return store().selectedOperation; }

  EditorSession session_;
  TextureViewModel model_{session_};
  int published_ = 0;
};

TEST_F(TextureViewInputTest, TabAndLettersChooseOperations) {
  EXPECT_TRUE(model_.pressKey(named(ViewKey::Named::Tab)).handled);
  EXPECT_EQ(selected(), texop::Cells);
  model_.pressKey(named(ViewKey::Named::Tab, true));  // Ctrl+Tab from row 1
  EXPECT_EQ(selected(), texop::Empty);
  model_.pressKey(named(ViewKey::Named::Tab));  // after the last row comes row 1
  EXPECT_EQ(selected(), texop::Cells);
  model_.pressKey(named(ViewKey::Named::Backtab));
  EXPECT_EQ(selected(), texop::Empty);

  model_.pressKey(character('b'));
  EXPECT_EQ(selected(), texop::Blur);
  model_.pressKey(character('Z'));
  EXPECT_EQ(selected(), texop::RotorZoom);
  EXPECT_FALSE(model_.pressKey(character('q')).handled);

  EXPECT_EQ(model_.pressKey(named(ViewKey::Named::F3)).scheme, 2);
  EXPECT_TRUE(model_.pressKey(character('9')).fitWindow);
  EXPECT_EQ(model_.fittedWindowSize(), (WindowSize{52, 92}));
  model_.pressKey(character('W'));
  EXPECT_TRUE(model_.view().greyBackground);
}

TEST_F(TextureViewInputTest, PointerPlacesOperationsWhoseFirstParameterIsX) {
  model_.pressKey(character('B'));
  const OpParams blur = store().sliders;
  published_ = 0;
  model_.pressPointer(10, 10);  // "blur" is no position
  model_.movePointer(20, 20);
  EXPECT_FALSE(model_.previewDue());
  EXPECT_EQ(store().sliders, blur);
  EXPECT_EQ(published_, 0);

  // A 32-pixel texture in the middle of a 256-pixel view at zoom 64: 8 slider steps a pixel.
  selectOperation(session_, texop::Circle);
  model_.pressPointer(128, 128);
  const int x = store().sliders[0], y = store().sliders[1];
  model_.movePointer(128 + 4, 128 - 2);  // right and up: the circle follows the pointer
  EXPECT_EQ(store().sliders[0], x + 32);
  EXPECT_EQ(store().sliders[1], y + 16);
  EXPECT_EQ(store().operations[texop::Circle].values[0], x + 32);
  EXPECT_TRUE(model_.runDuePreview());
  model_.movePointer(-500, 900);  // far off to the bottom left: the edge values
  EXPECT_EQ(store().sliders[0], 0);
  EXPECT_EQ(store().sliders[1], 0);
  EXPECT_TRUE(model_.runDuePreview());
  // The circle is drawn under the pointer.
  model_.movePointer(120, 120);
  model_.runDuePreview();
  std::vector<std::uint32_t> picture(256 * 256);
  model_.draw(256, 256, picture.data());
  EXPECT_EQ(picture[120 * 256 + 120], 0xFF808080u);
  const OpParams placed = store().sliders;

  // At zoom 0 the whole view shows one point: nothing is placed.
  for (int k = 0; k < 20; ++k) model_.wheel(120);
  ASSERT_EQ(model_.view().zoom, 0);
  model_.movePointer(128, 128);
  EXPECT_EQ(store().sliders, placed);

  // In pan mode the pointer pans; a double click commits.
  model_.pressKey(character(' '));
  model_.pressPointer(0, 0);
  model_.movePointer(7, 0);
  EXPECT_EQ(model_.view().panX, 7);
  EXPECT_EQ(store().sliders, placed);
  model_.releaseKey(character(' '));
  EXPECT_FALSE(model_.panMode());
  EXPECT_TRUE(model_.doubleClick());
  EXPECT_EQ(store().currentTexture().stageCount, 2);
}

TEST_F(TextureViewInputTest, WheelZoomsOrChangesTheParameterWhoseKeyIsHeld) {
  model_.pressKey(character('L'));  // Lenz: x, y, force 192, rad 64
  model_.pressKey(character('3'));
  for (int k = 0; k < 5; ++k) model_.wheel(120);  // 5 * 120 * 0.02
  EXPECT_EQ(store().sliders[2], 204);
  EXPECT_EQ(model_.view().zoom, 64);
  EXPECT_TRUE(model_.runDuePreview());
  model_.wheel(30);  // smaller deltas add up
  EXPECT_EQ(store().sliders[2], 204);
  model_.wheel(30);
  EXPECT_EQ(store().sliders[2], 205);
  model_.pressKey(character('7'));  // Lenz has no seventh row
  model_.wheel(1200);
  EXPECT_EQ(store().sliders[6], 0);
  model_.releaseKey(character('7'));
  model_.wheel(-120);
  EXPECT_EQ(model_.view().zoom, 54);
}

TEST_F(TextureViewInputTest, DrwTxtTakesTypedTextInsteadOfKeys) {
  model_.pressKey(named(ViewKey::Named::Tab));
  store().selectedOperation = texop::DrwTxt;
  const std::string& text = store().currentTexture().commands[1].text;
  for (char c : std::string("hi, b0 W8!?")) EXPECT_TRUE(model_.pressKey(character(c)).handled);
  EXPECT_EQ(text, "HI, B0 W8!?");
  EXPECT_EQ(selected(), texop::DrwTxt);  // B was typed, not a shortcut
  EXPECT_EQ(model_.view().zoom, 64);
  EXPECT_FALSE(model_.view().greyBackground);
  EXPECT_FALSE(model_.pressKey(named(ViewKey::Named::Tab)).handled);
  EXPECT_EQ(model_.pressKey(named(ViewKey::Named::F1)).scheme, -1);
  EXPECT_FALSE(model_.pressKey(character('#')).handled);

  for (int k = 0; k < 40; ++k) model_.pressKey(character('x'));
  EXPECT_EQ(text.size(), 31u);  // a 32nd character is ignored
  model_.pressKey(named(ViewKey::Named::Backspace));
  EXPECT_EQ(text.size(), 30u);
  EXPECT_EQ(store().displayedStage, store().workingStage);
}

}  // namespace
}  // namespace tess
